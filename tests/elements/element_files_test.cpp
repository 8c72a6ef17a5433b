// Reading orbital elements files: the MPC packed forms, the sample files of
// both formats, bad input of every kind, and the kept set's own text.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/small_body.h"
#include "elements/element_import.h"
#include "elements/kept_set_text.h"
#include "elements/mpc_designations.h"

namespace kolvar {
namespace {

std::string DataFile(const char* name) { return std::string(KOLVAR_ELEMENTS_DATA) + "/" + name; }

TEST(PackedForms, UnpackAsTheMpcWritesThem) {
    EXPECT_EQ(UnpackMinorPlanetNumber("00001"), 1);
    EXPECT_EQ(UnpackMinorPlanetNumber("A0000"), 100000);
    EXPECT_EQ(UnpackMinorPlanetNumber("z9999"), 619999);
    EXPECT_EQ(UnpackMinorPlanetNumber("~0000"), 620000);
    EXPECT_EQ(UnpackMinorPlanetNumber("~AZaz"), 3140113);
    const struct {
        const char* Packed;
        const char* MinorPlanet;  // "" when not a minor planet's form
        const char* Comet;        // "" when not a comet's form
    } provisional[] = {
        {"J95X00A", "1995 XA", "1995 XA"},
        {"K07Tf8A", "2007 TA418", "2007 TA418"},
        {"PLS2040", "2040 P-L", ""},
        {"T3S3141", "3141 T-3", ""},
        {"J95O010", "", "1995 O1"},
        {"K11J02c", "", "2011 J2-C"},
        {"K14UR1N", "2014 UN271", "2014 UN271"},
        {"K07I00A", "", ""},  // I is no half-month
        {"X07A00A", "", ""},
        {"K0 A00A", "", ""},
    };
    for (const auto& p : provisional) {
        EXPECT_EQ(UnpackMinorPlanetProvisional(p.Packed).value_or(""), p.MinorPlanet) << p.Packed;
        EXPECT_EQ(UnpackCometProvisional(p.Packed).value_or(""), p.Comet) << p.Packed;
    }
    for (const char* bad : {"", "0001", "000001", "~00-0", "A000x"})
        EXPECT_FALSE(UnpackMinorPlanetNumber(bad)) << bad;
    EXPECT_EQ(UnpackDate("K2289"), 2459800.5);  // 2022 August 9
    EXPECT_EQ(UnpackDate("J9611"), 2450083.5);  // 1996 January 1
    EXPECT_FALSE(UnpackDate("K22D1"));          // month 13
    EXPECT_FALSE(UnpackDate("K2220"));          // day 0
}

TEST(ElementFiles, SampleFilesOfBothFormatsReadWhole) {
    const struct {
        const char* File;
        std::size_t Count;
        const char* Designation;
        const char* DisplayName;
    } samples[] = {
        {"jpl_comets.json", 9, "73P-B", "73P-B/Schwassmann-Wachmann 3"},
        {"jpl_comets.json", 9, "C/2011 J2-C", "C/2011 J2-C (LINEAR)"},
        {"jpl_asteroids.json", 7, "2010", "(2010) Chebyshev"},
        {"jpl_asteroids.json", 7, "2010 BK118", "2010 BK118"},
        {"mpc_extract.txt", 10, "620000", "(620000)"},
        {"mpc_extract.txt", 10, "310071", "(310071)"},
        {"mpc_extract.txt", 10, "2I", "2I/Borisov"},
        {"mpc_extract.txt", 10, "C/1995 O1", "C/1995 O1 (Hale-Bopp)"},
    };
    for (const auto& s : samples) {
        const ImportResult r = ImportElementsFile(DataFile(s.File));
        EXPECT_EQ(r.Bodies.size(), s.Count) << s.File;
        EXPECT_EQ(r.ProblemCount, 0u)
            << s.File << ": " << (r.Problems.empty() ? "" : ProblemText(r.Problems[0]));
        bool found = false;
        for (const SmallBody& b : r.Bodies) {
            if (b.Designation != s.Designation) continue;
            found = true;
            EXPECT_EQ(DisplayName(b), s.DisplayName);
        }
        EXPECT_TRUE(found) << s.Designation;
    }
    // The MPC comet's k of 4 is the slope 10 of log r; a blank epoch is the perihelion.
    const ImportResult mpc = ImportElementsFile(DataFile("mpc_extract.txt"));
    const SmallBody& stereo = mpc.Bodies[8];
    EXPECT_EQ(stereo.Designation, "C/2014 C2");
    EXPECT_EQ(stereo.Slope, 10.0);
    EXPECT_EQ(stereo.Epoch, stereo.PerihelionTime);
    EXPECT_TRUE(std::isnan(mpc.Bodies[9].Magnitude));
}

// A minor planet line in the MPCORB layout, Vesta's, to break in places.
const std::string Vesta =
    "00004    3.20  0.32 K2289  61.19230  151.25778  103.80081    7.14078  0.0884019  0.27151121   2.3619872";

TEST(ElementFiles, BadLinesAreNamedAndTheGoodOnesKept) {
    const auto replaced = [](std::string line, std::size_t at, const std::string& with) {
        return line.replace(at, with.size(), with);
    };
    const struct {
        std::string Line;
        const char* Reason;
    } bad[] = {
        {Vesta.substr(0, 80), "truncated line (80 characters, the elements need 103)"},
        {replaced(Vesta, 70, "0.08x4019"), "eccentricity not a number"},
        {replaced(Vesta, 70, "-.0884019"), "eccentricity below 0"},
        {replaced(Vesta, 70, "      nan"), "eccentricity not a number"},
        {replaced(Vesta, 92, "   -2.36198"), "semi-major axis not above 0"},
        {replaced(Vesta, 59, "  197.140"), "inclination outside 0..180 degrees"},
        {replaced(Vesta, 0, "0000!"), "unknown packed designation '0000!'"},
        {replaced(Vesta, 20, "K22Z9"), "unknown packed epoch 'K22Z9'"},
        {"    CJ95O010  1997 03 29.6466  0.890662  -.994972  130.4139  282.7613   89.2742",
         "eccentricity below 0"},
        {"    CJ95O010  1997 13 29.6466  0.890662  0.994972  130.4139  282.7613   89.2742",
         "perihelion date out of range"},
        {"    CX95O010  1997 03 29.6466  0.890662  0.994972  130.4139  282.7613   89.2742",
         "unknown packed designation 'X95O010'"},
        {std::string(5000, 'x'), "line longer than 4096 characters"},
    };
    std::string text = Vesta + "\n";
    for (const auto& b : bad) text += b.Line + "\n\n";
    text += Vesta + "\r\n";
    const ImportResult r = ImportElementsText(text);
    EXPECT_EQ(r.Bodies.size(), 2u);
    ASSERT_EQ(r.Problems.size(), std::size(bad));
    for (std::size_t k = 0; k < std::size(bad); ++k) {
        EXPECT_EQ(r.Problems[k].Line, 2 + 2 * k);
        EXPECT_EQ(r.Problems[k].Reason, bad[k].Reason);
    }
}

TEST(ElementFiles, BrokenFilesGiveReasonsAndKeepWhatCameBefore) {
    EXPECT_EQ(ImportElementsText("").Problems.at(0).Reason, "the file is empty");
    EXPECT_EQ(ImportElementsText(std::string("\x89PNG\r\n\x1a\n\0\0", 10)).Problems.at(0).Reason,
              "not a text file (it holds NUL bytes)");
    EXPECT_TRUE(ImportElementsFile(DataFile("no-such-file")).Unreadable);
    EXPECT_TRUE(ImportElementsFile(KOLVAR_ELEMENTS_DATA).Unreadable);
    // Junk past the named problems is counted, not kept, before a first body as after it.
    std::string junk;
    for (int k = 0; k < 3000; ++k) junk += "junk\n";
    for (const std::string& text : {junk, junk + Vesta + "\n" + junk}) {
        const ImportResult j = ImportElementsText(text);
        EXPECT_EQ(j.Problems.size(), MaxNamedProblems);
        EXPECT_EQ(j.ProblemCount, text.size() > junk.size() ? 6000u : 3000u);
    }

    // JSON: a bad row is named, a syntax error ends the reading, rows before it stay.
    const std::string fields =
        R"({"fields":["full_name","q","e","i","w","om","tp","epoch.mjd","M1"],"data":[)";
    const std::string good =
        R"(["1P/Halley","0.586","0.967","162.26","111.33","58.42","2446467.4",49400,"5.5"])";
    const ImportResult r = ImportElementsText(
        fields + good + ",\n" + R"(["2P/Encke","0.33","-0.8","11","186","334","2457822.5",57296,null],)" +
        "\n" + R"(["3P", "1"],)" + "\n" + good + ",\n[\"x\" 1]");
    ASSERT_EQ(r.Bodies.size(), 2u);
    ASSERT_EQ(r.Problems.size(), 3u);
    EXPECT_EQ(ProblemText(r.Problems[0]), "row 2 (line 2): eccentricity below 0");
    EXPECT_EQ(ProblemText(r.Problems[1]), "row 3 (line 3): 2 values for 9 fields");
    EXPECT_EQ(ProblemText(r.Problems[2]),
              "line 5: JSON: expected ',' or ']' but found '1'; the rest of the file is not read");
    EXPECT_EQ(ImportElementsText(R"({"data":[[1]],"fields":[]})").Problems.at(0).Reason,
              "JSON: \"data\" before \"fields\": the rows cannot be read; the rest of the file is not read");
    // Nesting past the limit is a syntax error, not a deep recursion.
    EXPECT_EQ(ImportElementsText("{\"x\":" + std::string(100000, '[')).Problems.size(), 1u);
}

TEST(KeptSet, TextReadsBackToTheSameBodiesAndMergeReplacesByDesignation) {
    ImportResult r = ImportElementsFile(DataFile("jpl_comets.json"));
    const std::string text = KeptSetText(r.Bodies);
    const ImportResult back = ReadKeptSetText(text);
    ASSERT_EQ(back.Bodies.size(), r.Bodies.size());
    EXPECT_EQ(KeptSetText(back.Bodies), text);  // every double exact
    EXPECT_TRUE(std::isnan(back.Bodies[7].Magnitude) == std::isnan(r.Bodies[7].Magnitude));

    std::size_t replaced = 0;
    std::vector<SmallBody> newer = {r.Bodies[0]};
    newer[0].Epoch += 1.0;
    // The extract has 2P, C/1995 O1 and C/2011 J2-C too: their newer elements replace the JPL ones.
    const auto merged =
        MergeBodies(back.Bodies, ImportElementsFile(DataFile("mpc_extract.txt")).Bodies, replaced);
    EXPECT_EQ(merged.size(), 9u + 10u - 3u);
    EXPECT_EQ(replaced, 3u);
    const auto again = MergeBodies(merged, newer, replaced);
    EXPECT_EQ(again.size(), merged.size());
    EXPECT_EQ(replaced, 1u);
    EXPECT_EQ(again[0].Epoch, newer[0].Epoch);

    // A hand-damaged line is skipped with its number; a foreign file is refused whole.
    std::string damaged = text;
    damaged.insert(damaged.find("\nC\t2P") + 1, "C\t9P\tx\t1\n");
    const ImportResult d = ReadKeptSetText(damaged);
    EXPECT_EQ(d.Bodies.size(), r.Bodies.size());
    ASSERT_EQ(d.Problems.size(), 1u);
    EXPECT_EQ(ProblemText(d.Problems[0]), "line 4: 4 fields instead of 12");
    EXPECT_TRUE(ReadKeptSetText("q e i\n1 2 3\n").Bodies.empty());
}

}  // namespace
}  // namespace kolvar
