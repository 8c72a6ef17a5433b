#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "appcore/view_switches.h"
#include "cli/view_request.h"

namespace kolvar::cli {
namespace {

constexpr OptionSpec Options[] = {
    {"--jd", "JD", "Julian day"},
    {"--out", "FILE", "output file"},
    {"--quiet", "", "no output"},
};

ParsedOptions Parse(std::vector<std::string> words) {
    std::vector<char*> args;
    for (std::string& w : words) {
        args.push_back(w.data());
    }
    return ParseOptions(std::span<char* const>(args.data(), args.size()), Options);
}

TEST(ParseOptions, SeparateAndJoinedValues) {
    const ParsedOptions p = Parse({"--jd", "-12.5", "--out=a=b.png", "--quiet"});
    EXPECT_EQ(p.Value("--jd"), "-12.5");
    EXPECT_EQ(p.Value("--out"), "a=b.png");
    EXPECT_TRUE(p.Has("--quiet"));
    EXPECT_FALSE(p.HelpRequested);
    EXPECT_FALSE(Parse({}).Has("--jd"));
    EXPECT_TRUE(Parse({"-h"}).HelpRequested);
    EXPECT_TRUE(Parse({"--jd", "1", "--help"}).HelpRequested);
}

TEST(ParseOptions, Mistakes) {
    EXPECT_THROW(Parse({"--bogus"}), UsageError);
    EXPECT_THROW(Parse({"--jd"}), UsageError);
    EXPECT_THROW(Parse({"--jd", "1", "--jd", "2"}), UsageError);
    EXPECT_THROW(Parse({"--quiet=yes"}), UsageError);
    EXPECT_THROW(Parse({"stray"}), UsageError);
    EXPECT_THROW(Parse({"-"}), UsageError);
    EXPECT_THROW(Parse({"--"}), UsageError);
    EXPECT_THROW(Parse({"--JD", "1"}), UsageError);
}

TEST(ParseFiniteDouble, AcceptsPlainNumbers) {
    EXPECT_EQ(ParseFiniteDouble("--jd", "2451545"), 2451545.0);
    EXPECT_EQ(ParseFiniteDouble("--jd", "-0.5"), -0.5);
    EXPECT_EQ(ParseFiniteDouble("--jd", "+2.5e3"), 2500.0);
    EXPECT_EQ(ParseFiniteDouble("--jd", ".25"), 0.25);
    EXPECT_EQ(ParseFiniteDouble("--jd", "2460000.5"), 2460000.5);
}

TEST(ParseFiniteDouble, RejectsJunkAndNonFinite) {
    for (const char* text : {"", " 1", "1 ", "1x", "0x10", "nan", "NaN", "-nan", "inf", "-inf", "infinity",
                             "1e999", "-1e999", "+-1", "+", "-", "1,5", "1.2.3", "e5"}) {
        EXPECT_THROW(ParseFiniteDouble("--jd", text), UsageError) << "'" << text << "'";
    }
}

TEST(ParseInteger, RangeAndJunk) {
    EXPECT_EQ(ParseInteger("--n", "42", 1, 100), 42);
    EXPECT_EQ(ParseInteger("--n", "+7", 1, 100), 7);
    for (const char* text : {"0", "101", "4.5", "1e2", "", "x", "99999999999999999999", "-1", "+-3"}) {
        EXPECT_THROW(ParseInteger("--n", text, 1, 100), UsageError) << "'" << text << "'";
    }
}

TEST(ParseSize, WidthByHeight) {
    const Size s = ParseSize("--size", "800x600", 10000);
    EXPECT_EQ(s.Width, 800);
    EXPECT_EQ(s.Height, 600);
    for (const char* text : {"800", "800x", "x600", "0x600", "800x0", "800x600x2", "-800x600", "20000x10"}) {
        EXPECT_THROW(ParseSize("--size", text, 10000), UsageError) << "'" << text << "'";
    }
}

TEST(UsageMessages, StayOnOneLine) {
    try {
        ParseFiniteDouble("--jd", "1\n2");
        FAIL() << "no error";
    } catch (const UsageError& e) {
        EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("--jd"), std::string::npos);
    }
}

// Every view switch with a --show word or a flag of its own turns on from
// the command line, and only it (the runic names bring the names with them).
TEST(ViewSwitches, TurnOnFromTheCommandLine) {
    constexpr OptionSpec ViewSpecs[] = {ShowOption, NightOption, DaylightOption};
    for (const ViewSwitch& s : ViewSwitches()) {
        if (s.ShowWord.empty() && s.CliOption.empty()) continue;
        std::vector<std::string> words{std::string(s.CliOption)};
        if (!s.ShowWord.empty()) words = {"--show", std::string(s.ShowWord)};
        std::vector<char*> args;
        for (std::string& w : words) args.push_back(w.data());
        const ViewOptions view = ParseViewOptions(ParseOptions(args, ViewSpecs));
        for (const ViewSwitch& other : ViewSwitches())
            EXPECT_EQ(other.Get(view),
                      &other == &s || (s.Action == "RunicNames1" && other.Action == "Names1"))
                << s.Action << " " << other.Action;
    }
}

// The --show help lists exactly the words the reader takes: every listed
// word (without its note in brackets) is taken, and every switch's word is
// listed.
TEST(ViewSwitches, ShowHelpListsTheWordsTaken) {
    constexpr OptionSpec ViewSpecs[] = {ShowOption};
    const std::string help = ShowLayersHelp();
    std::string_view rest = help;
    std::set<std::string> listed;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(", ");
        const std::string_view item = rest.substr(0, comma);
        listed.emplace(item.substr(0, item.find(" (")));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
    }
    for (std::string word : listed) {
        if (word == "selection:SLOT") word = "selection:0";
        std::string flag = "--show";
        std::vector<char*> args{flag.data(), word.data()};
        EXPECT_NO_THROW(ParseViewOptions(ParseOptions(args, ViewSpecs))) << word;
    }
    for (const ViewSwitch& s : ViewSwitches()) {
        if (!s.ShowWord.empty()) {
            EXPECT_TRUE(listed.count(std::string(s.ShowWord))) << s.ShowWord;
        }
    }
}

}  // namespace
}  // namespace kolvar::cli
