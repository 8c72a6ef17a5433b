#include "dialogs/place_angles.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "appcore/number_text.h"

namespace kolvar {
namespace {

constexpr double RadiansToArcSeconds = 648000 * 0.3183098861837907;  // 648000 / pi
constexpr double DegreesToRadians = 0.017453292519943295;
constexpr double MinutesToDegrees = 0.016666666666666666;
constexpr double SecondsToDegrees = 0.0002777777777777778;
constexpr int MostDecimals = 6;

// `units` in 10^-decimals arc seconds as degrees, minutes and a seconds text
// without trailing zeros.
AngleFields FieldsOf(std::int64_t units, int decimals, char separator) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const std::int64_t minutes = units / (60 * scale);
    AngleFields fields;
    fields.Degrees = static_cast<int>(minutes / 60);
    fields.Minutes = static_cast<int>(minutes % 60);
    const std::int64_t seconds = units % (60 * scale);
    fields.Seconds = std::to_string(seconds / scale);
    std::string fraction = std::to_string(seconds % scale + scale).substr(1);  // zero-padded to `decimals`
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) fields.Seconds += separator + fraction;
    return fields;
}

}  // namespace

AngleFields ShownAngle(double radians, char separator) {
    const double magnitude = std::fabs(radians);
    const double arcSeconds = magnitude * RadiansToArcSeconds;
    AngleFields fields;
    double scale = 1;
    for (int decimals = 0; decimals <= MostDecimals; ++decimals, scale *= 10) {
        fields = FieldsOf(std::llround(arcSeconds * scale), decimals, separator);
        const double seconds = ParseStrictDouble(fields.Seconds, separator).value_or(0.0);
        const double back = AngleOfFields(fields.Degrees, fields.Minutes, seconds);
        if (std::fabs(back - magnitude) * RadiansToArcSeconds <= ShownAngleTolerance) break;
    }
    return fields;  // six decimals are always within the tolerance
}

double AngleOfFields(double degrees, int minutes, double seconds) {
    return (degrees + minutes * MinutesToDegrees + seconds * SecondsToDegrees) * DegreesToRadians;
}

}  // namespace kolvar
