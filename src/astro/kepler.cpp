#include "astro/kepler.h"

#include <cmath>

namespace kolvar {

double SolveKepler(double meanAnomaly, double eccentricity, double start) {
    double e = start;
    for (int step = 0; step < MaxIterationSteps; ++step) {
        const double change =
            (eccentricity * std::sin(e) + (meanAnomaly - e)) / (1.0 - eccentricity * std::cos(e));
        e += change;
        if (std::fabs(change) <= 1e-10) {
            break;
        }
    }
    return e;
}

}  // namespace kolvar
