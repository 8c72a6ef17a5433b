// Timing of the deep star file: opening (mapping and checking every zone
// offset) and the field queries of a zoomed close-up, wide and bright across
// the Milky Way and narrow and deep.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <numbers>

#include "catalog/deep_star_file.h"

namespace kolvar {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;
const std::filesystem::path File = std::filesystem::path(KOLVAR_SOURCE_DIR) / "data" / "deep_stars.kds";

void OpenFile(benchmark::State& state) {
    for (auto _ : state) {
        const DeepStarFile file(File);
        benchmark::DoNotOptimize(file.StarCount());
    }
}
BENCHMARK(OpenFile)->Unit(benchmark::kMicrosecond);

void Field(benchmark::State& state, double ra, double dec, double fieldDegrees, float limit) {
    const DeepStarFile file(File);
    // The circle around a 16:9 field of that width.
    const DeepStarField field{ra * Degree, dec * Degree, fieldDegrees * 0.57 * Degree, limit};
    std::size_t count = 0;
    for (auto _ : state) {
        count = 0;
        file.ForEachStar(field, [&](const DeepStar& s) {
            benchmark::DoNotOptimize(s.Magnitude);
            ++count;
        });
    }
    state.counters["stars"] = static_cast<double>(count);
}
BENCHMARK_CAPTURE(Field, milky_way_30deg_mag6_5, 266.4, -29.0, 30.0, 6.5f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Field, cygnus_30deg_mag6_5, 305.0, 40.0, 30.0, 6.5f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Field, sagittarius_1deg_mag10_5, 271.0, -24.0, 1.0, 10.5f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Field, pleiades_2deg_mag10_5, 56.75, 24.12, 2.0, 10.5f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Field, pole_5deg_mag9, 0.0, 89.0, 5.0, 9.0f)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
