#include "identify_test_setup.h"

#include "canvas/program_fonts.h"
#include "catalog/star_catalogue.h"
#include "catalog/static_tables.h"
#include "chart/redraw.h"

namespace kolvar::testing {

void InitialiseIdentifyTables() {
    static const bool done = [] {
        InitStaticTables();
        return RegisterProgramFonts();
    }();
    (void)done;
}

int StarIndexOfHr(int hrNumber) {
    for (int i = 0; i < StarCount; ++i)
        if (StarCatalogue[static_cast<std::size_t>(i)].HrNumber == hrNumber) return i;
    return -1;
}

SkyObjectEntry StarSelection(int starIndex) { return PlaceObject(KindStar, starIndex, -1, {0.0, 1.0, 1.0}); }

SkyObjectEntry DeepSkySelection(int objectIndex) {
    return PlaceObject(KindDeepSky, objectIndex, -1, {0.0, 1.0, 1.0});
}

SkyObjectEntry BodySelection(int kind, int index, int signIndex) {
    return PlaceObject(static_cast<std::uint8_t>(kind), index, signIndex, {0.0, 1.0, 1.0});
}

void DrawEveningChart(int width, int height, ChartFrame& frame, SkyObjectTable& objects) {
    InitialiseIdentifyTables();
    ObserverState observer;
    observer.Latitude = DefaultLatitude;
    observer.Longitude = DefaultLongitude;
    observer.JulianDay = 2460536.375;
    Bitmap chart;
    MoonPicture moon;
    const SkyScene scene = ComputeSkyScene(observer);
    frame = RedrawChart(scene, chart, width, height, moon);
    objects = scene.Objects;
}

}  // namespace kolvar::testing
