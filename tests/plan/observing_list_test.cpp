// Observing lists: the CSV read back as written, texts refused as no list,
// bad rows named, the order of "next", a file that is no list kept; a
// horizon drawn by clicks.
#include "plan/observing_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "appcore/file_writer.h"
#include "plan/horizon_edit.h"

namespace kolvar {
namespace {

TEST(ObservingList, ReadsBackWhatItWrites) {
    ObservingList list{"x", {}};
    list.Objects.push_back(
        {"M42", 83.8221, -5.3911, Observation{2461383.5 + 0.25, 47.5, -19.04, "low, \"fine\"\nwindy"}});
    list.Objects.push_back({"Jupiter", std::nullopt, std::nullopt, std::nullopt});
    const ListReading r = ReadObservingList(ObservingListText(list), "x");
    ASSERT_TRUE(r.List) << r.Refusal;
    ASSERT_EQ(r.List->Objects.size(), 2u);
    const ListedObject& m42 = r.List->Objects[0];
    EXPECT_NEAR(*m42.RightAscension, 83.8221, 1e-9);
    ASSERT_TRUE(m42.Observed);
    EXPECT_NEAR(m42.Observed->JulianDay, 2461383.75, 1e-8);
    EXPECT_EQ(ListInstantText(m42.Observed->JulianDay), "2026-12-09T06:00:00Z");
    EXPECT_EQ(m42.Observed->Note, "low, \"fine\"\nwindy");
    EXPECT_DOUBLE_EQ(m42.Observed->Longitude, -19.04);
    EXPECT_FALSE(r.List->Objects[1].RightAscension);
    EXPECT_FALSE(r.List->Objects[1].Observed);
}

TEST(ObservingList, RefusesTextsThatAreNoList) {
    const struct {
        std::string Text;
        const char* Why;
    } cases[] = {
        {std::string("name\nM1\0", 8), "NUL"},
        {"name\nM\xE9\n", "UTF-8"},
        {"name,note\nM1,\"open\n", "quote"},
        {"name,note\nM1,a\"b\n", "quote"},
        {"\x89PNG\r\n", "UTF-8"},
        {"object,ra\nM1,1\n", "name"},
    };
    for (const auto& c : cases) {
        const ListReading r = ReadObservingList(c.Text, "x");
        EXPECT_FALSE(r.List) << c.Text;
        EXPECT_NE(r.Refusal.find(c.Why), std::string::npos) << r.Refusal;
    }
}

TEST(ObservingList, LeavesOutBadRowsAndReadsForeignColumns) {
    const ListReading r =
        ReadObservingList("\xEF\xBB\xBFNote,NAME,extra\r\nseen,M 31,1\r\n,,2\r\nx,M13\r\n", "x");
    ASSERT_TRUE(r.List);
    ASSERT_EQ(r.List->Objects.size(), 2u);
    EXPECT_EQ(r.List->Objects[0].Name, "M 31");
    ASSERT_EQ(r.Problems.size(), 1u);
    EXPECT_EQ(r.Problems[0], "line 3: no name");
    const ListReading bad =
        ReadObservingList("name,ra_deg,dec_deg,observed\nM1,400,2,\nM2,1,2,yesterday\nM3,1,2,\n", "x");
    ASSERT_EQ(bad.List->Objects.size(), 1u);
    EXPECT_EQ(bad.Problems.size(), 2u);
}

TEST(ObservingList, NextSkipsWhatWasObservedAndGoesRound) {
    ObservingList list{"x", {{"A", {}, {}, {}}, {"B", {}, {}, Observation{}}, {"C", {}, {}, {}}}};
    EXPECT_EQ(NextInList(list, std::nullopt), 0u);
    EXPECT_EQ(NextInList(list, 0), 2u);
    EXPECT_EQ(NextInList(list, 2), 0u);
    for (auto& o : list.Objects) o.Observed = Observation{};
    EXPECT_EQ(NextInList(list, 1), 2u);
    EXPECT_FALSE(NextInList(ObservingList{}, std::nullopt));
    EXPECT_FALSE(AddToList(list, {"b", {}, {}, {}}));
}

TEST(ObservingList, KeepsAFileThatIsNoList) {
    const auto folder = std::filesystem::path(::testing::TempDir()) / "kolvar-lists";
    std::filesystem::create_directories(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    EXPECT_EQ(ObservingListFolder(), folder / "kolvar" / "lists");
    const auto path = ObservingListPath("mine");
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "not, a \"list";
    const ObservingList list{"mine", {{"M1", {}, {}, {}}}};
    EXPECT_TRUE(SaveObservingList(path, list, SettingsPolicy));
    EXPECT_EQ(*ReadRegularFile(path.string()), "not, a \"list");
    std::filesystem::remove(path);
    EXPECT_FALSE(SaveObservingList(path, list, SettingsPolicy));
    EXPECT_EQ(ObservingListNames(), std::vector<std::string>{"mine"});
    EXPECT_NE(ListNameProblem("../x"), "");
    std::filesystem::remove_all(folder);
}

// A horizon drawn by clicks: kept by azimuth round through north, a click
// within half a degree replacing a point, read back as the file says.
TEST(DrawnHorizon, KeepsPointsByAzimuthAndReadsBack) {
    constexpr double D = 3.141592653589793 / 180.0;
    std::vector<LocalHorizon::Point> points;
    for (const auto& [az, alt] : {std::pair{200.0, 30.0}, {-10.0, 5.0}, {90.0, -3.0}, {200.3, 25.0}})
        AddHorizonPoint(points, {az * D, alt * D});
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(AddHorizonPoint(points, {100.0 * D, 1.0 * D}), 1u);  // after 90, before 200
    const HorizonReading r = ReadLocalHorizon(LocalHorizonText(points));
    ASSERT_TRUE(r.Horizon) << r.Refusal;
    EXPECT_TRUE(r.Problems.empty());
    EXPECT_NEAR(r.Horizon->AltitudeAt(90.0 * D), 0.0, 1e-9);  // -3 held at the horizon
    EXPECT_NEAR(r.Horizon->AltitudeAt(200.3 * D), 25.0 * D, 1e-9);
    EXPECT_NEAR(r.Horizon->Points().back().Azimuth, 350.0 * D, 1e-9);
}

}  // namespace
}  // namespace kolvar
