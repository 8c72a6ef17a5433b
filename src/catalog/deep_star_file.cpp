#include "catalog/deep_star_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "astro/angles.h"

namespace kolvar {

namespace {

constexpr char Magic[8] = {'K', 'O', 'L', 'V', 'A', 'R', 'D', 'S'};
constexpr std::uint32_t Version = 1;
constexpr std::uint32_t HeaderSize = 64;
constexpr std::uint32_t RecordSize = 12;
constexpr double RadiansPerMas = Pi / (180.0 * 3600.0 * 1000.0);

// The header's words after the magic, in their order.
struct Header {
    std::uint32_t Version, HeaderSize, BandCount, ZoneCount, StarCount, RecordSize, BandOffset, ZoneOffset,
        StarOffset, FileSize, BandMicroDegrees;
};

std::uint32_t Word(const unsigned char* p) {
    std::uint32_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

}  // namespace

DeepStar MovedStar(const DeepStar& star, double years) {
    DeepStar moved = star;
    const double cosDec = std::cos(star.Declination);
    moved.Declination += static_cast<double>(star.ProperMotionDec) * RadiansPerMas * years;
    if (cosDec > 1e-9)
        moved.RightAscension += static_cast<double>(star.ProperMotionRa) * RadiansPerMas * years / cosDec;
    return moved;
}

DeepStarFile::DeepStarFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error_ = path.string() + ": " + std::strerror(errno);
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error_ = path.string() + ": not a regular file";
        ::close(fd);
        return;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size < HeaderSize) {
        error_ = path.string() + ": too short for a deep star file";
        ::close(fd);
        return;
    }
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) {
        error_ = path.string() + ": cannot be mapped: " + std::strerror(errno);
        return;
    }
    map_ = map;
    mapSize_ = size;
    bytes_ = static_cast<const unsigned char*>(map);
    if (!Validate(size)) {
        error_ = path.string() + ": " + error_;
        stars_ = nullptr;
    }
}

DeepStarFile::~DeepStarFile() {
    if (map_ != nullptr) ::munmap(map_, mapSize_);
}

bool DeepStarFile::Validate(std::size_t fileSize) {
    if (std::memcmp(bytes_, Magic, sizeof Magic) != 0) {
        error_ = "not a deep star file";
        return false;
    }
    Header h{};
    std::memcpy(&h, bytes_ + sizeof Magic, sizeof h);
    if (h.Version != Version || h.HeaderSize != HeaderSize || h.RecordSize != RecordSize) {
        error_ = "unknown version of the deep star file";
        return false;
    }
    const auto bandBytes = std::uint64_t{8} * h.BandCount;
    const auto zoneBytes = std::uint64_t{4} * (std::uint64_t{h.ZoneCount} + 1);
    const auto starBytes = std::uint64_t{RecordSize} * h.StarCount;
    if (h.BandCount == 0 || h.BandCount > 64800 || h.ZoneCount < h.BandCount ||
        std::uint64_t{h.BandCount} * h.BandMicroDegrees != 180000000u || h.BandOffset != HeaderSize ||
        h.ZoneOffset != h.BandOffset + bandBytes || h.StarOffset != h.ZoneOffset + zoneBytes ||
        h.FileSize != h.StarOffset + starBytes || h.FileSize != fileSize) {
        error_ = "damaged: its sizes do not fit together (" + std::to_string(fileSize) + " bytes)";
        return false;
    }
    bands_ = bytes_ + h.BandOffset;
    zones_ = bytes_ + h.ZoneOffset;
    std::uint64_t nextZone = 0;
    for (std::uint32_t b = 0; b < h.BandCount; ++b) {
        const std::uint32_t first = Word(bands_ + 8 * std::size_t{b});
        const std::uint32_t count = Word(bands_ + 8 * std::size_t{b} + 4);
        if (first != nextZone || count == 0) {
            error_ = "damaged: declination band " + std::to_string(b) + " is out of order";
            return false;
        }
        nextZone += count;
    }
    if (nextZone != h.ZoneCount) {
        error_ = "damaged: the bands do not hold every zone";
        return false;
    }
    std::uint32_t previous = 0;
    for (std::uint32_t z = 0; z <= h.ZoneCount; ++z) {
        const std::uint32_t first = Word(zones_ + 4 * std::size_t{z});
        if (first < previous || (z == 0 && first != 0) || first > h.StarCount) {
            error_ = "damaged: zone " + std::to_string(z) + " points outside its stars";
            return false;
        }
        previous = first;
    }
    if (previous != h.StarCount) {
        error_ = "damaged: the zones do not hold every star";
        return false;
    }
    bandCount_ = h.BandCount;
    zoneCount_ = h.ZoneCount;
    starCount_ = h.StarCount;
    bandHeight_ = static_cast<double>(h.BandMicroDegrees) * 1e-6 * Pi / 180.0;
    stars_ = bytes_ + h.StarOffset;
    return true;
}

