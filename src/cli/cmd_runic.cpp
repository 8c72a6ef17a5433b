// kolvar-chart runic: a sheet of the runic script as the program carries it:
// every glyph of the Runex23x font with its byte code, the Greek letters of the
// Symbol face, every runic name with its Hungarian source and keys, and the
// fixed runic captions of the windows.

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "canvas/font_registry.h"
#include "canvas/program_fonts.h"
#include "catalog/runic_names.h"
#include "cli/cli_options.h"
#include "cli/output_file.h"
#include "cli/subcommands.h"
#include "texts/runic_captions.h"
#include "texts/runic_transliteration.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec RunicOptions[] = {
    {"--out", "FILE.png", "PNG file to write (default runes.png; - for standard output)"},
};

constexpr CommandSpec RunicCommand{
    "runic",
    "Draws the runic script sheet: every glyph of the Runex23x font with its byte code,\n"
    "the Symbol face's Greek letters, every runic name with its Hungarian source and\n"
    "look-up keys, and the fixed runic captions of the windows.",
    RunicOptions,
};

constexpr int SheetWidth = 1920;
constexpr int Margin = 24;
constexpr int CellSize = 58;
constexpr int NameColumns = 3;
constexpr int NameRowHeight = 24;
constexpr Colour Background = colours::Navy;
constexpr Colour Dim{150, 150, 200};
constexpr Colour Empty{30, 30, 90};

// One line of the name list: runic text in reading order, its source and keys.
struct SheetName {
    std::string Runic;
    std::string Hungarian;  // Windows-1250
    std::string Keys;
    bool Primary = false;
};

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) {
        if (p.empty()) continue;
        if (!out.empty()) out += ' ';
        out += p;
    }
    return out;
}

std::vector<SheetName> CollectNames() {
    const RunicNameTables& t = RunicNames();
    std::vector<SheetName> names;
    for (const RunicNameRecord& r : t.RunicNameTableA) {
        names.push_back({r.RunicName, r.Hungarian,
                         Join({"A", r.ConstellationAbbr, r.LatinName, r.BayerName, r.FlamsteedText}), true});
    }
    for (const RunicNameRecord& r : t.RunicNameTableB) {
        names.push_back({r.RunicName, r.Hungarian,
                         Join({"B", r.ConstellationAbbr, r.LatinName, r.BayerName, r.FlamsteedText}), false});
    }
    for (const RunicConstellationName& c : t.RunicConstellationNames) {
        names.push_back({c.RunicName, c.Hungarian, Join({"C", c.ConstellationAbbr}), false});
    }
    for (const RunicGroupName& g : t.PleiadesRunicNames)
        names.push_back({g.RunicName, g.Hungarian, "Pleiades", false});
    for (const RunicGroupName& g : t.HyadesRunicNames)
        names.push_back({g.RunicName, g.Hungarian, "Hyades", false});
    return names;
}

void SetFont(Canvas& canvas, std::string_view face, int points, Colour colour) {
    canvas.SetFontFace(face);
    canvas.SetFontSize(points);
    canvas.SetFontColour(colour);
    canvas.SetBrushColour(Background);
}

int Heading(Canvas& canvas, int y, std::string_view text) {
    SetFont(canvas, "Arial", 14, colours::Yellow);
    canvas.TextOut(Margin, y, text);
    return y + canvas.TextExtent(text).Height + 8;
}

std::string HexByte(unsigned b) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", b);
    return text;
}

// Rows 0x20..0xF0 of sixteen cells; bytes without a glyph are dark.
int DrawGlyphGrid(Canvas& canvas, int top) {
    int y = Heading(canvas, top, "Runex23x: every byte with its glyph (code in hex)");
    for (unsigned row = 2; row < 16; ++row) {
        for (unsigned col = 0; col < 16; ++col) {
            const unsigned b = row * 16 + col;
            const int x = Margin + static_cast<int>(col) * CellSize;
            const std::string glyph(1, static_cast<char>(b));
            const bool has = FaceHasGlyphs("Runex23x", glyph);
            canvas.SetBrushColour(has ? Background : Empty);
            canvas.FillRect({x, y, x + CellSize - 2, y + CellSize - 2});
            SetFont(canvas, "Arial", 7, Dim);
            canvas.SetBrushColour(has ? Background : Empty);
            canvas.TextOut(x + 2, y + 1, HexByte(b));
            if (!has) continue;
            SetFont(canvas, "Runex23x", 20, colours::White);
            const int w = canvas.TextExtent(glyph).Width;
            canvas.TextOut(x + (CellSize - 2 - w) / 2, y + 14, glyph);
        }
        y += CellSize;
    }
    return y + 12;
}

