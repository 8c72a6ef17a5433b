#pragma once

namespace kolvar {

// Every iteration of the astronomy core stops after this many steps and keeps
// its last estimate. The tabulated orbits converge in a handful of steps; the
// limit only matters for instants so far from 2000 that an eccentricity has
// drifted past 1, or for non-finite input, where no tolerance is ever met.
inline constexpr int MaxIterationSteps = 100;

// Eccentric anomaly E with E - e sin E = M by Newton's method from `start`,
// until a step is at most 1e-10.
double SolveKepler(double meanAnomaly, double eccentricity, double start);

}  // namespace kolvar
