#include <gtest/gtest.h>

#include <cmath>

#include "../chart/chart_test_setup.h"
#include "chart/milky_way_layer.h"
#include "chart/redraw.h"
#include "print/page_layout.h"
#include "print/print_milky_way.h"

namespace kolvar {
namespace {

// The paper's even-odd area and the screen's flood fill cover the same sky:
// with the band overhead (the nadir inside it too), low along the horizon,
// and from the south with the Coalsack and the Magellanic Clouds. Pixels
// with a marker on them are not compared; the outline and the lanes, two
// pixels wide, account for the rest.
TEST(PaperMilkyWay, CoversWhatTheScreenFills) {
    InitialiseChartTables();
    struct Case {
        double JulianDay, LatitudeDegrees;
        bool Inverted;
    };
    for (const Case& c : {Case{2461265.5, 47.589, true}, Case{2461140.375, 47.589, false},
                          Case{2461265.3333333, -33.0, true}}) {
        ObserverState observer = StartingObserverState();
        observer.JulianDay = c.JulianDay;
        observer.Latitude = c.LatitudeDegrees * 3.141592653589793 / 180;
        Bitmap chart;
        ChartFrame frame;
        SkyObjectTable objects;
        MoonPicture moon;
        const SkyScene scene = ComputeSkyScene(observer);
        frame = RedrawChart(scene, chart, 500, 500, moon);
        objects = scene.Objects;
        const MilkyWayArea area = MilkyWayAreaOf(frame, c.JulianDay);
        EXPECT_EQ(area.Inverted, c.Inverted) << c.JulianDay;
        int compared = 0, band = 0, agree = 0;
        for (int y = 0; y < 500; y += 3) {  // every ninth pixel is plenty, and quick under the sanitizers
            for (int x = 0; x < 500; x += 3) {
                if (std::hypot(x - frame.CentreX, y - frame.CentreY) > frame.ChartRadius - 3) continue;
                const Colour p = chart.Pixel(x, y);
                const bool screenBand = p == MilkyWayBandColour || p == MilkyWayOutlineColour;
                if (!screenBand && p != colours::Black) continue;
                ++compared;
                band += screenBand ? 1 : 0;
                agree += screenBand == InMilkyWayArea(area, {x + 0.5, y + 0.5}) ? 1 : 0;
            }
        }
        EXPECT_GT(band, compared / 20) << c.JulianDay;  // the band is in view
        EXPECT_GT(agree, compared * 97 / 100) << c.JulianDay << ": " << agree << " of " << compared;
    }
}

// On every sheet the horizon circle with its scale room stays on the paper
// and clear of the header and the key.
TEST(PageLayout, ChartHeaderAndKeyKeepApart) {
    for (const Paper paper : {Paper::A4, Paper::A3, Paper::Letter}) {
        for (const bool landscape : {false, true}) {
            const PageLayout l = LayOutPage(PageSizeOf(paper, landscape));
            EXPECT_EQ(l.Page.Width > l.Page.Height, landscape);
            EXPECT_EQ(l.Columns, landscape);
            const double room = l.Radius + 24 * l.Scale;
            const PageBox chart{l.CentreX - room, l.CentreY - room, 2 * room, 2 * room};
            EXPECT_GE(chart.X, 0);
            EXPECT_GE(chart.Y, 0);
            EXPECT_LE(chart.X + chart.Width, l.Page.Width);
            EXPECT_LE(chart.Y + chart.Height, l.Page.Height);
            for (const PageBox& b : {l.Header, l.Key}) {
                const bool apart = b.X + b.Width <= chart.X || chart.X + chart.Width <= b.X ||
                                   b.Y + b.Height <= chart.Y || chart.Y + chart.Height <= b.Y;
                EXPECT_TRUE(apart) << static_cast<int>(paper) << " " << landscape;
                EXPECT_LE(b.Y + b.Height, l.Page.Height);
            }
        }
    }
    // The sizes grow with the sheet.
    EXPECT_DOUBLE_EQ(LayOutPage(PageSizeOf(Paper::A4, false)).Scale, 1.0);
    EXPECT_GT(LayOutPage(PageSizeOf(Paper::A3, false)).Scale, 1.4);
}

}  // namespace
}  // namespace kolvar
