#include "cli/object_name_columns.h"

#include <cstdio>

#include "canvas/cp1250.h"
#include "identify/name_index.h"
#include "identify/object_magnitude.h"

namespace kolvar::cli {

ObjectNameColumns::ObjectNameColumns(double julianDay) : magnitudes_(ObjectMagnitudes(julianDay)) {}

std::string ObjectNameColumns::Of(int slot) const {
    char magnitude[32];
    std::snprintf(magnitude, sizeof magnitude, "%.2f\t", magnitudes_[static_cast<std::size_t>(slot)]);
    return magnitude + Cp1250ToUtf8(ProgramNameIndex().DisplayName(slot));
}

}  // namespace kolvar::cli
