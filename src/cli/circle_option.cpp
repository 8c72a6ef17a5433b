#include "cli/circle_option.h"

#include <string>

namespace kolvar::cli {

std::vector<double> ParseCircles(std::string_view text) {
    std::vector<double> diameters;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item =
            text.substr(start, comma == std::string_view::npos ? comma : comma - start);
        const double degrees = ParseFiniteDouble(CirclesOption.Name, item);
        if (!(degrees > 0.0 && degrees < 180.0))
            throw UsageError(std::string(CirclesOption.Name) + ": " + QuoteForMessage(item) +
                             " is not a diameter above 0 and below 180 degrees");
        diameters.push_back(degrees);
        if (diameters.size() > MaxFieldCircles)
            throw UsageError(std::string(CirclesOption.Name) + ": more than " +
                             std::to_string(MaxFieldCircles) + " circles");
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return diameters;
}

}  // namespace kolvar::cli
