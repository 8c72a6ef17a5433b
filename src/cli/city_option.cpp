#include "cli/city_option.h"

#include <string>
#include <vector>

#include "canvas/cp1250.h"
#include "identify/search_key.h"

namespace kolvar::cli {

namespace {

// At most this many towns are listed when a name is shared.
constexpr std::size_t ListedTowns = 6;

std::string TownText(const CityRecord& city) {
    std::string text = city.Name;
    text += " (";
    if (city.Province[0] != '\0') text += std::string(city.Province) + ", ";
    return Cp1250ToUtf8(text + city.Country + ")");
}

}  // namespace

const CityRecord& CityNamed(std::string_view option, std::string_view text) {
    if (!IsWellFormedUtf8(text)) throw UsageError(std::string(option) + ": the name is not UTF-8 text");
    // "NAME, PLACE": PLACE is the province or the country.
    const std::size_t comma = text.rfind(',');
    const std::string name = SearchKeyOfUtf8(text.substr(0, comma));
    const std::string where = comma == std::string_view::npos ? "" : SearchKeyOfUtf8(text.substr(comma + 1));
    if (name.empty()) throw UsageError(std::string(option) + ": no town name: " + QuoteForMessage(text));
    std::vector<const CityRecord*> towns;
    for (const CityRecord& city : Cities()) {
        if (SearchKeyOfCp1250(city.Name) != name) continue;
        if (!where.empty() && SearchKeyOfCp1250(city.Province) != where &&
            SearchKeyOfCp1250(city.Country) != where)
            continue;
        towns.push_back(&city);
    }
    if (towns.size() == 1) return *towns.front();
    if (towns.empty())
        throw UsageError(std::string(option) +
                         ": no town of that name in the city table: " + QuoteForMessage(text));
    std::string list;
    for (std::size_t i = 0; i < towns.size() && i < ListedTowns; ++i)
        list += (i ? ", " : "") + TownText(*towns[i]);
    if (towns.size() > ListedTowns) list += " ...";
    throw UsageError(std::string(option) + ": " + std::to_string(towns.size()) + " towns are called " +
                     QuoteForMessage(text) + "; add the province or the country after a comma: " + list);
}

const CityRecord* CityFromOptions(const ParsedOptions& options) {
    const auto text = options.Value(CityOption.Name);
    return text ? &CityNamed(CityOption.Name, *text) : nullptr;
}

}  // namespace kolvar::cli
