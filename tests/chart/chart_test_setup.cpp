#include "chart_test_setup.h"

#include <cmath>
#include <mutex>

#include "catalog/static_tables.h"

namespace kolvar {

void InitialiseChartTables() {
    static std::once_flag once;
    std::call_once(once, [] { InitStaticTables(); });
}

SphericalPosition GalacticToEquatorial(double l, double b) {
    constexpr double Deg = 3.141592653589793 / 180;
    // Rows of the J2000 equatorial to galactic rotation; its transpose turns back.
    static const double G[3][3] = {{-0.0548755604, -0.8734370902, -0.4838350155},
                                   {0.4941094279, -0.4448296300, 0.7469822445},
                                   {-0.8676661490, -0.1980763734, 0.4559837762}};
    const double g[3] = {std::cos(b * Deg) * std::cos(l * Deg), std::cos(b * Deg) * std::sin(l * Deg),
                         std::sin(b * Deg)};
    double e[3];
    for (int k = 0; k < 3; ++k) e[k] = G[0][k] * g[0] + G[1][k] * g[1] + G[2][k] * g[2];
    return {std::atan2(e[1], e[0]), std::asin(e[2]), InfinitelyFar};
}

}  // namespace kolvar
