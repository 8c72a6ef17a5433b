#include "elements/kept_set_text.h"

#include <charconv>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "elements/number_fields.h"

namespace kolvar {

namespace {

constexpr std::size_t FieldCount = 12;
constexpr std::string_view HeaderLine =
    "kind\tdesignation\tname\tq\te\ti\tw\tnode\ttp\tepoch\tmagnitude\tslope";

void AppendNumber(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    out.append(text, error == std::errc() ? end : text);
}

// Tabs and line ends would break the line: they become spaces.
void AppendText(std::string& out, std::string_view text) {
    for (char c : text) out.push_back(c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

std::string BodyKey(const SmallBody& body) {
    return (body.Kind == SmallBodyKind::Comet ? "C " : "M ") + body.Designation;
}

std::string KeptSetText(std::span<const SmallBody> bodies) {
    std::string out;
    out.reserve(64 + bodies.size() * 200);
    out += KeptSetFirstLine;
    out += '\n';
    out += HeaderLine;
    out += '\n';
    for (const SmallBody& b : bodies) {
        out += b.Kind == SmallBodyKind::Comet ? 'C' : 'M';
        out += '\t';
        AppendText(out, b.Designation);
        out += '\t';
        AppendText(out, b.Name);
        for (double v : {b.PerihelionDistance, b.Eccentricity, b.InclinationDeg, b.PerihelionDeg, b.NodeDeg,
                         b.PerihelionTime, b.Epoch, b.Magnitude, b.Slope}) {
            out += '\t';
            AppendNumber(out, v);
        }
        out += '\n';
    }
    return out;
}

ImportResult ReadKeptSetText(std::string_view text) {
    ImportResult result;
    const auto problem = [&](std::uint64_t line, std::string reason) {
        ++result.ProblemCount;
        if (result.Problems.size() < MaxNamedProblems)
            result.Problems.push_back({line, 0, std::move(reason)});
    };
    std::uint64_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (number == 1) {
            if (line != KeptSetFirstLine) {
                problem(1, "not a kept set of small bodies (its first line is not '" +
                               std::string(KeptSetFirstLine) + "')");
                return result;
            }
            continue;
        }
        if (number == 2 && line == HeaderLine) continue;
        if (line.empty()) continue;
        const std::vector<std::string_view> f = SplitTabs(line);
        if (f.size() != FieldCount) {
            problem(number, std::to_string(f.size()) + " fields instead of " + std::to_string(FieldCount));
            continue;
        }
        SmallBody b;
        if (f[0] == "C")
            b.Kind = SmallBodyKind::Comet;
        else if (f[0] == "M")
            b.Kind = SmallBodyKind::MinorPlanet;
        else {
            problem(number, "unknown kind '" + std::string(f[0]) + "'");
            continue;
        }
        b.Designation = std::string(f[1]);
        b.Name = std::string(f[2]);
        double* targets[] = {
            &b.PerihelionDistance, &b.Eccentricity, &b.InclinationDeg, &b.PerihelionDeg, &b.NodeDeg,
            &b.PerihelionTime,     &b.Epoch,        &b.Magnitude,      &b.Slope};
        bool ok = true;
        for (std::size_t k = 0; k < 9 && ok; ++k) {
            if (k == 7 && f[3 + k] == "nan") {
                *targets[k] = std::nan("");
                continue;
            }
            const auto value = ParseNumberField(f[3 + k]);
            ok = value.has_value();
            if (ok) *targets[k] = *value;
        }
        if (!ok) {
            problem(number, "a value is not a number");
            continue;
        }
        if (const auto why = ElementsProblem(b)) {
            problem(number, std::string(*why));
            continue;
        }
        result.Bodies.push_back(std::move(b));
    }
    return result;
}

std::vector<SmallBody> MergeBodies(std::vector<SmallBody> bodies, std::span<const SmallBody> added,
                                   std::size_t& replaced) {
    replaced = 0;
    std::unordered_map<std::string, std::size_t> at;
    at.reserve(bodies.size() + added.size());
    for (std::size_t k = 0; k < bodies.size(); ++k) at[BodyKey(bodies[k])] = k;
    for (const SmallBody& b : added) {
        const auto [it, inserted] = at.try_emplace(BodyKey(b), bodies.size());
        if (inserted) {
            bodies.push_back(b);
        } else {
            ++replaced;
            bodies[it->second] = b;
        }
    }
    return bodies;
}

}  // namespace kolvar
