#pragma once

namespace kolvar {

// The constellation (1..88, the catalogues' numbering) that holds a J2000
// direction (radians), by the boundaries of Roman (1987): the direction is
// precessed to their equinox B1875 and the first band of the table that holds
// it names it.
int ConstellationAt(double rightAscension, double declination);

}  // namespace kolvar
