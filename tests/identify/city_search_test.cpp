// The town search of the place dialog: case, accents and spaces do not
// count; names that begin with the text come first, Hungarian towns first.
#include "identify/city_search.h"

#include <gtest/gtest.h>

#include <string>

#include "catalog/cities.h"

namespace kolvar {
namespace {

std::string FirstName(std::string_view typed) {
    const std::vector<int> found = FindCities(typed, 10);
    return found.empty() ? "" : Cities()[static_cast<std::size_t>(found[0])].Name;
}

TEST(CitySearch, FindsTownsCaseAndAccentBlind) {
    EXPECT_EQ(FirstName("debre"), "Debrecen");
    EXPECT_EQ(FirstName("SZEGED"), "Szeged");
    EXPECT_EQ(FirstName("szekesfeher"), "Sz\xE9kesfeh\xE9rv\xE1r");
    EXPECT_EQ(FirstName("NYIREGYHAZA"), "Ny\xEDregyh\xE1za");
    EXPECT_EQ(FirstName("Győr"), "Gy\xF5r");
    EXPECT_EQ(FirstName("no such town"), "");
    // A name that begins with the text before one that holds it elsewhere.
    const std::vector<int> eger = FindCities("eger", 500);
    ASSERT_GE(eger.size(), 2u);
    EXPECT_EQ(std::string_view(Cities()[static_cast<std::size_t>(eger.front())].Name), "Eger");
    EXPECT_EQ(std::string_view(Cities()[static_cast<std::size_t>(eger.back())].Name), "Zalaegerszeg");
    // Nothing typed lists every town up to the limit, Hungarian ones first.
    const std::vector<int> all = FindCities("", 30);
    ASSERT_EQ(all.size(), 30u);
    EXPECT_EQ(std::string_view(Cities()[static_cast<std::size_t>(all[0])].Name), "Budapest");
}

}  // namespace
}  // namespace kolvar
