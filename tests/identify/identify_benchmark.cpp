// Timing of one click: the hit test over the whole table, one label pair at
// the usual character size, and a click at the largest character size, which
// shrinks by measuring alone. The first click at a size also loads its
// glyph advances, so the cold click runs first, once, in a fresh process
// whose faces are already open.

#include <benchmark/benchmark.h>

#include "identify/hit_test.h"
#include "identify/label_fit.h"
#include "identify_test_setup.h"

namespace kolvar {
namespace {

SkyObjectTable EveningObjects;

const ChartFrame& EveningFrame() {
    static ChartFrame frame;
    static const bool drawn = (testing::DrawEveningChart(800, 600, frame, EveningObjects), true);
    (void)drawn;
    return frame;
}

const LabelArea Client800x600{Rect{0, 0, 800, 600}, LabelMarginsOf(800, 600), std::nullopt};

SkyObjectEntry Alpheratz() { return testing::StarSelection(testing::StarIndexOfHr(15)); }

void ClickAtSize1000Cold(benchmark::State& state) {
    testing::InitialiseIdentifyTables();
    // The faces are opened by the first label of the run, not by this click.
    benchmark::DoNotOptimize(FitObjectLabels(Alpheratz(), 12, Client800x600).FontSize);
    for (auto _ : state) benchmark::DoNotOptimize(FitObjectLabels(Alpheratz(), 1000, Client800x600).FontSize);
}
BENCHMARK(ClickAtSize1000Cold)->Iterations(1)->Unit(benchmark::kMillisecond);

void HitTestWholeTable(benchmark::State& state) {
    const SkyProjection chart = SkyProjection::Stereographic(EveningFrame());
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NearestVisibleSlot(EveningObjects, chart, x, 300));
        x = (x + 37) % 800;
    }
}
BENCHMARK(HitTestWholeTable)->Unit(benchmark::kMicrosecond);

void LabelPairAtSize12(benchmark::State& state) {
    testing::InitialiseIdentifyTables();
    for (auto _ : state) benchmark::DoNotOptimize(FitObjectLabels(Alpheratz(), 12, Client800x600).FontSize);
}
BENCHMARK(LabelPairAtSize12)->Unit(benchmark::kMillisecond);

void ClickAtSize1000(benchmark::State& state) {
    testing::InitialiseIdentifyTables();
    for (auto _ : state) benchmark::DoNotOptimize(FitObjectLabels(Alpheratz(), 1000, Client800x600).FontSize);
}
BENCHMARK(ClickAtSize1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
