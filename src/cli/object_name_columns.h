#pragma once

// The two columns that the objects tables of render and closeup end with:
// the object's magnitude on the drawn instant and its name.

#include <array>
#include <string>

#include "sky/sky_object_table.h"

namespace kolvar::cli {

class ObjectNameColumns {
public:
    explicit ObjectNameColumns(double julianDay);

    // "magnitude<TAB>name" of a slot: the magnitude to two decimals
    // (ObjectMagnitudes), the display name of the name index in UTF-8.
    std::string Of(int slot) const;

private:
    std::array<double, SkyObjectCount> magnitudes_;
};

}  // namespace kolvar::cli
