// The zoomed close-up's deep layers: the projection of J2000 directions, an
// outline at the object's true size that a click inside names, the bright
// catalogue's stars left to their own markers, labels and magnitude limits.
#include "closeup/deep_layers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "canvas/bitmap.h"
#include "catalog/star_catalogue.h"
#include "chart_test_setup.h"

namespace kolvar {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;

std::array<double, 3> Unit(double ra, double dec) {
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

// A view of J2000 directions themselves, north up and east to the left as
// the sky is seen, `fieldDegrees` across a width x height picture.
DeepProjection LookAt(double ra, double dec, double fieldDegrees, int width, int height) {
    const std::array<double, 3> axis = Unit(ra, dec);
    const std::array<double, 3> east = {-std::sin(ra), std::cos(ra), 0.0};
    const std::array<double, 3> north = {-std::sin(dec) * std::cos(ra), -std::sin(dec) * std::sin(ra),
                                         std::cos(dec)};
    const std::array<double, 3> right = {-east[0], -east[1], -east[2]};
    const std::array<double, 3> down = {-north[0], -north[1], -north[2]};
    return MakeDeepProjection([](double a, double d) { return Unit(a, d); }, right, down, axis, width, height,
                              0.5 * width / std::tan(0.5 * fieldDegrees * Degree));
}

const NgcIcRecord& Object(int index) { return NgcIcCatalogue()[static_cast<std::size_t>(index)]; }

int ObjectNamed(std::string_view designation) {
    for (std::size_t i = 0; i < NgcIcCatalogue().size(); ++i)
        if (designation == NgcIcCatalogue()[i].Designation) return static_cast<int>(i);
    return -1;
}

TEST(DeepLayers, ProjectsAndUnprojectsWithNorthUpAndEastLeft) {
    const DeepProjection p = LookAt(83.8 * Degree, -5.4 * Degree, 2.0, 1920, 1080);
    const auto centre = p.Project(83.8 * Degree, -5.4 * Degree);
    ASSERT_TRUE(centre);
    EXPECT_NEAR(centre->X, 960.0, 1e-3);
    EXPECT_NEAR(centre->Y, 540.0, 1e-3);
    const auto north = p.Project(83.8 * Degree, -4.9 * Degree);
    const auto east = p.Project(84.3 * Degree, -5.4 * Degree);
    EXPECT_LT(north->Y, 540.0f);
    EXPECT_LT(east->X, 960.0f);
    EXPECT_NEAR(540.0 - north->Y, p.Scale * std::tan(0.5 * Degree), 0.01);
    const auto back = p.Unproject(east->X, east->Y);
    EXPECT_NEAR(back[0] / Degree, 84.3, 1e-6);
    EXPECT_NEAR(back[1] / Degree, -5.4, 1e-6);
    EXPECT_FALSE(p.Project((83.8 + 180.0) * Degree, 5.4 * Degree));  // behind the viewer
}

TEST(DeepLayers, OutlinesAtTrueSizeNameWhatIsClickedInside) {
    InitialiseChartTables();
    const int andromeda = ObjectNamed("NGC 224"), m32 = ObjectNamed("NGC 221");
    ASSERT_GE(andromeda, 0);
    ASSERT_GE(m32, 0);
    const NgcIcRecord& a = Object(andromeda);
    const DeepProjection p = LookAt(a.RightAscension, a.Declination, 5.0, 1920, 1080);
    DeepFieldRequest request{a.RightAscension, a.Declination, 3.0 * Degree, 10.5f, 0.0};
    const DeepFieldContents field = QueryDeepField(nullptr, request);
    Bitmap bitmap(1920, 1080);
    Canvas canvas(bitmap);
    const std::vector<DrawnDeepObject> drawn = DrawDeepLayers(canvas, p, field, 1920, 1080, {});
    const auto outline =
        std::find_if(drawn.begin(), drawn.end(), [&](const auto& d) { return d.Object == andromeda; });
    ASSERT_NE(outline, drawn.end());
    ASSERT_FALSE(outline->Outline.empty());
    double longest = 0.0;
    for (const ChartPoint& q : outline->Outline)
        longest = std::max(longest,
                           static_cast<double>(std::hypot(q.X - outline->Centre.X, q.Y - outline->Centre.Y)));
    EXPECT_NEAR(2.0 * longest, p.Scale * 2.0 * std::tan(0.5 * a.MajorAxis / 60.0 * Degree), 2.0);
    // The major axis at 35 degrees from north through east: up and to the left.
    const auto tip = std::max_element(outline->Outline.begin(), outline->Outline.end(),
                                      [](const ChartPoint& l, const ChartPoint& r) { return l.Y < r.Y; });
    EXPECT_GT(tip->X, outline->Centre.X);  // the lower tip lies west, to the right
    EXPECT_EQ(DeepObjectAt(drawn, outline->Centre.X, outline->Centre.Y, 5.0), andromeda);
    const auto companion = p.Project(Object(m32).RightAscension, Object(m32).Declination);
    EXPECT_EQ(DeepObjectAt(drawn, companion->X, companion->Y, 5.0), m32);  // the smaller outline
    EXPECT_EQ(DeepObjectAt(drawn, 5.0, 5.0, 5.0), -1);
}

TEST(DeepLayers, BrightCatalogueStarsKeepTheirOwnMarkers) {
    InitialiseChartTables();
    const StarRecord& known = StarCatalogue[100];
    const DeepProjection p = LookAt(known.RightAscension, known.Declination, 2.0, 400, 300);
    DeepFieldContents field;
    DeepStar twin;  // the same star in the deep file
    twin.RightAscension = known.RightAscension;
    twin.Declination = known.Declination;
    twin.Magnitude = 4.0f;
    DeepStar faint = twin;
    faint.Declination += 0.2 * Degree;
    faint.Magnitude = 9.0f;
    field.Stars = {twin, faint};
    Bitmap bitmap(400, 300);
    Canvas canvas(bitmap);
    DrawDeepLayers(canvas, p, field, 400, 300, {});
    const auto at = [&](const DeepStar& s) {
        const auto q = p.Project(s.RightAscension, s.Declination);
        return canvas.Pixel(static_cast<int>(std::lround(q->X)), static_cast<int>(std::lround(q->Y)));
    };
    EXPECT_EQ(at(twin), Colour{});
    EXPECT_NE(at(faint), Colour{});
    EXPECT_EQ(DeepStarAt(p, field, 200.0, 150.0 - p.Scale * std::tan(0.2 * Degree), 3.0), 1);
}

TEST(DeepLayers, LabelsAndLimits) {
    EXPECT_EQ(DeepObjectLabel(ObjectNamed("NGC 1976")).rfind("M42 NGC 1976 ", 0), 0u);
    EXPECT_EQ(DeepObjectLabel(ObjectNamed("NGC 7000")),
              "NGC 7000 \xC9szak-Amerika k\xF6"
              "d");
    DeepStar s;
    s.Hip = 27989;
    s.Magnitude = 0.45f;
    EXPECT_EQ(DeepStarLabel(s), "HIP 27989 0.45m");
    s.Hip = 0;
    s.RightAscension = (5.0 + 55.0 / 60 + 10.3 / 3600) * 15.0 * Degree;
    s.Declination = (7.0 + 24.0 / 60 + 25.0 / 3600) * Degree;
    s.Magnitude = 9.85f;
    EXPECT_EQ(DeepStarLabel(s),
              "05h55m10.3s +07\xB0"
              "24'25\" 9.85m");
    EXPECT_FLOAT_EQ(FieldMagnitudeLimit(30.0), 6.5f);
    EXPECT_FLOAT_EQ(FieldMagnitudeLimit(90.0), 6.5f);
    EXPECT_FLOAT_EQ(FieldMagnitudeLimit(2.0), 10.5f);
    EXPECT_FLOAT_EQ(FieldMagnitudeLimit(0.25), 10.5f);
    EXPECT_GT(FieldMagnitudeLimit(5.0), FieldMagnitudeLimit(10.0));
}

}  // namespace
}  // namespace kolvar
