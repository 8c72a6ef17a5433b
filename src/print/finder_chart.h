#pragma once

// A finder chart for paper: a square field around one J2000 direction in
// the gnomonic projection, north up and east left, with black stars on white
// to the field's magnitude limit (the deep star file, or the bright
// catalogue without it), the NGC/IC objects as outlines or symbols, an
// RA/Dec grid labelled along the border, a scale bar, north and east arrows,
// the eyepiece circles, and a header naming the object and the field.

#include <optional>
#include <string>
#include <vector>

#include "catalog/deep_star_file.h"
#include "print/ink.h"
#include "print/page_layout.h"
#include "print/paper_small_bodies.h"

namespace kolvar {

inline constexpr double MinFinderFieldDegrees = 0.25;
inline constexpr double MaxFinderFieldDegrees = 60.0;

struct FinderChartRequest {
    double RightAscension = 0.0;  // J2000 centre, radians
    double Declination = 0.0;
    double FieldDegrees = 2.0;            // across the chart's square
    std::vector<double> Circles;          // true field diameters, degrees
    float MagnitudeLimit = 0.0f;          // 0: FieldMagnitudeLimit of the field
    double YearsSince2000 = 0.0;          // the stars' proper motion is carried to this instant
    const DeepStarFile* Stars = nullptr;  // none, or one that failed: the bright catalogue's stars
    std::string Name;                     // what the chart is of (Windows-1250), "" for a bare direction
    PaperSmallBodies SmallBodies;         // comets and minor planets, placed at JulianDay (UT)
    double JulianDay = 2451545.0;
};

// The page-point geometry of a finder chart on a sheet: the chart's square
// and the gnomonic scale that makes the field fill it.
struct FinderGeometry {
    PageBox Chart;
    double PointsPerRadian = 0.0;  // at the centre, tan(angle) * this = distance from the centre
};

FinderGeometry FinderGeometryOf(PageSize page, double fieldDegrees);

// The page point of a J2000 direction on the chart, or nothing for one 80
// degrees or more from its centre.
std::optional<PagePoint> FinderProject(const FinderGeometry& geometry, double centreRa, double centreDec,
                                       double ra, double dec);

// A step of the grid for a field `spanDegrees` across, from the steps that
// `choices` lists (degrees, ascending): the smallest that gives at most
// `lines` lines over the span.
double GridStep(double spanDegrees, const std::vector<double>& choices, int lines);

// The chart's title for a document's metadata: "Keresőtérkép: M57" (Windows-1250).
std::string FinderChartTitle(const FinderChartRequest& request);

// Paints the whole sheet.
void DrawFinderChart(Ink& ink, PageSize page, const FinderChartRequest& request);

}  // namespace kolvar
