#include "catalog/constellation_figures.h"

#include <array>

#include "astro/angles.h"
#include "catalog/constellation_names.h"
#include "catalog/star_catalogue.h"

namespace kolvar {
namespace {

// A vertex as generated: constellation number, 1 where a new polyline
// starts, star index or -1, position in degrees as the source writes it.
struct VertexSourceRow {
    int Constellation;
    int StartsLine;
    int Star;
    double RaDegrees;
    double DecDegrees;
};

struct LabelSourceRow {
    int Constellation;
    int Rank;
    double RaDegrees;
    double DecDegrees;
};

constexpr VertexSourceRow VertexSource[] = {
#include "catalog/generated/constellation_lines.inc"
};
constexpr LabelSourceRow LabelSource[] = {
#include "catalog/generated/constellation_labels.inc"
};
static_assert(std::size(VertexSource) == FigureVertexCount);
static_assert(std::size(LabelSource) == ConstellationLabelCount);

constexpr float Radians(double degrees) { return static_cast<float>(degrees * (Pi / 180.0)); }

constexpr std::array<FigureVertex, FigureVertexCount> Vertices = [] {
    std::array<FigureVertex, FigureVertexCount> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const VertexSourceRow& row = VertexSource[i];
        if (row.Star < NoStar || row.Star >= StarCount) throw "star index out of range";
        v[i] = {static_cast<std::int16_t>(row.Star), Radians(row.RaDegrees), Radians(row.DecDegrees)};
    }
    return v;
}();

constexpr std::array<ConstellationLabelPoint, ConstellationLabelCount> Labels = [] {
    std::array<ConstellationLabelPoint, ConstellationLabelCount> l{};
    for (std::size_t i = 0; i < l.size(); ++i) {
        l[i] = {Radians(LabelSource[i].RaDegrees), Radians(LabelSource[i].DecDegrees)};
    }
    return l;
}();

// Polylines in table order; the rows of one constellation are consecutive.
constexpr std::array<FigurePolyline, FigurePolylineCount> Polylines = [] {
    std::array<FigurePolyline, FigurePolylineCount> p{};
    std::size_t line = 0, first = 0;
    for (std::size_t i = 1; i <= Vertices.size(); ++i) {
        if (i < Vertices.size() && VertexSource[i].StartsLine == 0) {
            if (VertexSource[i].Constellation != VertexSource[first].Constellation)
                throw "line in two figures";
            continue;
        }
        if (line == p.size()) throw "more polylines than FigurePolylineCount";
        p[line++] = FigurePolyline(Vertices.data() + first, i - first);
        first = i;
    }
    if (line != p.size()) throw "fewer polylines than FigurePolylineCount";
    return p;
}();

// Extends a constellation's span by the next table row; its rows must be consecutive.
template <typename T>
constexpr std::span<const T> Extended(std::span<const T> span, const T* row) {
    if (span.empty()) return std::span<const T>(row, 1);
    if (span.data() + span.size() != row) throw "the rows of one constellation are not consecutive";
    return std::span<const T>(span.data(), span.size() + 1);
}

constexpr std::array<ConstellationFigure, ConstellationNameCount> Figures = [] {
    std::array<ConstellationFigure, ConstellationNameCount> f{};
    std::size_t vertex = 0;
    for (std::size_t line = 0; line < Polylines.size(); ++line) {
        ConstellationFigure& figure = f[static_cast<std::size_t>(VertexSource[vertex].Constellation)];
        figure.Lines = Extended(figure.Lines, Polylines.data() + line);
        vertex += Polylines[line].size();
    }
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        ConstellationFigure& figure = f[static_cast<std::size_t>(LabelSource[i].Constellation)];
        figure.Labels = Extended(figure.Labels, Labels.data() + i);
        figure.Rank = LabelSource[i].Rank;
    }
    return f;
}();

const ConstellationFigure NoFigure{};

}  // namespace

const ConstellationFigure& ConstellationFigureOf(int constellation) {
    if (constellation < 1 || constellation >= ConstellationNameCount) return NoFigure;
    return Figures[static_cast<std::size_t>(constellation)];
}

}  // namespace kolvar
