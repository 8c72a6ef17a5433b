// The grids and lines: the ecliptic across the sky runs on the chart's own
// ecliptic circle, the equator meets the horizon in the east and west, the
// hour lines meet at the pole, and the rim labels stay inside the picture.

#include "chart/sky_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "chart/background_layers.h"
#include "chart/chart_context.h"
#include "chart_test_setup.h"

namespace kolvar {
namespace {

TEST(SkyLines, GreatCirclesLieWhereTheChartPutsThem) {
    InitialiseChartTables();
    const struct {
        double LatitudeDegrees, JulianDay;
    } cases[] = {{46.25, 2461384.3333}, {-33.9, 2451545.0}, {69.6, 2460536.375}, {5.0, 2086302.5}};
    for (const auto& c : cases) {
        ObserverState observer;
        observer.Latitude = c.LatitudeDegrees * RadiansPerDegree;
        observer.JulianDay = c.JulianDay;
        const ChartFrame frame = ComputeChartFrame(1000, 800, observer);
        const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(observer));
        const ChartContext ctx(frame, *scene);
        const auto circle = EclipticCircle(ctx);
        ASSERT_TRUE(circle.has_value());
        int above = 0;
        const auto ecliptic = SkyLinesOf(SkyLineKind::Ecliptic, frame, c.JulianDay);
        for (const HorizontalPosition& h : ecliptic[0].Points) {
            if (h.Altitude < 0.0) continue;
            ++above;
            const ChartPoint p = ProjectToChart(frame, h.Azimuth, h.Altitude);
            EXPECT_NEAR(std::hypot(p.X - circle->CentreX, p.Y - circle->CentreY), circle->Radius, 0.5)
                << c.LatitudeDegrees;
        }
        EXPECT_GT(above, 100) << c.LatitudeDegrees;
        // Where the equator crosses the horizon it stands due east or west.
        const auto equator = SkyLinesOf(SkyLineKind::Equator, frame, c.JulianDay)[0].Points;
        for (std::size_t i = 1; i < equator.size(); ++i) {
            if ((equator[i - 1].Altitude >= 0.0) == (equator[i].Altitude >= 0.0)) continue;
            EXPECT_NEAR(std::abs(std::sin(equator[i].Azimuth)), 1.0, 0.01) << c.LatitudeDegrees;
        }
        // Every hour line ends at 80 degrees of declination, 10 degrees from
        // the pole, which stands at the latitude's altitude.
        const auto grid = SkyLinesOf(SkyLineKind::EquatorialGrid, frame, c.JulianDay);
        ASSERT_EQ(grid.size(), 24u + 17u);
        EXPECT_EQ(grid[3].Label, "3h");
        EXPECT_EQ(grid[24 + 11].Label, "+30\xB0");
        for (int hour = 0; hour < 24; ++hour) {
            const HorizontalPosition end = grid[static_cast<std::size_t>(hour)].Points.back();
            const auto v = HorizontalVector(end.Azimuth, end.Altitude);
            const double towardPole = v[0] * std::cos(observer.Latitude) + v[2] * std::sin(observer.Latitude);
            EXPECT_NEAR(towardPole, std::cos(10 * RadiansPerDegree), 1e-3) << hour;
        }
    }
}

TEST(SkyLines, RimLabelsStayInsideTheRim) {
    ObserverState observer;
    const ChartFrame frame = ComputeChartFrame(640, 480, observer);
    const SkyProjection chart = SkyProjection::Stereographic(frame);
    const SkyProjection closeUp = SkyProjection::Gnomonic(CloseUpFrame{}, 300, 200);
    for (int degrees = 0; degrees < 360; degrees += 7) {
        const double a = degrees * RadiansPerDegree;
        const ChartPoint rim{static_cast<float>(frame.CentreX + frame.ChartRadius * std::cos(a)),
                             static_cast<float>(frame.CentreY + frame.ChartRadius * std::sin(a))};
        for (const auto& [w, h] : {std::pair{12, 9}, std::pair{30, 11}}) {
            const ChartPoint c = RimLabelCorner(chart, rim, w, h);
            const double px = c.X, py = c.Y;
            for (const auto& [dx, dy] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}})
                EXPECT_LT(std::hypot(px + dx - frame.CentreX, py + dy - frame.CentreY),
                          frame.ChartRadius - 1.0)
                    << degrees;
            const ChartPoint edge{static_cast<float>(150 + 160 * std::cos(a)),
                                  static_cast<float>(100 + 110 * std::sin(a))};
            const ChartPoint q = RimLabelCorner(closeUp, edge, w, h);
            const double qx = q.X, qy = q.Y;
            EXPECT_TRUE(qx >= 0 && qy >= 0 && qx + w <= 300 && qy + h <= 200) << degrees;
        }
    }
}

}  // namespace
}  // namespace kolvar