// The 24 letters of the label's Greek row: the Latin key and its Symbol glyph.
int DrawSymbolRow(Canvas& canvas, int top) {
    int y = Heading(canvas, top, "Symbol: Latin letters show Greek ones");
    constexpr std::string_view Letters = "abgdezhqiklmnxoprstufcyw";
    for (std::size_t i = 0; i < Letters.size(); ++i) {
        const int x = Margin + static_cast<int>(i) * CellSize;
        const std::string letter(1, Letters[i]);
        SetFont(canvas, "Arial", 9, Dim);
        canvas.TextOut(x + 2, y, letter);
        SetFont(canvas, "Symbol", 20, colours::White);
        canvas.TextOut(x + 18, y + 10, letter);
    }
    return y + CellSize + 12;
}

// Runic names right-aligned as the label draws them (reversed), then the
// Hungarian source and the keys; primary names in cyan.
int DrawNames(Canvas& canvas, int top, const std::vector<SheetName>& names) {
    int y = Heading(canvas, top,
                    "Runic names as the labels draw them, with their Hungarian source and keys "
                    "(cyan: primary, table A)");
    const int columnWidth = (SheetWidth - 2 * Margin) / NameColumns;
    const int rows = static_cast<int>((names.size() + NameColumns - 1) / NameColumns);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const SheetName& n = names[i];
        const int column = static_cast<int>(i) / rows;
        const int x = Margin + column * columnWidth;
        const int rowY = y + (static_cast<int>(i) % rows) * NameRowHeight;
        const std::string drawn = ReverseRunicText(n.Runic);
        SetFont(canvas, "Runex23x", 13, n.Primary ? colours::Cyan : colours::White);
        const int w = canvas.TextExtent(drawn).Width;
        canvas.TextOut(x + 230 - w, rowY, drawn);
        SetFont(canvas, "Arial", 10, colours::White);
        canvas.TextOut(x + 240, rowY + 2, n.Hungarian);
        SetFont(canvas, "Arial", 8, Dim);
        canvas.TextOut(x + 420, rowY + 4, n.Keys);
    }
    return y + rows * NameRowHeight + 12;
}

int DrawCaptions(Canvas& canvas, int top, const std::vector<NamedRunicCaption>& captions) {
    int y = Heading(canvas, top, "Fixed runic captions, drawn as stored");
    const int columnWidth = (SheetWidth - 2 * Margin) / 2;
    const int rows = static_cast<int>((captions.size() + 1) / 2);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int x = Margin + (static_cast<int>(i) / rows) * columnWidth;
        const int rowY = y + (static_cast<int>(i) % rows) * (NameRowHeight + 4);
        SetFont(canvas, "Arial", 9, Dim);
        canvas.TextOut(x, rowY + 4, captions[i].Component);
        SetFont(canvas, "Runex23x", 14, colours::White);
        canvas.TextOut(x + 170, rowY, captions[i].Stored);
    }
    return y + rows * (NameRowHeight + 4) + 12;
}

int DrawSheet(Canvas* canvas, const std::vector<SheetName>& names,
              const std::vector<NamedRunicCaption>& captions) {
    int y = Margin;
    y = DrawGlyphGrid(*canvas, y);
    y = DrawSymbolRow(*canvas, y);
    y = DrawNames(*canvas, y, names);
    y = DrawCaptions(*canvas, y, captions);
    return y + Margin;
}

std::string SheetFileName(const ParsedOptions& options) {
    std::string out = "runes.png";
    if (auto value = options.Value("--out")) out = std::string(*value);
    CheckOutputName("--out", out);
    return out;
}

int WriteSheet(const ParsedOptions& options) {
    const std::string out = SheetFileName(options);
    if (!RegisterProgramFonts()) {
        std::fprintf(stderr, "%s runic: the embedded fonts cannot be read\n", ProgramName.data());
        return ExitFailure;
    }
    InitRunicNames();
    const std::vector<SheetName> names = CollectNames();
    const std::vector<NamedRunicCaption> captions = AllRunicCaptions();

    // Lay out once on a scratch canvas to learn the height, then draw for real.
    Bitmap scratch(SheetWidth, 1, Background);
    Canvas measure(scratch);
    const int height = DrawSheet(&measure, names, captions);
    Bitmap sheet(SheetWidth, height, Background);
    Canvas canvas(sheet);
    DrawSheet(&canvas, names, captions);

    if (const std::string error = WritePng(sheet, out); !error.empty()) {
        std::fprintf(stderr, "%s runic: %s\n", ProgramName.data(), error.c_str());
        return ExitFailure;
    }
    if (!IsStandardOutput(out)) std::printf("%s\n", out.c_str());
    return ExitSuccess;
}

}  // namespace

int RunRunic(std::span<char* const> args) { return RunCommand(RunicCommand, args, WriteSheet); }

std::optional<std::string> RunicRefusal(std::span<char* const> args) {
    return RefusalOf(RunicCommand, args, [](const ParsedOptions& options) { SheetFileName(options); });
}

}  // namespace kolvar::cli
