#include "chart_test_setup.h"

#include <mutex>

#include "astro/planets.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/milky_way.h"
#include "catalog/star_catalogue.h"

namespace kolvar {

void InitialiseChartTables() {
    static std::once_flag once;
    std::call_once(once, [] {
        InitStarCatalogue();
        InitMilkyWay();
        InitPlanetTable();
        InitDeepSkyCatalogue();
    });
}

}  // namespace kolvar
