#include "catalog/catalogue_tsv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "catalog/static_tables.h"

namespace kolvar {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CatalogueTsvTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitStaticTables(); }
};

TEST_F(CatalogueTsvTest, EveryTableHasAHeaderAndOneLinePerRow) {
    const std::pair<std::string_view, std::size_t> expected[] = {
        {"stars", 3275}, {"deepsky", 112}, {"constellations", 89}, {"outline", 4591}, {"seeds", 80}, {"lanes", 93}};
    for (const auto& [table, rows] : expected) {
        const auto text = CatalogueTsv(table);
        ASSERT_TRUE(text.has_value()) << table;
        const std::vector<std::string> lines = Lines(*text);
        EXPECT_EQ(lines.size(), rows + 1) << table;
        const auto columns = std::count(lines[0].begin(), lines[0].end(), '\t');
        for (const std::string& line : lines) {
            ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), columns) << table << ": " << line;
        }
    }
    EXPECT_FALSE(CatalogueTsv("planets").has_value());
}

TEST_F(CatalogueTsvTest, RowsCarryTheirNames) {
    const std::vector<std::string> stars = Lines(*CatalogueTsv("stars"));
    EXPECT_EQ(stars[1].rfind("0\t1\tAnd\t15\t", 0), 0u) << stars[1];
    EXPECT_NE(stars[1].find("\tAlpheratz\talpha\t21"), std::string::npos) << stars[1];
    EXPECT_NE(stars[3].find("\tgamma 1\t57"), std::string::npos) << stars[3];
    const std::vector<std::string> deepSky = Lines(*CatalogueTsv("deepsky"));
    EXPECT_NE(deepSky[3].find("\tM31\tNGC224\t"), std::string::npos) << deepSky[3];
    EXPECT_NE(deepSky[3].find("\tVertex"), std::string::npos) << deepSky[3];
}

}  // namespace
}  // namespace kolvar
