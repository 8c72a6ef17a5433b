#include "catalog/milky_way.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/angles.h"

namespace kolvar {
namespace {

struct Point2 {
    double X;
    double Y;
};

// J2000 equatorial to galactic longitude and latitude, radians.
Point2 Galactic(double ra, double dec) {
    const double raPole = 192.85948 * Pi / 180, decPole = 27.12825 * Pi / 180;
    const double lNcp = 122.93192 * Pi / 180;
    const double b = std::asin(std::sin(dec) * std::sin(decPole) +
                               std::cos(dec) * std::cos(decPole) * std::cos(ra - raPole));
    const double y = std::cos(dec) * std::sin(ra - raPole);
    const double x =
        std::sin(dec) * std::cos(decPole) - std::cos(dec) * std::sin(decPole) * std::cos(ra - raPole);
    double l = std::fmod(lNcp - std::atan2(y, x), TwoPi);
    if (l < 0) l += TwoPi;
    return {l, b};
}

double WrapPiLocal(double a) {
    while (a > Pi) a -= TwoPi;
    while (a < -Pi) a += TwoPi;
    return a;
}

struct Shape {
    char Code;
    std::vector<Point2> Points;  // (ra, dec)
};

std::vector<Shape> Shapes() {
    std::vector<Shape> shapes;
    for (const MilkyWayPoint& p : MilkyWayOutline) {
        if (shapes.empty() || shapes.back().Code != p.Shape)
            shapes.push_back({static_cast<char>(p.Shape), {}});
        shapes.back().Points.push_back({p.RightAscension, p.Declination});
    }
    return shapes;
}

// Total turn in galactic longitude along a closed ring, in turns.
double LongitudeTurns(const std::vector<Point2>& ring) {
    double total = 0;
    for (std::size_t i = 1; i < ring.size(); ++i) {
        total += WrapPiLocal(Galactic(ring[i].X, ring[i].Y).X - Galactic(ring[i - 1].X, ring[i - 1].Y).X);
    }
    return total / TwoPi;
}

// Shoelace area in a plot with right ascension increasing to the left and
// declination up (the sky as seen from the Earth): positive counter-clockwise.
double SkySignedArea(const std::vector<Point2>& ring) {
    const double ra0 = ring[0].X, dec0 = ring[0].Y;
    double area = 0;
    for (std::size_t i = 1; i < ring.size(); ++i) {
        const double x1 = -WrapPiLocal(ring[i - 1].X - ra0) * std::cos(dec0), y1 = ring[i - 1].Y;
        const double x2 = -WrapPiLocal(ring[i].X - ra0) * std::cos(dec0), y2 = ring[i].Y;
        area += x1 * y2 - x2 * y1;
    }
    return area / 2;
}

// Number of edges of a ring (in galactic coordinates) above (l, b) on the meridian of l.
int CrossingsAbove(const std::vector<Point2>& ring, Point2 lb) {
    int count = 0;
    for (std::size_t i = 1; i < ring.size(); ++i) {
        const Point2 a = Galactic(ring[i - 1].X, ring[i - 1].Y);
        const Point2 b = Galactic(ring[i].X, ring[i].Y);
        const double dl = WrapPiLocal(b.X - a.X);
        for (const double shift : {-TwoPi, 0.0, TwoPi}) {
            const double lo = a.X + shift, hi = lo + dl;
            if ((lo <= lb.X && lb.X < hi) || (hi <= lb.X && lb.X < lo)) {
                if (a.Y + (b.Y - a.Y) * (lb.X - lo) / dl > lb.Y) ++count;
            }
        }
    }
    return count;
}

bool InsideRing(const std::vector<Point2>& ring, Point2 raDec) {
    return CrossingsAbove(ring, Galactic(raDec.X, raDec.Y)) % 2 == 1;
}

class MilkyWayTest : public ::testing::Test {
protected:
};

TEST_F(MilkyWayTest, ShapesInOrderWithTheirCounts) {
    const std::vector<Shape> shapes = Shapes();
    ASSERT_EQ(shapes.size(), 5u);
    const std::string codes = "ABCDE";
    const std::size_t counts[] = {1485, 2921, 57, 79, 49};
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        EXPECT_EQ(shapes[i].Code, codes[i]);
        EXPECT_EQ(shapes[i].Points.size(), counts[i]) << codes[i];
        // Closed: the last point repeats the first exactly.
        EXPECT_EQ(shapes[i].Points.front().X, shapes[i].Points.back().X) << codes[i];
        EXPECT_EQ(shapes[i].Points.front().Y, shapes[i].Points.back().Y) << codes[i];
    }
}

TEST_F(MilkyWayTest, OutlineStartsOnTheSouthEdgeInCoronaAustralis) {
    const double ra = static_cast<double>(HmsToRadians(19, 6, 44.9f));
    const double dec = static_cast<double>(DmsToRadians('-', 36, 17, 48.9f));
    const double c = std::sin(dec) * std::sin(MilkyWayOutline[0].Declination) +
                     std::cos(dec) * std::cos(MilkyWayOutline[0].Declination) *
                         std::cos(ra - MilkyWayOutline[0].RightAscension);
    EXPECT_LT(std::acos(c), 0.5 * Pi / 180);
}

TEST_F(MilkyWayTest, EdgesRunWithTheBandOnTheirRight) {
    const std::vector<Shape> shapes = Shapes();
    // South edge: increasing galactic longitude; north edge: decreasing.
    EXPECT_NEAR(LongitudeTurns(shapes[0].Points), 1.0, 1e-6);
    EXPECT_NEAR(LongitudeTurns(shapes[1].Points), -1.0, 1e-6);
    // The hole turns counter-clockwise on the sky, the clouds clockwise.
    EXPECT_GT(SkySignedArea(shapes[2].Points), 0.0);
    EXPECT_LT(SkySignedArea(shapes[3].Points), 0.0);
    EXPECT_LT(SkySignedArea(shapes[4].Points), 0.0);
    // The south edge lies south of the north edge in galactic latitude on average.
    double south = 0, north = 0;
    for (const Point2& p : shapes[0].Points)
        south += Galactic(p.X, p.Y).Y / static_cast<double>(shapes[0].Points.size());
    for (const Point2& p : shapes[1].Points)
        north += Galactic(p.X, p.Y).Y / static_cast<double>(shapes[1].Points.size());
    EXPECT_LT(south, north);
}

TEST_F(MilkyWayTest, SeedsLieInsideWhatIsPainted) {
    const std::vector<Shape> shapes = Shapes();
    EXPECT_TRUE(
        InsideRing(shapes[4].Points, {MilkyWayFillSeeds[0].RightAscension, MilkyWayFillSeeds[0].Declination}))
        << "first seed in the Small Magellanic Cloud";
    EXPECT_TRUE(
        InsideRing(shapes[3].Points, {MilkyWayFillSeeds[1].RightAscension, MilkyWayFillSeeds[1].Declination}))
        << "second seed in the Large Magellanic Cloud";
    EXPECT_EQ(MilkyWayFillSeeds[2].RightAscension, static_cast<float>(HmsToRadians(17, 42, 30.0f)));
    for (std::size_t i = 2; i < MilkyWayFillSeeds.size(); ++i) {
        const Point2 p{MilkyWayFillSeeds[i].RightAscension, MilkyWayFillSeeds[i].Declination};
        const Point2 lb = Galactic(p.X, p.Y);
        const bool aboveSouth = CrossingsAbove(shapes[0].Points, lb) % 2 == 0;
        const bool belowNorth = CrossingsAbove(shapes[1].Points, lb) % 2 == 1;
        EXPECT_TRUE(aboveSouth && belowNorth) << "seed " << i << " outside the band";
        EXPECT_FALSE(InsideRing(shapes[2].Points, p)) << "seed " << i << " in the hole";
    }
}

TEST_F(MilkyWayTest, LanesWithTheirCodesAndEnds) {
    std::string codes;
    std::vector<int> counts;
    for (const MilkyWayLanePoint& p : MilkyWayLanes) {
        if (codes.empty() || codes.back() != static_cast<char>(p.Lane)) {
            codes.push_back(static_cast<char>(p.Lane));
            counts.push_back(0);
        }
        ++counts.back();
    }
    EXPECT_EQ(codes, "xercdlmkpnyiza");
    EXPECT_EQ(counts, (std::vector<int>{2, 11, 3, 4, 2, 3, 3, 3, 2, 45, 2, 2, 2, 9}));

    // "n" goes once around the band and returns to its first point.
    const std::size_t n = 2 + 11 + 3 + 4 + 2 + 3 + 3 + 3 + 2;
    EXPECT_EQ(MilkyWayLanes[n].RightAscension, static_cast<float>(HmsToRadians(18, 49, 31.2f)));
    EXPECT_EQ(MilkyWayLanes[n].Declination, static_cast<float>(DmsToRadians('-', 18, 18, 46.5f)));
    EXPECT_EQ(MilkyWayLanes[n + 44].RightAscension, MilkyWayLanes[n].RightAscension);
    EXPECT_EQ(MilkyWayLanes[n + 44].Declination, MilkyWayLanes[n].Declination);
    // The Great Rift from Ophiuchus to Cygnus.
    EXPECT_EQ(MilkyWayLanes[2].Declination, static_cast<float>(DmsToRadians('+', 2, 58, 3.0f)));
    EXPECT_EQ(MilkyWayLanes[12].RightAscension, static_cast<float>(HmsToRadians(21, 17, 50.7f)));
    // "i" and "z" lie inside the Large and Small Magellanic Clouds.
    const std::vector<Shape> shapes = Shapes();
    for (std::size_t i = n + 47; i < n + 49; ++i) {
        EXPECT_TRUE(
            InsideRing(shapes[3].Points, {MilkyWayLanes[i].RightAscension, MilkyWayLanes[i].Declination}));
    }
    for (std::size_t i = n + 49; i < n + 51; ++i) {
        EXPECT_TRUE(
            InsideRing(shapes[4].Points, {MilkyWayLanes[i].RightAscension, MilkyWayLanes[i].Declination}));
    }
}

TEST_F(MilkyWayTest, BandLanesStayOnThePaintedBand) {
    // Lanes are drawn in the band's colour: off the band they would paint over dark sky.
    const std::vector<Shape> shapes = Shapes();
    for (std::size_t i = 0; i < MilkyWayLanes.size(); ++i) {
        const char lane = static_cast<char>(MilkyWayLanes[i].Lane);
        if (lane == 'i' || lane == 'z') continue;  // inside the Magellanic Clouds
        const Point2 lb = Galactic(MilkyWayLanes[i].RightAscension, MilkyWayLanes[i].Declination);
        EXPECT_TRUE(CrossingsAbove(shapes[0].Points, lb) % 2 == 0 &&
                    CrossingsAbove(shapes[1].Points, lb) % 2 == 1)
            << "lane " << lane << " point " << i;
        EXPECT_FALSE(
            InsideRing(shapes[2].Points, {MilkyWayLanes[i].RightAscension, MilkyWayLanes[i].Declination}))
            << "lane " << lane << " point " << i << " in the hole";
    }
}

}  // namespace
}  // namespace kolvar
