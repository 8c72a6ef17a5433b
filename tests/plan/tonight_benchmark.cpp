// The observing list over every candidate (the planets, the named stars and
// the whole NGC/IC catalogue), with and without a local horizon.
#include <benchmark/benchmark.h>

#include "astro/time_scales.h"
#include "catalog/static_tables.h"
#include "plan/tonight_list.h"

namespace {

constexpr double Degree = 3.141592653589793 / 180.0;

void TonightList(benchmark::State& state) {
    kolvar::InitStaticTables();
    const auto& candidates = kolvar::TonightCandidates();
    const kolvar::GeodeticPlace site{19.04 * Degree, 47.5 * Degree, 0.0};
    const kolvar::Night night = kolvar::ComputeNight(
        site, static_cast<double>(kolvar::JulianDayFromCalendar(2026, 12, 9, 12, 0, 0, false, 1.0)));
    const kolvar::LocalHorizon skyline({{0, 2 * Degree},
                                        {90 * Degree, 8 * Degree},
                                        {180 * Degree, 30 * Degree},
                                        {270 * Degree, 12 * Degree}});
    const kolvar::TonightFilter filter;
    for (auto _ : state) {
        const auto list =
            kolvar::PlanTonight(night, site, filter, state.range(0) ? &skyline : nullptr, candidates);
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["objects"] = static_cast<double>(candidates.size());
}
BENCHMARK(TonightList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void TheNight(benchmark::State& state) {
    const kolvar::GeodeticPlace site{19.04 * Degree, 47.5 * Degree, 0.0};
    for (auto _ : state) benchmark::DoNotOptimize(kolvar::ComputeNight(site, 2461384.0).DarkHours);
}
BENCHMARK(TheNight)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
