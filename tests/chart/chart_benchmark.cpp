// Timing of the chart: the astronomy and placement of every object, and the
// full redraw, at a large window size.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "astro/time_scales.h"
#include "chart/draw_sky.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"
#include "elements/element_import.h"

namespace kolvar {
namespace {

ObserverState BenchObserver() {
    ObserverState s;
    s.Latitude = DefaultLatitude;
    s.Longitude = DefaultLongitude;
    s.JulianDay = 2460536.375;  // a summer night with the band high
    return s;
}

void PlaceEveryObject(benchmark::State& state) {
    InitialiseChartTables();
    ObserverState observer = BenchObserver();
    const auto scene = std::make_unique<SkyScene>();
    for (auto _ : state) {
        *scene = ComputeSkyScene(observer);
        benchmark::DoNotOptimize(scene->MoonPhase);
    }
}
BENCHMARK(PlaceEveryObject)->Unit(benchmark::kMillisecond);

void FullRedraw(benchmark::State& state) {
    InitialiseChartTables();
    ObserverState observer = BenchObserver();
    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    for (auto _ : state) {
        const SkyScene scene = ComputeSkyScene(observer);
        frame = RedrawChart(scene, chart, width, height, moon);
        objects = scene.Objects;
        benchmark::DoNotOptimize(chart.Data());
    }
}
BENCHMARK(FullRedraw)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

// The redraw with comets and minor planets on (KOLVAR_ASTEROIDS_FILE names
// an elements file, kstars-data's asteroids.dat; its first N bodies, about
// two fifths of them above the horizon): range(0) bodies, range(1) 1 when
// the instant moves on every redraw (the animation), 0 when it stays (a
// resize, a switch; the places are kept).
void RedrawWithSmallBodies(benchmark::State& state) {
    InitialiseChartTables();
    const char* file = std::getenv("KOLVAR_ASTEROIDS_FILE");
    if (file == nullptr) {
        state.SkipWithError("KOLVAR_ASTEROIDS_FILE is not set");
        return;
    }
    std::vector<SmallBody> bodies = ImportElementsFile(file).Bodies;
    bodies.resize(std::min(bodies.size(), static_cast<std::size_t>(state.range(0))));
    ObserverState observer = BenchObserver();
    observer.JulianDay = 2459854.33;  // the file's epoch, 2022
    ViewOptions view;
    view.SmallBodies = true;
    view.SmallBodyMagnitude = 40.0;
    view.Bodies = std::make_shared<const std::vector<SmallBody>>(std::move(bodies));
    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    for (auto _ : state) {
        if (state.range(1) != 0) observer.JulianDay += 1.0 / 1440.0;
        const SkyScene scene = ComputeSkyScene(observer);
        frame = RedrawChart(scene, chart, 1280, 900, moon, view);
        objects = scene.Objects;
        benchmark::DoNotOptimize(chart.Data());
    }
}
BENCHMARK(RedrawWithSmallBodies)
    ->Args({0, 0})
    ->Args({2450, 0})
    ->Args({2450, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
