#include "identify/city_search.h"

#include <string>

#include "catalog/cities.h"
#include "identify/search_key.h"

namespace kolvar {
namespace {

// Every town's name as a search key, made once.
const std::vector<std::string>& CityKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        k.reserve(Cities().size());
        for (const CityRecord& city : Cities()) k.push_back(SearchKeyOfCp1250(city.Name));
        return k;
    }();
    return keys;
}

}  // namespace

std::vector<int> FindCities(std::string_view typedUtf8, std::size_t limit) {
    const std::string key = SearchKeyOfUtf8(typedUtf8);
    const std::vector<std::string>& keys = CityKeys();
    // Ranks: 0 Hungarian and begins, 1 begins, 2 Hungarian and holds, 3 holds.
    std::vector<int> ranked[4];
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::size_t at = keys[i].find(key);
        if (at == std::string::npos) continue;
        const bool hungarian = std::string_view(Cities()[i].Country) == "Hungary";
        ranked[(at == 0 ? 0 : 2) + (hungarian ? 0 : 1)].push_back(static_cast<int>(i));
    }
    std::vector<int> found;
    for (const std::vector<int>& rank : ranked)
        for (int index : rank) {
            if (found.size() == limit) return found;
            found.push_back(index);
        }
    return found;
}

}  // namespace kolvar
