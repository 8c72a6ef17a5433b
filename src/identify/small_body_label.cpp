#include "identify/small_body_label.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "identify/label_font_size.h"
#include "identify/search_key.h"
#include "texts/small_body_texts.h"

namespace kolvar {

SmallBodyHit SmallBodyAt(const ViewOptions& view, const ChartFrame& frame, const SkyProjection& projection,
                         double julianDay, int x, int y, ChartPoint nearestObject) {
    SmallBodyHit hit;
    if (!view.ShowsSmallBodies()) return hit;
    const std::vector<PlacedSmallBody> placed =
        PlaceSmallBodies(frame, julianDay, *view.Bodies, view.SmallBodyMagnitude);
    const double dx = static_cast<double>(nearestObject.X) - x, dy = static_cast<double>(nearestObject.Y) - y;
    const double objectDistance = std::sqrt(dx * dx + dy * dy);
    const PlacedSmallBody* nearest =
        NearestSmallBody(placed, projection, x, y, std::min(SmallBodyPickRadius, objectDistance));
    if (nearest == nullptr) return hit;
    hit.Placed = *nearest;
    hit.Body = &(*view.Bodies)[nearest->Body];
    return hit;
}

std::vector<std::size_t> SmallBodiesNamed(std::span<const SmallBody> bodies, std::string_view utf8) {
    std::vector<std::size_t> exact, prefix;
    const std::string key = SearchKeyOfUtf8(utf8);
    if (key.empty()) return exact;
    for (std::size_t k = 0; k < bodies.size(); ++k) {
        const SmallBody& b = bodies[k];
        bool whole = false, begins = false;
        for (const std::string& name : {b.Designation, b.Name, DisplayName(b)}) {
            if (name.empty()) continue;
            const std::string own = SearchKeyOfUtf8(name);
            whole = whole || own == key;
            begins = begins || own.starts_with(key);
        }
        if (whole)
            exact.push_back(k);
        else if (begins)
            prefix.push_back(k);
    }
    exact.insert(exact.end(), prefix.begin(), prefix.end());
    return exact;
}

LabelRows SmallBodyLabelRows(const SmallBody& body, const SmallBodyPlace& place, int size) {
    const auto facts =
        SmallBodyFacts(body, place.Magnitude, place.SunDistance, place.EarthDistance, place.EpochAgeDays);
    const Colour colour = body.Kind == SmallBodyKind::Comet ? CometColour : MinorPlanetColour;
    // Rows 0 and 2 begin the first two lines, row 4 is the third: name;
    // kind and magnitude; the distances.
    LabelRows rows;
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = LabelRow{"", "Arial", size, colour};
    rows[0].Text = facts[0];
    rows[2].Text = facts[1] + ", " + facts[2];
    rows[4].Text = facts[3] + ", " + facts[4];
    rows[0].Size = size + 1;
    return rows;
}

ObjectLabels FitSmallBodyLabels(const SmallBody& body, const SmallBodyPlace& place, int characterSize,
                                const LabelArea& area) {
    ObjectLabels labels;
    int size = ClampLabelFontSize(characterSize);
    Bitmap scratch;
    Canvas measure(scratch);
    const long long height = static_cast<long long>(area.Client.Bottom) - area.Client.Top;
    const long long width = static_cast<long long>(area.Client.Right) - area.Client.Left;
    while (size > SmallestFittingFontSize) {
        measure.SetFontSize(size);
        const LabelLayout layout = LayOutLabel(measure, SmallBodyLabelRows(body, place, size), area.Margins);
        if (layout.Height <= height && layout.Width + 2LL * area.Margins.X <= width) break;
        --size;
    }
    labels.FontSize = size;
    labels.Rows = SmallBodyLabelRows(body, place, size);
    Canvas left(labels.Left);
    left.SetFontSize(size);
    const LabelLayout layout = LayOutLabel(left, labels.Rows, area.Margins);
    labels.Left.Resize(layout.Width, layout.Height);
    left.ResetClipRect();
    left.SetBrushColour(colours::Navy);
    left.FillRect({0, 0, layout.Width, layout.Height});
    for (std::size_t i = 0; i < labels.Rows.size(); ++i)
        DrawStyledText(left, layout.X[i], layout.Y[i], labels.Rows[i]);
    labels.Right.Resize(2 * area.Margins.X, 2 * area.Margins.Y);
    Canvas right(labels.Right);
    right.SetBrushColour(colours::Navy);
    right.FillRect({0, 0, labels.Right.Width(), labels.Right.Height()});
    labels.LeftX = area.Client.Left;
    labels.LeftY = area.Client.Top;
    labels.RightX = area.Client.Right - labels.Right.Width();
    labels.RightY = area.Client.Top;
    return labels;
}

}  // namespace kolvar
