// Timing of the zoomed close-up's deep layers at 1920 x 1080: the field query
// and the drawing of its stars and objects, wide across the Milky Way and
// narrow in Sagittarius, and the first one after start with the mapping of
// the deep star file.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "canvas/bitmap.h"
#include "catalog/static_tables.h"
#include "closeup/deep_layers.h"

namespace kolvar {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr int Width = 1920, Height = 1080;
const std::filesystem::path File = std::filesystem::path(KOLVAR_SOURCE_DIR) / "data" / "deep_stars.kds";

std::array<double, 3> Unit(double ra, double dec) {
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

DeepProjection LookAt(double ra, double dec, double fieldDegrees) {
    const std::array<double, 3> right = {std::sin(ra), -std::cos(ra), 0.0};
    const std::array<double, 3> down = {std::sin(dec) * std::cos(ra), std::sin(dec) * std::sin(ra),
                                        -std::cos(dec)};
    return MakeDeepProjection([](double a, double d) { return Unit(a, d); }, right, down, Unit(ra, dec),
                              Width, Height, 0.5 * Width / std::tan(0.5 * fieldDegrees * Degree));
}

// One zoomed close-up's deep layers: query, then draw.
void Draw(const DeepStarFile& file, Bitmap& bitmap, double ra, double dec, double field) {
    const DeepProjection p = LookAt(ra * Degree, dec * Degree, field);
    const double radius = std::atan(std::hypot(0.5 * Width, 0.5 * Height) / p.Scale);
    const DeepFieldContents contents =
        QueryDeepField(&file, {ra * Degree, dec * Degree, radius, FieldMagnitudeLimit(field), 26.0});
    Canvas canvas(bitmap);
    benchmark::DoNotOptimize(
        DrawDeepLayers(canvas, p, contents, Width, Height, DeepLayerStyle{FieldMagnitudeLimit(field), true}));
}

void Field(benchmark::State& state, double ra, double dec, double field) {
    InitStaticTables();
    const DeepStarFile file(File);
    Bitmap bitmap(Width, Height);
    for (auto _ : state) Draw(file, bitmap, ra, dec, field);
}
BENCHMARK_CAPTURE(Field, milky_way_30deg, 266.4, -29.0, 30.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Field, cygnus_30deg, 305.0, 40.0, 30.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Field, sagittarius_1deg, 271.0, -24.0, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Field, virgo_10deg, 187.0, 12.0, 10.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Field, pleiades_2deg, 56.75, 24.12, 2.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Field, quarter_degree, 83.8, -5.4, 0.25)->Unit(benchmark::kMillisecond);

// The first zoomed close-up: the file mapped and checked, then one drawing.
void FirstAfterStart(benchmark::State& state) {
    InitStaticTables();
    Bitmap bitmap(Width, Height);
    for (auto _ : state) {
        const DeepStarFile file(File);
        Draw(file, bitmap, 271.0, -24.0, 5.0);
    }
}
BENCHMARK(FirstAfterStart)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
