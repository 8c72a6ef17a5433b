#include "cli/horizon_option.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace kolvar::cli {

namespace {

constexpr std::size_t MaxHorizonBytes = 4u << 20;

}  // namespace

std::optional<HorizonFile> HorizonFromOptions(const ParsedOptions& options) {
    const auto path = options.Value(HorizonOption.Name);
    if (!path) return std::nullopt;
    const std::string name = QuoteForMessage(*path);
    std::ifstream in{std::string(*path), std::ios::binary};
    if (!in) throw UsageError("--horizon: cannot read " + name + ": " + std::strerror(errno));
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxHorizonBytes)
            throw UsageError("--horizon: " + name + " is too large for a horizon file");
    }
    if (in.bad()) throw UsageError("--horizon: cannot read " + name);
    HorizonReading reading = ReadLocalHorizon(text);
    if (!reading.Horizon) {
        std::string why = reading.Refusal;
        if (!reading.Problems.empty()) {
            const HorizonProblem& p = reading.Problems.front();
            why += " (line " + std::to_string(p.Line) + ": " + QuoteForMessage(p.Text) + ": " + p.Why + ")";
        }
        throw UsageError("--horizon: " + name + " refused: " + why);
    }
    HorizonFile file;
    file.Horizon = std::make_shared<const LocalHorizon>(std::move(*reading.Horizon));
    for (const HorizonProblem& p : reading.Problems)
        file.Warnings.push_back(name + " line " + std::to_string(p.Line) + ": " + QuoteForMessage(p.Text) +
                                ": " + p.Why);
    return file;
}

void ApplyHorizonOption(const ParsedOptions& options, ViewOptions& view, std::vector<std::string>& warnings) {
    std::optional<HorizonFile> file = HorizonFromOptions(options);
    if (!file) return;
    view.Skyline = [horizon = file->Horizon](double azimuth) { return horizon->AltitudeAt(azimuth); };
    warnings.insert(warnings.end(), file->Warnings.begin(), file->Warnings.end());
}

void PrintWarnings(std::string_view command, const std::vector<std::string>& warnings) {
    for (const std::string& w : warnings)
        std::fprintf(stderr, "%s %.*s: %s\n", ProgramName.data(), static_cast<int>(command.size()),
                     command.data(), w.c_str());
}

}  // namespace kolvar::cli
