// Where the chart's words go: no two overlap, none crosses the horizon line,
// and close planets keep both their labels (Saturn and Neptune a third of a
// degree apart on 9 December 2026); label sizes follow the character size and
// keep their own sizes at the default.

#include <gtest/gtest.h>

#include <memory>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "chart/chart_context.h"
#include "chart/draw_sky.h"
#include "chart/sky_labels.h"
#include "chart_test_setup.h"

namespace kolvar {
namespace {

TEST(SkyLabelPlaces, NoOverlapNothingOutsideTheHorizonAndBothPlanets) {
    InitialiseChartTables();
    ObserverState observer;
    observer.Latitude = 46.25 * RadiansPerDegree;
    observer.Longitude = 20.15 * RadiansPerDegree;
    observer.JulianDay = 2461384.3333;  // 2026-12-09 20:00 UT
    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(observer));
    const SkyObjectTable* objects = &scene->Objects;
    const MeasureLabelText measure = [](std::string_view, int size, std::string_view text) {
        return LabelTextSize{static_cast<int>(text.size()) * size * 2 / 3, size + 4};
    };
    for (const int size : {640, 1280}) {
        const ChartFrame frame = ComputeChartFrame(size, size * 3 / 4, observer);
        const ChartContext ctx(frame, *scene);
        SkyLabelChoice choice;
        choice.Objects = choice.Names = choice.RunicNames = true;
        choice.Magnitude = 4;
        const std::vector<SkyLabel> labels =
            PlaceSkyLabels(*objects, ctx.Projection, frame, observer.JulianDay, choice, measure);
        ASSERT_GT(labels.size(), 20u);
        bool saturn = false, neptune = false;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const SkyLabel& a = labels[i];
            saturn |= a.Slot == FirstPlanetSlot + 4;
            neptune |= a.Slot == FirstPlanetSlot + 6;
            for (const auto& [x, y] : {std::pair{a.X, a.Y},
                                       {a.X + a.Width, a.Y},
                                       {a.X, a.Y + a.Height},
                                       {a.X + a.Width, a.Y + a.Height}})
                EXPECT_LT(std::hypot(x - frame.CentreX, y - frame.CentreY), frame.ChartRadius) << a.Text;
            for (std::size_t j = 0; j < i; ++j) {
                const SkyLabel& b = labels[j];
                EXPECT_FALSE(a.X < b.X + b.Width && b.X < a.X + a.Width && a.Y < b.Y + b.Height &&
                             b.Y < a.Y + a.Height)
                    << a.Text << " over " << b.Text;
            }
        }
        EXPECT_TRUE(saturn && neptune) << size;
    }
    EXPECT_EQ(ScaledLabelSize(8, 12), 8);
    EXPECT_EQ(ScaledLabelSize(9, 0), 9);
    EXPECT_GT(ScaledLabelSize(8, 43), ScaledLabelSize(8, 16));
    EXPECT_EQ(ScaledLabelSize(8, 1000), 24);
    EXPECT_EQ(ScaledLabelSize(8, 1), 6);
}

}  // namespace
}  // namespace kolvar
