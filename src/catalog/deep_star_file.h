#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "astro/angles.h"

namespace kolvar {

// One star of the deep star file, as it stood at the epoch 2000.0.
struct DeepStar {
    double RightAscension = 0.0;   // J2000, radians
    double Declination = 0.0;      // J2000, radians
    float ProperMotionRa = 0.0f;   // mas a year, times cos(declination)
    float ProperMotionDec = 0.0f;  // mas a year
    float Magnitude = 0.0f;        // V
    float ColourIndex = 0.0f;      // B - V
    std::uint32_t Hip = 0;         // Hipparcos number, 0 for none
};

// The same star moved by its proper motion to `years` after 2000.0 (a
// straight line on the tangent plane, good for centuries).
DeepStar MovedStar(const DeepStar& star, double years);

// The stars of a field of the sky.
struct DeepStarField {
    double RightAscension = 0.0;  // the field's centre, J2000, radians
    double Declination = 0.0;
    double Radius = 0.0;           // radians
    float MagnitudeLimit = 10.5f;  // the faintest magnitude listed
};

// The deep star file (data/deep_stars.kds, written by
// tools/generate_deep_stars.py): about 600,000 stars to magnitude 10.5 in
// one-degree declination bands cut into zones of about one degree, every
// zone's stars brightest first, mapped into memory read-only. Opening
// checks the header, the sizes and every zone offset; a file that fails is
// not used, and Error() says why in one line.
class DeepStarFile {
public:
    explicit DeepStarFile(const std::filesystem::path& path);
    ~DeepStarFile();
    DeepStarFile(const DeepStarFile&) = delete;
    DeepStarFile& operator=(const DeepStarFile&) = delete;

    bool IsOpen() const { return stars_ != nullptr; }
    // Why the file could not be used ("" when it is open).
    const std::string& Error() const { return error_; }
    std::size_t StarCount() const { return starCount_; }

    // Calls `visit(const DeepStar&)` for every star within the field's radius
    // (at the 2000.0 positions) and no fainter than its limit, zone by zone.
    template <class Visit>
    void ForEachStar(const DeepStarField& field, Visit&& visit) const;

private:
    struct Band {
        std::uint32_t FirstZone;
        std::uint32_t ZoneCount;
    };
    // The zones of one band that the field may reach, as a first column and
    // a count (wrapping past 24 h).
    struct ZoneSpan {
        std::uint32_t FirstColumn = 0;
        std::uint32_t Count = 0;
    };
    bool Validate(std::size_t fileSize);
    ZoneSpan ColumnsOf(std::uint32_t band, const DeepStarField& field) const;
    DeepStar Decode(std::uint32_t band, std::uint32_t column, std::uint32_t index) const;
    float MagnitudeOf(std::uint32_t index) const;
    bool Within(const DeepStar& star, const DeepStarField& field, double cosRadius) const;

    std::string error_;
    void* map_ = nullptr;
    std::size_t mapSize_ = 0;
    const unsigned char* bytes_ = nullptr;
    const unsigned char* stars_ = nullptr;
    const unsigned char* zones_ = nullptr;
    const unsigned char* bands_ = nullptr;
    std::uint32_t bandCount_ = 0;
    std::uint32_t zoneCount_ = 0;
    std::size_t starCount_ = 0;
    double bandHeight_ = 0.0;  // radians
};

template <class Visit>
void DeepStarFile::ForEachStar(const DeepStarField& field, Visit&& visit) const {
    if (!IsOpen() || field.Radius <= 0.0) return;
    const double cosRadius = std::cos(std::min(field.Radius, Pi));
    const double halfPi = 1.5707963267948966;
    const double south = field.Declination - field.Radius;
    const double north = field.Declination + field.Radius;
    const auto bandOf = [this, halfPi](double declination) {
        const double b = std::floor((declination + halfPi) / bandHeight_);
        return static_cast<std::uint32_t>(std::clamp(b, 0.0, static_cast<double>(bandCount_ - 1)));
    };
    for (std::uint32_t band = bandOf(south); band <= bandOf(north); ++band) {
        const ZoneSpan span = ColumnsOf(band, field);
        Band b;
        std::memcpy(&b, bands_ + 8 * static_cast<std::size_t>(band), sizeof b);
        for (std::uint32_t k = 0; k < span.Count; ++k) {
            const std::uint32_t column = (span.FirstColumn + k) % b.ZoneCount;
            std::uint32_t range[2];
            std::memcpy(range, zones_ + 4 * static_cast<std::size_t>(b.FirstZone + column), sizeof range);
            for (std::uint32_t i = range[0]; i < range[1]; ++i) {
                if (MagnitudeOf(i) > field.MagnitudeLimit) break;  // brightest first
                const DeepStar star = Decode(band, column, i);
                if (Within(star, field, cosRadius)) visit(star);
            }
        }
    }
}

}  // namespace kolvar
