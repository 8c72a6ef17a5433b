// Timing of the chart: the astronomy and placement of every object, and the
// full redraw, at a large window size.

#include <benchmark/benchmark.h>

#include "astro/time_scales.h"
#include "chart/draw_sky.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"

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
    SkyObjectTable objects;
    for (auto _ : state) {
        observer.SiderealAngle = GreenwichSiderealAngle(observer.JulianDay);
        const ChartFrame frame = ComputeChartFrame(1920, 1080, observer);
        benchmark::DoNotOptimize(PlaceSkyObjects(ChartContext{frame, observer.JulianDay, objects}));
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
        RedrawChart(observer, chart, width, height, frame, objects, moon);
        benchmark::DoNotOptimize(chart.Data());
    }
}
BENCHMARK(FullRedraw)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