DeepStarFile::ZoneSpan DeepStarFile::ColumnsOf(std::uint32_t band, const DeepStarField& field) const {
    const std::uint32_t count = Word(bands_ + 8 * std::size_t{band} + 4);
    const double halfPi = Pi / 2.0;
    // The widest reach in right ascension of a cap that holds no pole.
    const double cosDec = std::cos(field.Declination);
    if (std::abs(field.Declination) + field.Radius >= halfPi || std::sin(field.Radius) >= cosDec)
        return {0, count};
    const double reach = std::asin(std::sin(field.Radius) / cosDec);
    const double width = 2.0 * Pi / count;
    const double first = std::floor((field.RightAscension - reach) / width);
    const double last = std::floor((field.RightAscension + reach) / width);
    const double n = last - first + 1.0;
    if (n >= count) return {0, count};
    const double wrapped = first - std::floor(first / count) * count;
    return {static_cast<std::uint32_t>(wrapped), static_cast<std::uint32_t>(n)};
}

float DeepStarFile::MagnitudeOf(std::uint32_t index) const {
    const std::uint32_t word = Word(stars_ + RecordSize * std::size_t{index} + 8);
    return -2.0f + 0.05f * static_cast<float>(word & 0x1FF);
}

DeepStar DeepStarFile::Decode(std::uint32_t band, std::uint32_t column, std::uint32_t index) const {
    const unsigned char* r = stars_ + RecordSize * std::size_t{index};
    std::uint16_t u, v;
    std::int16_t pmRa, pmDec;
    std::memcpy(&u, r, 2);
    std::memcpy(&v, r + 2, 2);
    std::memcpy(&pmRa, r + 4, 2);
    std::memcpy(&pmDec, r + 6, 2);
    const std::uint32_t word = Word(r + 8);
    const std::uint32_t count = Word(bands_ + 8 * std::size_t{band} + 4);
    DeepStar s;
    s.RightAscension = (column + u / 65535.0) * (2.0 * Pi / count);
    s.Declination = -Pi / 2.0 + (band + v / 65535.0) * bandHeight_;
    s.ProperMotionRa = pmRa;
    s.ProperMotionDec = pmDec;
    s.Magnitude = -2.0f + 0.05f * static_cast<float>(word & 0x1FF);
    s.ColourIndex = -0.5f + (2.0f * static_cast<float>((word >> 9) & 0x3F) + 0.5f) * (4.0f / 127.0f);
    s.Hip = word >> 15;
    return s;
}

bool DeepStarFile::Within(const DeepStar& star, const DeepStarField& field, double cosRadius) const {
    const double cosSeparation = std::sin(star.Declination) * std::sin(field.Declination) +
                                 std::cos(star.Declination) * std::cos(field.Declination) *
                                     std::cos(star.RightAscension - field.RightAscension);
    return cosSeparation >= cosRadius;
}

}  // namespace kolvar
