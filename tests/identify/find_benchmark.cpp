// Timing of find: building the name index, searches for short and long
// prefixes, and the rising, culmination and setting of one object (a star,
// the Sun, the Moon, a planet) at the default place.

#include <benchmark/benchmark.h>

#include <string>

#include "catalog/static_tables.h"
#include "identify/name_index.h"
#include "sky/observer_state.h"
#include "sky/slot_position.h"

namespace kolvar {
namespace {

constexpr double Evening = 2460536.375;  // 13 August 2024, 21:00 UT

void BuildIndex(benchmark::State& state) {
    InitStaticTables();
    for (auto _ : state) benchmark::DoNotOptimize(NameIndex().NameCount());
}
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const std::string& text) {
    InitStaticTables();
    const NameIndex& index = ProgramNameIndex();
    for (auto _ : state) benchmark::DoNotOptimize(index.Find(text).size());
    state.counters["found"] = static_cast<double>(index.Find(text).size());
}
BENCHMARK_CAPTURE(Search, one_letter, std::string("a"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, one_digit, std::string("1"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, greek_letter, std::string("alfa"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, designation, std::string("ngc 22"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, whole_name, std::string("Fiastyúk"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, ngc_designation, std::string("NGC 7000"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, common_name, std::string("Lófej-köd"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, letters_off, std::string("Betelgöz"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, long_letters_off, std::string("Andromedagalaksis"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, nothing_close, std::string("Qwertzuiop"))->Unit(benchmark::kMicrosecond);

void RiseTransitSetOf(benchmark::State& state, int slot) {
    InitStaticTables();
    SlotPlacer placer(DefaultLongitude, DefaultLatitude);
    double start = Evening;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SlotRiseTransitSet(placer, slot, start).Transit);
        start += 0.37;  // a new instant each time
    }
}
BENCHMARK_CAPTURE(RiseTransitSetOf, vega, 1961)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RiseTransitSetOf, sun, static_cast<int>(SunSlot))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RiseTransitSetOf, moon, static_cast<int>(MoonSlot))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RiseTransitSetOf, jupiter, FirstPlanetSlot + 3)->Unit(benchmark::kMicrosecond);

// A placer of its own for every object, as one search of the window makes it.
void RiseTransitSetWithNewPlacer(benchmark::State& state) {
    InitStaticTables();
    for (auto _ : state) {
        SlotPlacer placer(DefaultLongitude, DefaultLatitude);
        benchmark::DoNotOptimize(SlotRiseTransitSet(placer, MoonSlot, Evening).Transit);
    }
}
BENCHMARK(RiseTransitSetWithNewPlacer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
