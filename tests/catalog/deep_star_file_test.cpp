// The deep star file: the committed file's field queries against a plain scan
// of every star, and the refusal of missing and damaged files.
#include "catalog/deep_star_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "catalog/ngc_ic_catalogue.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;
constexpr double Degree = std::numbers::pi / 180.0;

const fs::path CommittedFile = fs::path(KOLVAR_SOURCE_DIR) / "data" / "deep_stars.kds";

std::vector<DeepStar> StarsOf(const DeepStarFile& file, const DeepStarField& field) {
    std::vector<DeepStar> stars;
    file.ForEachStar(field, [&](const DeepStar& s) { stars.push_back(s); });
    return stars;
}

double Separation(double ra1, double dec1, double ra2, double dec2) {
    return std::acos(std::clamp(
        std::sin(dec1) * std::sin(dec2) + std::cos(dec1) * std::cos(dec2) * std::cos(ra1 - ra2), -1.0, 1.0));
}

TEST(DeepStarFile, FieldsHoldExactlyTheStarsAPlainScanFinds) {
    const DeepStarFile file(CommittedFile);
    ASSERT_TRUE(file.IsOpen()) << file.Error();
    EXPECT_EQ(file.StarCount(), 603418u);
    // Every star once: the whole sky in one field.
    const std::vector<DeepStar> all = StarsOf(file, {0.0, 0.0, 4.0, 30.0f});
    ASSERT_EQ(all.size(), file.StarCount());

    // Fields across 0 h, at a pole, at the Pleiades, wide and narrow.
    const DeepStarField fields[] = {
        {0.5 * Degree, 10.0 * Degree, 3.0 * Degree, 10.5f},
        {359.0 * Degree, -40.0 * Degree, 1.0 * Degree, 9.0f},
        {120.0 * Degree, 89.5 * Degree, 2.0 * Degree, 10.5f},
        {56.75 * Degree, 24.12 * Degree, 1.0 * Degree, 10.5f},
        {266.4 * Degree, -29.0 * Degree, 30.0 * Degree, 6.5f},
        {280.0 * Degree, -85.0 * Degree, 8.0 * Degree, 8.0f},
    };
    for (const DeepStarField& f : fields) {
        std::size_t expected = 0;
        for (const DeepStar& s : all) {
            if (s.Magnitude <= f.MagnitudeLimit &&
                Separation(s.RightAscension, s.Declination, f.RightAscension, f.Declination) <= f.Radius)
                ++expected;
        }
        EXPECT_EQ(StarsOf(file, f).size(), expected)
            << "field at " << f.RightAscension / Degree << ", " << f.Declination / Degree;
    }
    // The Pleiades: Alcyone (HIP 17702) among them with its magnitude.
    bool alcyone = false;
    for (const DeepStar& s : StarsOf(file, fields[3])) {
        if (s.Hip == 17702) alcyone = std::abs(s.Magnitude - 2.85f) < 0.1f;
    }
    EXPECT_TRUE(alcyone);
}

TEST(DeepStarFile, ProperMotionMovesAStarAlongItsPath) {
    DeepStar barnard;
    barnard.RightAscension = 269.452 * Degree;
    barnard.Declination = 4.693 * Degree;
    barnard.ProperMotionRa = -798.6f;
    barnard.ProperMotionDec = 10328.1f;
    const DeepStar later = MovedStar(barnard, 100.0);
    EXPECT_NEAR((later.Declination - barnard.Declination) / Degree * 3600.0, 1032.81, 0.01);
    EXPECT_NEAR(
        (later.RightAscension - barnard.RightAscension) / Degree * 3600.0 * std::cos(barnard.Declination),
        -79.86, 0.01);
}

// A copy of the committed file with some bytes changed, or cut short.
fs::path DamagedCopy(const std::string& name, std::size_t offset, std::uint32_t word, std::size_t keep) {
    std::ifstream in(CommittedFile, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (offset + 4 <= bytes.size()) std::memcpy(bytes.data() + offset, &word, 4);
    bytes.resize(std::min(keep, bytes.size()));
    const fs::path path =
        fs::temp_directory_path() / ("kolvar-deep-" + std::to_string(::getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(DeepStarFile, MissingOrDamagedFilesAreRefusedWithOneLine) {
    constexpr std::size_t Whole = ~std::size_t{0};
    constexpr std::size_t Nowhere = ~std::size_t{0} - 8;
    const std::size_t zoneTable = 64 + 8 * 180;
    const struct {
        const char* name;
        std::size_t offset;
        std::uint32_t word;
        std::size_t keep;
        const char* says;
    } cases[] = {
        {"empty", Nowhere, 0, 0, "too short"},
        {"magic", 0, 0x12345678, Whole, "not a deep star file"},
        {"version", 8, 2, Whole, "unknown version"},
        {"cut", Nowhere, 0, 7000000, "sizes do not fit"},
        {"stars", 24, 603419, Whole, "sizes do not fit"},
        {"band", 64 + 8 * 3, 5, Whole, "band 3"},
        {"zone", zoneTable + 4 * 1000, 0xFFFFFF, Whole, "zone 1000"},
        {"zone-order", zoneTable + 4 * 1001, 0, Whole, "zone 1001"},
    };
    for (const auto& c : cases) {
        const fs::path path = DamagedCopy(c.name, c.offset, c.word, c.keep);
        const DeepStarFile file(path);
        EXPECT_FALSE(file.IsOpen()) << c.name;
        EXPECT_NE(file.Error().find(c.says), std::string::npos) << c.name << ": " << file.Error();
        EXPECT_EQ(file.Error().find('\n'), std::string::npos);
        EXPECT_TRUE(StarsOf(file, {0.0, 0.0, 4.0, 30.0f}).empty());
        fs::remove(path);
    }
    const DeepStarFile missing(fs::temp_directory_path() / "kolvar-no-such-deep-star-file");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_NE(missing.Error().find("No such file"), std::string::npos) << missing.Error();
}

TEST(NgcIcCatalogue, HoldsOpenNgcWithTheMessierObjects) {
    const auto objects = NgcIcCatalogue();
    EXPECT_EQ(objects.size(), 12874u);
    int messier = 0;
    for (const NgcIcRecord& r : objects) messier += r.Messier != 0;
    EXPECT_EQ(messier, 109);  // every Messier object but M102
    const auto find = [&](std::string_view designation) -> const NgcIcRecord* {
        for (const NgcIcRecord& r : objects)
            if (designation == r.Designation) return &r;
        return nullptr;
    };
    const NgcIcRecord* america = find("NGC 7000");
    ASSERT_NE(america, nullptr);
    EXPECT_NEAR(america->RightAscension / Degree, 314.82, 0.01);
    EXPECT_NEAR(america->Declination / Degree, 44.53, 0.01);
    EXPECT_EQ(america->Kind, static_cast<std::uint8_t>(NgcIcKind::Nebula));
    const NgcIcRecord* andromeda = find("NGC 224");
    ASSERT_NE(andromeda, nullptr);
    EXPECT_EQ(andromeda->Messier, 31);
    EXPECT_EQ(andromeda->PositionAngle, 35);
    EXPECT_NEAR(andromeda->MajorAxis, 177.8f, 0.1f);
    EXPECT_NEAR(NgcIcMagnitudeOr(*andromeda, 99.0f), 4.36f, 0.001f);
    EXPECT_EQ(objects.back().Messier, 45);  // the Messier objects without a designation come last
}

}  // namespace
}  // namespace kolvar
