#include "sky/sky_object_table.h"

#include <cmath>

namespace kolvar {

SkyObjectEntry PlaceObject(std::uint8_t kind, int index, int signIndex, const HorizontalPosition& position) {
    SkyObjectEntry e;
    e.Visible = position.Altitude >= 0.0 ? 1 : 0;
    e.Kind = kind;
    e.Index = static_cast<std::int16_t>(index);
    e.SignIndex = static_cast<std::int16_t>(signIndex);
    e.Azimuth = position.Azimuth;
    e.Altitude = position.Altitude;
    e.Distance = position.Distance;
    return e;
}

int SignIndexOf(double rightAscension) {
    const double turns = std::floor(rightAscension * 0.3183098861837907 * 6) + 24;
    // A right ascension that is no finite angle has no sector; the first stands for it.
    if (!(std::fabs(turns) < 2147483647.0)) return 0;
    const int sector = static_cast<int>(turns);
    // The remainder stays in 0..11 also outside the documented range.
    return ((sector % 12) + 12) % 12;
}

}  // namespace kolvar
