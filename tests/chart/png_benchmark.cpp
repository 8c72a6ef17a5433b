// Encoding real charts as PNG with a few zlib levels, strategies and row
// filters: time per image and file size ("bytes"). The first line is the
// encoder's default. Run: build/tests/chart/kolvar_png_benchmark
#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <vector>

#include "canvas/png_writer.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"

namespace kolvar {
namespace {

constexpr double Deg = 3.141592653589793 / 180;

// A summer night with the band overhead, a day with the Sun up, a southern sky.
Bitmap Chart(int which) {
    InitialiseChartTables();
    ObserverState observer;
    const double days[] = {2460536.375, 2460536.9, 2460300.1};
    const double latitudes[] = {47.589, 47.589, -33.87};
    const double longitudes[] = {19.064, 19.064, 151.21};
    observer.JulianDay = days[which];
    observer.Latitude = latitudes[which] * Deg;
    observer.Longitude = longitudes[which] * Deg;
    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    const SkyScene scene = ComputeSkyScene(observer);
    frame = RedrawChart(scene, chart, 1024, 768, moon);
    objects = scene.Objects;
    LayMoonPicture(chart, moon);
    return chart;
}

void Encode(benchmark::State& state) {
    const Bitmap chart = Chart(static_cast<int>(state.range(3)));
    const PngOptions options{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                             static_cast<int>(state.range(2))};
    std::vector<unsigned char> png;
    std::string error;
    for (auto _ : state) {
        if (!EncodePng(chart, png, error, options)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["bytes"] = static_cast<double>(png.size());
}

void Options(benchmark::internal::Benchmark* b) {
    b->ArgNames({"level", "strategy", "filters", "chart"});
    const PngOptions chosen;
    const std::vector<std::vector<long>> choices = {
        {chosen.Level, chosen.Strategy, chosen.Filters},
        {6, Z_FILTERED, PNG_ALL_FILTERS},  // libpng's own defaults
        {6, Z_DEFAULT_STRATEGY, PNG_FILTER_NONE},
        {1, Z_DEFAULT_STRATEGY, PNG_FILTER_NONE},
        {3, Z_DEFAULT_STRATEGY, PNG_FILTER_NONE},
        {2, Z_DEFAULT_STRATEGY, PNG_FILTER_UP},
        {2, Z_DEFAULT_STRATEGY, PNG_FILTER_SUB},
        {1, Z_RLE, PNG_FILTER_UP},
        {1, Z_DEFAULT_STRATEGY, PNG_ALL_FILTERS},
    };
    for (long chart = 0; chart < 3; ++chart)
        for (const auto& c : choices) b->Args({c[0], c[1], c[2], chart});
}
BENCHMARK(Encode)->Apply(Options)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
