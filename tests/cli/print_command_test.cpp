// kolvar-chart print: the three formats are valid files of their kind, with
// the sheet's size, its text and embedded fonts, and vectors only; bad input
// writes nothing. PDFs and SVGs are read back with poppler's and libxml2's
// tools (scripts/install-deps installs them).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "canvas/png_reader.h"
#include "run_chart.h"

namespace kolvar::cli {
namespace {

namespace fs = std::filesystem;
using testing::RunChart;

constexpr double Deg = 3.141592653589793 / 180;

// 12 August 2026, 20:00 UT.
const std::vector<std::string> Sheet{"print", "--jd", "2461265.3333333"};
const std::vector<std::string> CivilSheet{"print", "--date", "2026-08-12T22:00", "--zone", "2"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The standard output of a shell command, or nothing when it failed.
std::optional<std::string> Output(const std::string& command) {
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    return ::pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

bool Have(const char* tool) { return Output(std::string("command -v ") + tool).has_value(); }

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    const fs::path dir = fs::temp_directory_path() / ("kolvar_print_" + std::to_string(::getpid()));
};

TEST_F(PrintCommand, PdfHoldsOneSheetWithItsTextAndFonts) {
    if (!Have("pdfinfo") || !Have("pdftotext") || !Have("pdffonts"))
        GTEST_SKIP() << "poppler-utils not installed";
    const std::string pdf = (dir / "sky.pdf").string();
    const testing::RunResult r = RunChart(With(CivilSheet, {"--out", pdf}));
    ASSERT_EQ(r.ExitStatus, 0) << r.Err;
    EXPECT_EQ(r.Out, pdf + "\n");
    const std::string info = Output("pdfinfo '" + pdf + "'").value_or("");
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const std::string text = Output("pdftotext '" + pdf + "' -").value_or("");
    for (const char* words : {"2026. augusztus 12., szerda 22:00 (UTC+2)",
                              "47\xC2\xB0"
                              "35' \xC3\x89, 19\xC2\xB0"
                              "04' K",
                              "Csillagos \xC3\xA9g", "Vega", "Nagy Medve", "F\xC3\xA9nyrend"})
        EXPECT_NE(text.find(words), std::string::npos) << words;
    // Every face embedded: the plain face, the runes, the Greek letters of the star labels.
    const std::string fonts = Output("pdffonts '" + pdf + "'").value_or("");
    for (const char* face : {"LiberationSans", "Runex23x", "Symbol"})
        EXPECT_NE(fonts.find(face), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find(" no  "), std::string::npos) << "a face is not embedded: " << fonts;
}

// Each format and sheet from the same drawing: the size the paper asks for.
TEST_F(PrintCommand, FormatsAndSheetsFollowTheOptions) {
    if (!Have("pdfinfo") || !Have("xmllint")) GTEST_SKIP() << "poppler-utils or libxml2-utils not installed";
    struct Case {
        std::string File;
        std::vector<std::string> Options;
        std::string Expect;  // pdfinfo's page size, the SVG's width, the PNG's size
    } cases[] = {
        {"a3.PDF", {"--paper", "a3", "--landscape"}, "1190.55 x 841.89 pts (A3)"},
        {"letter.pdf", {"--paper", "letter", "--title", "Nyári ég"}, "612 x 792 pts (letter)"},
        {"sky.svg", {}, "width=\"595.275591pt\""},
        {"sky.png", {"--dpi", "72"}, "595x842"},
    };
    for (const Case& c : cases) {
        const std::string file = (dir / c.File).string();
        const testing::RunResult r = RunChart(With(With(Sheet, {"--out", file}), c.Options));
        ASSERT_EQ(r.ExitStatus, 0) << c.File << ": " << r.Err;
        const std::string bytes = testing::FileText(file);
        if (c.File.ends_with(".png")) {
            const auto image =
                ReadPngBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
            ASSERT_TRUE(image.has_value());
            EXPECT_EQ(std::to_string(image->Width()) + "x" + std::to_string(image->Height()), c.Expect);
            EXPECT_EQ(image->Pixel(5, 5), (Colour{255, 255, 255}));  // white paper
        } else if (c.File.ends_with(".svg")) {
            EXPECT_TRUE(Output("xmllint --noout '" + file + "'").has_value()) << "not well-formed XML";
            EXPECT_NE(bytes.find(c.Expect), std::string::npos);
            EXPECT_NE(bytes.find("<path"), std::string::npos);
            EXPECT_NE(bytes.find("<use xlink:href=\"#glyph"), std::string::npos);  // text as glyph outlines
            EXPECT_EQ(bytes.find("<image"), std::string::npos);                    // and no picture inside
        } else {
            const std::string info = Output("pdfinfo '" + file + "'").value_or("");
            EXPECT_NE(info.find(c.Expect), std::string::npos) << info;
        }
    }
    const testing::RunResult out = RunChart(With(Sheet, {"--out", "-"}));
    EXPECT_EQ(out.Out.substr(0, 5), "%PDF-");
}

// A series: one page per instant, each with its own date, in one PDF only.
TEST_F(PrintCommand, SeriesPrintsOnePagePerInstant) {
    if (!Have("pdfinfo") || !Have("pdftotext")) GTEST_SKIP() << "poppler-utils not installed";
    const std::vector<std::string> year{"print",  "--from", "2026-01-12T22:00", "--to", "2026-12-12T22:00",
                                        "--step", "1mo",    "--zone",           "1"};
    const std::string pdf = (dir / "year.pdf").string();
    const testing::RunResult r = RunChart(With(year, {"--out", pdf}));
    ASSERT_EQ(r.ExitStatus, 0) << r.Err;
    EXPECT_NE(Output("pdfinfo '" + pdf + "'").value_or("").find("Pages:           12\n"), std::string::npos);
    const std::string text = Output("pdftotext '" + pdf + "' -").value_or("");
    const std::size_t january = text.find("2026. janu\xC3\xA1r 12., h\xC3\xA9tf\xC5\x91 22:00 (UTC+1)");
    const std::size_t december = text.find("2026. december 12., szombat 22:00 (UTC+1)");
    EXPECT_NE(december, std::string::npos);
    EXPECT_LT(january, december);
    EXPECT_EQ(RunChart(With(year, {"--out", (dir / "year.svg").string()})).ExitStatus, 2);
}

// A town's clock at each sheet (winter and summer time), and a long title
// fitted to the sheet's width.
TEST_F(PrintCommand, TownClockPerSheetAndALongTitleFits) {
    if (!Have("pdftotext")) GTEST_SKIP() << "poppler-utils not installed";
    std::string title;
    for (int i = 0; i < 12; ++i) title += "Csillagos \xC3\xA9g Szeged felett ";
    const std::string pdf = (dir / "town.pdf").string();
    const testing::RunResult r =
        RunChart({"print", "--from", "2026-01-12T22:00", "--to", "2026-07-12T22:00", "--step", "6mo",
                  "--city", "Szeged", "--title", title, "--out", pdf});
    ASSERT_EQ(r.ExitStatus, 0) << r.Err;
    const std::string text = Output("pdftotext '" + pdf + "' -").value_or("");
    for (const char* words : {"2026. janu\xC3\xA1r 12., h\xC3\xA9tf\xC5\x91 22:00 (UTC+1)",
                              "2026. j\xC3\xBAlius 12., vas\xC3\xA1rnap 22:00 (UTC+2)", "Szeged"})
        EXPECT_NE(text.find(words), std::string::npos) << words;
    // Every word of the first sheet within the A4 width (595 points).
    const std::string boxes = Output("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -").value_or("");
    const std::regex right(R"re(xMax="([0-9.]+)")re");
    int words = 0;
    for (std::sregex_iterator m(boxes.begin(), boxes.end(), right), end; m != end; ++m, ++words)
        EXPECT_LE(std::stod((*m)[1]), 595.3) << (*m)[0];
    EXPECT_GT(words, 100);
}

// The finder chart of M57: its texts in the PDF; on a 72 dpi picture (one
// pixel a point) the chart's square centred at (312.5, 332.5), 493 points
// across for 2 degrees, north up and east left: the 1-degree circle at its
// radius and Sheliak (beta Lyr) where the gnomonic projection puts it.
TEST_F(PrintCommand, FinderChartHasItsGridScaleCirclesAndStars) {
    if (!Have("pdftotext")) GTEST_SKIP() << "poppler-utils not installed";
    const std::vector<std::string> m57{"print", "--center", "M57", "--fov", "2", "--circles", "1"};
    const std::string pdf = (dir / "m57.pdf").string(), png = (dir / "m57.png").string();
    ASSERT_EQ(RunChart(With(m57, {"--out", pdf})).ExitStatus, 0);
    const std::string text = Output("pdftotext '" + pdf + "' -").value_or("");
    for (const char* words : {"M57", "Keres\xC5\x91t\xC3\xA9rk\xC3\xA9p", "18h54m",
                              "+33\xC2\xB0"
                              "00'",
                              "30'", "k\xC3\xB6r\xC3\xB6k: 1\xC2\xB0", "NGC 6720"})
        EXPECT_NE(text.find(words), std::string::npos) << words << "\n" << text;
    const std::vector<std::string> place{"print",     "--center", "18.893078,33.029167", "--fov", "2",
                                         "--circles", "1"};
    ASSERT_EQ(RunChart(With(place, {"--out", png, "--dpi", "72"})).ExitStatus, 0);
    const std::optional<Bitmap> image = ReadPng(png);
    ASSERT_TRUE(image.has_value());
    const double cx = 312.5, cy = 332.5, perRadian = 246.5 / std::tan(Deg);
    const auto red = [&](int x, int y) {
        const Colour c = image->Pixel(x, y);
        return c.Red > 200 && c.Red - c.Green > 60 && c.Green == c.Blue;
    };
    const double r = perRadian * std::tan(0.5 * Deg);
    EXPECT_TRUE(red(static_cast<int>(cx + r), static_cast<int>(cy)) ||
                red(static_cast<int>(cx + r) + 1, static_cast<int>(cy)));
    EXPECT_TRUE(red(static_cast<int>(cx), static_cast<int>(cy - r)) ||
                red(static_cast<int>(cx), static_cast<int>(cy - r) - 1));
    // Sheliak at 18h50m04.8s +33°21'46" (J2000).
    const double ra0 = 18.893078 * 15 * Deg, dec0 = 33.029167 * Deg;
    const double ra = (18 + 50 / 60.0 + 4.8 / 3600) * 15 * Deg, dec = (33 + 21 / 60.0 + 46 / 3600.0) * Deg;
    const double cosc = std::sin(dec0) * std::sin(dec) + std::cos(dec0) * std::cos(dec) * std::cos(ra - ra0);
    const double x = cx - perRadian * std::cos(dec) * std::sin(ra - ra0) / cosc;
    const double y =
        cy - perRadian *
                 (std::cos(dec0) * std::sin(dec) - std::sin(dec0) * std::cos(dec) * std::cos(ra - ra0)) /
                 cosc;
    EXPECT_EQ(image->Pixel(static_cast<int>(x), static_cast<int>(y)), (Colour{0, 0, 0})) << x << " " << y;
}

TEST_F(PrintCommand, BadInputWritesNothing) {
    const std::string pdf = (dir / "sky.pdf").string();
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--out", (dir / "sky.jpg").string()},
          {"--out", pdf, "--dpi", "300"},
          {"--out", pdf, "--paper", "B5"},
          {"--out", (dir / "a.png").string(), "--dpi", "20"},
          {"--out", pdf, "--label-mag", "x"},
          {"--out", pdf, "--size", "10x10"},
          {"--out", pdf, "--center", "M57"},
          {"--out", pdf, "--fov", "2"},
          {"--out", pdf, "--center", "M57", "--fov", "0.1"},
          {"--out", pdf, "--center", "no such thing", "--fov", "2"},
          {"--out", pdf, "--center", "Jupiter", "--fov", "2"},
          {"--out", pdf, "--center", "25,10", "--fov", "2"},
          {"--out", pdf, "--center", "M57", "--fov", "2", "--circles", "-1"}}) {
        const testing::RunResult r = RunChart(With(Sheet, bad));
        EXPECT_EQ(r.ExitStatus, 2) << bad[1];
        EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << r.Err;
        EXPECT_TRUE(fs::is_empty(dir)) << bad[1];
    }
}

}  // namespace
}  // namespace kolvar::cli
