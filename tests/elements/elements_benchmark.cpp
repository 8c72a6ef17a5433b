// The speed targets of small bodies: the places of 10,000 minor planets for
// one instant, and the import of a 1,000,000-line MPCORB.DAT (read, merged
// into the kept set, written back as the kept set's text).
//
// KOLVAR_ASTEROIDS_FILE may name a real elements file (kstars-data's
// asteroids.dat); its bodies are taken in turn up to 10,000. Without it the
// sample extract's minor planets are spread over their orbits.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "appcore/file_writer.h"
#include "astro/small_body_place.h"
#include "elements/element_import.h"
#include "elements/kept_set_text.h"

namespace {

using namespace kolvar;

std::vector<SmallBody> TenThousandMinorPlanets() {
    const char* file = std::getenv("KOLVAR_ASTEROIDS_FILE");
    std::vector<SmallBody> source =
        ImportElementsFile(file != nullptr ? file : KOLVAR_ELEMENTS_DATA "/jpl_asteroids.json").Bodies;
    std::vector<SmallBody> bodies;
    for (std::size_t k = 0; bodies.size() < 10000 && !source.empty(); ++k) {
        SmallBody b = source[k % source.size()];
        if (file == nullptr) b.PerihelionTime -= static_cast<double>(k) * 17.3;  // another place on the orbit
        bodies.push_back(b);
    }
    return bodies;
}

void TenThousandPlaces(benchmark::State& state) {
    const std::vector<SmallBody> bodies = TenThousandMinorPlanets();
    double jd = 2459800.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SmallBodyPlaces(bodies, jd));
        jd += 0.1;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(bodies.size()));
}
BENCHMARK(TenThousandPlaces)->Unit(benchmark::kMillisecond);

// The MPC's five-character form of a minor planet number.
std::string PackedNumber(int n) {
    constexpr char Digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::string text(5, '0');
    if (n < 620000) {
        text[0] = Digits[n / 10000];
        for (int k = 4, rest = n % 10000; k >= 1; --k, rest /= 10)
            text[static_cast<std::size_t>(k)] = Digits[rest % 10];
        return text;
    }
    text[0] = '~';
    for (int k = 4, rest = n - 620000; k >= 1; --k, rest /= 62)
        text[static_cast<std::size_t>(k)] = Digits[rest % 62];
    return text;
}

// A million minor planet lines: the extract's five, with numbers counted up.
std::filesystem::path MillionLineFile() {
    const auto path = std::filesystem::temp_directory_path() / "kolvar-bench-MPCORB.DAT";
    std::ifstream sample(KOLVAR_ELEMENTS_DATA "/mpc_extract.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(sample, line);)
        if (line.size() > 160 && line.substr(0, 5).find_first_not_of("0123456789") == std::string::npos)
            lines.push_back(line);
    std::ofstream out(path);
    for (int k = 0; k < 1000000; ++k) {
        std::string line = lines[static_cast<std::size_t>(k) % lines.size()];
        line.replace(0, 5, PackedNumber(k + 1));
        out << line << '\n';
    }
    return path;
}

void ImportMillionLines(benchmark::State& state) {
    const auto path = MillionLineFile();
    const auto kept = std::filesystem::temp_directory_path() / "kolvar-bench-kept.tsv";
    for (auto _ : state) {
        const ImportResult r = ImportElementsFile(path.string());
        std::size_t replaced = 0;
        const std::vector<SmallBody> merged = MergeBodies({}, r.Bodies, replaced);
        if (WriteFile(kept.string(), KeptSetText(merged), BulkOutputPolicy))
            state.SkipWithError("not written");
        state.counters["bodies"] = static_cast<double>(merged.size());
    }
    std::filesystem::remove(path);
    std::filesystem::remove(kept);
}
BENCHMARK(ImportMillionLines)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
