#include "elements/number_fields.h"

#include "astro/outcome.h"

namespace kolvar {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumberField(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    return ReadWholeDecimal(text).Optional();
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t count) {
    if (first >= line.size()) return {};
    return line.substr(first, count);
}

}  // namespace kolvar
