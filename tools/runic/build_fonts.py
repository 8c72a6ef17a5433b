#!/usr/bin/python3
"""Builds the program's two fonts from free glyph sources.

resources/Runex23x.ttf  -- the runic face: one glyph per byte of the runic
                           8-bit mapping (runes from Noto Sans Old Hungarian,
                           astronomical symbols, digits and punctuation from
                           DejaVu Sans).
resources/Symbol.ttf    -- the Greek-letter face "Symbol" of the name labels:
                           Latin letters show Greek ones.

Both fonts answer a plain 8-bit look-up twice: a Unicode cmap entry U+00xx for
every byte and a Windows symbol cmap (3,0) entry U+F0xx, so FreeType, Qt and
symbol-font aware tools all draw the stored bytes directly.  The bytes
0x80..0x9F are also reachable through their Windows-1252 code points, since
some toolkits turn 8-bit text into Unicode that way.

Usage: /usr/bin/python3 tools/runic/build_fonts.py [--out-dir resources] [--check]
  --check  write nothing; exit 1 when the committed fonts differ from a fresh build
"""

import argparse
import os
import re
import sys
import tempfile

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

NOTO = "/usr/share/fonts/truetype/noto/NotoSansOldHungarian-Regular.ttf"
DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
NOTO_COPYRIGHT = "/usr/share/doc/fonts-noto-core/copyright"
DEJAVU_COPYRIGHT = "/usr/share/doc/fonts-dejavu-core/copyright"

UPM = 1000
# DejaVu is drawn at 2048 units per em; at 90 % of its size its digits and
# symbols stand about as tall as the runes.
DEJAVU_SCALE = 0.9 * UPM / 2048

# Small letters of the Old Hungarian block; capitals are 0x40 lower.
OLD_HUNGARIAN_SMALL = {
    "A": 0x10CC0, "AA": 0x10CC1, "EB": 0x10CC2, "AMB": 0x10CC3, "EC": 0x10CC4,
    "ECS": 0x10CC6, "ED": 0x10CC7, "E": 0x10CC9, "EE": 0x10CCB, "EF": 0x10CCC,
    "EG": 0x10CCD, "EGY": 0x10CCE, "EH": 0x10CCF, "I": 0x10CD0, "II": 0x10CD1,
    "EJ": 0x10CD2, "EK": 0x10CD3, "AK": 0x10CD4, "EL": 0x10CD6, "ELY": 0x10CD7,
    "EM": 0x10CD8, "EN": 0x10CD9, "ENY": 0x10CDA, "O": 0x10CDB, "OO": 0x10CDC,
    "RUDIMENTA OE": 0x10CDE, "OEE": 0x10CDF, "EP": 0x10CE0, "ER": 0x10CE2,
    "ES": 0x10CE4, "ESZ": 0x10CE5, "ET": 0x10CE6, "ETY": 0x10CE8, "ECH": 0x10CE9,
    "U": 0x10CEA, "UU": 0x10CEB, "NIKOLSBURG UE": 0x10CEC, "RUDIMENTA UE": 0x10CED,
    "EV": 0x10CEE, "EZ": 0x10CEF, "EZS": 0x10CF0,
}

# The rune of each letter byte (lower case; upper case takes the capital form).
RUNE_OF_LETTER = {
    "a": "A", "b": "EB", "c": "EC", "d": "ED", "e": "E", "f": "EF", "g": "EG",
    "h": "EH", "i": "I", "j": "EJ", "k": "EK", "l": "EL", "m": "EM", "n": "EN",
    "o": "O", "p": "EP", "q": "AK", "r": "ER", "s": "ES", "t": "ET", "u": "U",
    "v": "EV", "w": "EV", "x": "ECH", "y": "I", "z": "EZ",
}
RUNE_OF_LATIN1 = {
    0xB5: "AMB", 0xDF: "ESZ", 0xE4: "ESZ", 0xE6: "EZS", 0xE7: "ECS", 0xE9: "EE",
    0xF0: "EGY", 0xF1: "ENY", 0xF6: "RUDIMENTA OE", 0xF8: "ELY", 0xFC: "RUDIMENTA UE",
    0xFE: "ETY", 0xE1: "AA", 0xED: "II", 0xF3: "OO", 0xFA: "UU", 0xF5: "OEE",
    0xFB: "NIKOLSBURG UE",
}
# Latin-1 capitals 0xC0..0xDE carry the capital rune of their small letter.
CAPITAL_LATIN1 = {b - 0x20: r for b, r in RUNE_OF_LATIN1.items() if 0xE0 <= b <= 0xFE}

# Bytes 149..170: Sun, Moon, Mercury..Neptune, Earth, Aries..Pisces.
SYMBOLS = {0x95: 0x2609, 0x96: 0x263D, 0x97: 0x263F, 0x98: 0x2640, 0x99: 0x2642,
           0x9A: 0x2643, 0x9B: 0x2644, 0x9C: 0x2645, 0x9D: 0x2646, 0x9E: 0x2641}
SYMBOLS.update({0x9F + i: 0x2648 + i for i in range(12)})

# Latin glyphs kept so that numbers, "=" marks and punctuation show.
LATIN_PUNCTUATION = [b for b in range(0x21, 0x7F)
                     if not chr(b).isalpha() and b != 0x60] + [0xB0]

MARK_BYTE = 0x60
FIXED_TIMESTAMP = 3786825600  # 2024-01-01 in seconds since 1904

GREEK_OF_LATIN = {
    "a": 0x3B1, "b": 0x3B2, "g": 0x3B3, "d": 0x3B4, "e": 0x3B5, "z": 0x3B6,
    "h": 0x3B7, "q": 0x3B8, "i": 0x3B9, "k": 0x3BA, "l": 0x3BB, "m": 0x3BC,
    "n": 0x3BD, "x": 0x3BE, "o": 0x3BF, "p": 0x3C0, "r": 0x3C1, "s": 0x3C3,
    "t": 0x3C4, "u": 0x3C5, "f": 0x3C6, "c": 0x3C7, "y": 0x3C8, "w": 0x3C9,
    "j": 0x3D5, "v": 0x3D6,
}
GREEK_OF_LATIN.update({
    "A": 0x391, "B": 0x392, "G": 0x393, "D": 0x394, "E": 0x395, "Z": 0x396,
    "H": 0x397, "Q": 0x398, "I": 0x399, "K": 0x39A, "L": 0x39B, "M": 0x39C,
    "N": 0x39D, "X": 0x39E, "O": 0x39F, "P": 0x3A0, "R": 0x3A1, "S": 0x3A3,
    "T": 0x3A4, "U": 0x3A5, "F": 0x3A6, "C": 0x3A7, "Y": 0x3A8, "W": 0x3A9,
    "J": 0x3D1, "V": 0x3C2,
})

WINDOWS_1252_HIGH = bytes(range(0x80, 0xA0)).decode("cp1252", errors="replace")


class GlyphSource:
    """One source font: draws its glyphs, scaled, into new TrueType glyphs."""

    def __init__(self, path, scale):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.scale = scale

    def glyph(self, codepoint):
        name = self.cmap.get(codepoint)
        if name is None:
            raise SystemExit(f"{codepoint:#x} missing from {self.font.reader.file.name}")
        outline = DecomposingRecordingPen(self.glyphs)  # composites become plain contours
        self.glyphs[name].draw(outline)
        pen = TTGlyphPen(None)
        outline.replay(TransformPen(pen, (self.scale, 0, 0, self.scale, 0, 0)))
        advance = round(self.font["hmtx"][name][0] * self.scale)
        return pen.glyph(), advance


def mark_glyph():
    """The length/doubling mark: a short slanted stroke with a small advance."""
    pen = TTGlyphPen(None)
    pen.moveTo((40, 420))
    pen.lineTo((100, 420))
    pen.lineTo((150, 640))
    pen.lineTo((90, 640))
    pen.closePath()
    return pen.glyph(), 190


def notdef_glyph():
    pen = TTGlyphPen(None)
    for (x0, y0, x1, y1), clockwise in (((50, 0, 450, 700), True), ((100, 50, 400, 650), False)):
        points = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not clockwise:
            points.reverse()
        pen.moveTo(points[0])
        for p in points[1:]:
            pen.lineTo(p)
        pen.closePath()
    return pen.glyph(), 500


def empty_glyph():
    return TTGlyphPen(None).glyph()


def build_font(path, family, byte_glyphs, space_advance, copyright_text, licence_text):
    """byte_glyphs: {byte: (glyph, advance)}; writes a TrueType font to path."""
    order = [".notdef", "space"] + [f"b{b:02X}" for b in sorted(byte_glyphs)]
    glyphs = {".notdef": notdef_glyph()[0], "space": empty_glyph()}
    metrics = {".notdef": (500, 50), "space": (space_advance, 0)}
    for b, (glyph, advance) in byte_glyphs.items():
        name = f"b{b:02X}"
        glyphs[name] = glyph
        glyph.recalcBounds(None)
        metrics[name] = (advance, getattr(glyph, "xMin", 0))

    byte_to_name = {0x20: "space", 0xA0: "space"}
    byte_to_name.update({b: f"b{b:02X}" for b in byte_glyphs})
    unicode_map = dict(byte_to_name)
    for b, name in byte_to_name.items():
        if 0x80 <= b < 0xA0 and WINDOWS_1252_HIGH[b - 0x80] != "\ufffd":
            unicode_map[ord(WINDOWS_1252_HIGH[b - 0x80])] = name
    symbol_map = {0xF000 + b: name for b, name in byte_to_name.items()}

    fb = FontBuilder(UPM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(unicode_map)
    cmap = fb.font["cmap"]
    symbol = CmapSubtable.newSubtable(4)
    symbol.platformID, symbol.platEncID, symbol.language = 3, 0, 0
    symbol.cmap = symbol_map
    cmap.tables.append(symbol)
    cmap.tables.sort(key=lambda t: (t.platformID, t.platEncID))
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=860, descent=-240)
    fb.setupNameTable({
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": f"Kolvar: {family} 1.0",
        "fullName": family,
        "psName": family,
        "version": "Version 1.000",
        "copyright": copyright_text,
        "licenseDescription": licence_text,
        "licenseInfoURL": "https://openfontlicense.org",
    })
    fb.setupOS2(sTypoAscender=860, sTypoDescender=-240, sTypoLineGap=0,
                usWinAscent=900, usWinDescent=260, sxHeight=600, sCapHeight=700,
                fsType=0, achVendID="KOLV",
                ulCodePageRange1=(1 << 0) | (1 << 31))  # Latin 1 and symbol
    fb.setupPost(keepGlyphNames=False)
    head = fb.font["head"]
    head.fontRevision = 1.0
    # Fixed dates keep the committed files byte-identical when rebuilt.
    head.created = head.modified = FIXED_TIMESTAMP
    fb.font.recalcTimestamp = False
    fb.save(path)


def runex_glyphs(noto, dejavu):
    glyphs = {}
    for letter, rune in RUNE_OF_LETTER.items():
        small = OLD_HUNGARIAN_SMALL[rune]
        glyphs[ord(letter)] = noto.glyph(small)
        glyphs[ord(letter.upper())] = noto.glyph(small - 0x40)
    for b, rune in RUNE_OF_LATIN1.items():
        glyphs[b] = noto.glyph(OLD_HUNGARIAN_SMALL[rune])
    for b, rune in CAPITAL_LATIN1.items():
        glyphs[b] = noto.glyph(OLD_HUNGARIAN_SMALL[rune] - 0x40)
    for b in LATIN_PUNCTUATION:
        glyphs[b] = dejavu.glyph(b)
    for b, cp in SYMBOLS.items():
        glyphs[b] = dejavu.glyph(cp)
    glyphs[MARK_BYTE] = mark_glyph()
    return glyphs


def symbol_glyphs(dejavu):
    glyphs = {ord(c): dejavu.glyph(cp) for c, cp in GREEK_OF_LATIN.items()}
    for b in LATIN_PUNCTUATION:
        glyphs[b] = dejavu.glyph(b)
    return glyphs


def debian_licence_paragraph(path, name):
    """The 'License: <name>' stand-alone paragraph of a Debian copyright file, de-indented."""
    text = open(path, encoding="utf-8").read()
    m = re.search(rf"^License: {re.escape(name)}\n((?: .*\n?)+)", text, re.M)
    if not m:
        raise SystemExit(f"no licence paragraph {name} in {path}")
    lines = [line[1:] for line in m.group(1).splitlines()]
    return "\n".join("" if line == "." else line for line in lines) + "\n"


def write_licences(out_dir):
    licences = os.path.join(out_dir, "licences")
    os.makedirs(licences, exist_ok=True)
    with open(os.path.join(licences, "OFL-1.1.txt"), "w", encoding="utf-8") as f:
        f.write("Runes of Runex23x: Noto Sans Old Hungarian\n"
                "Copyright 2018-2020 Google LLC. All Rights Reserved.\n"
                "(Debian fonts-noto-core, /usr/share/fonts/truetype/noto/NotoSansOldHungarian-Regular.ttf)\n\n"
                "The fonts Runex23x and Symbol are derivative works and are released under\n"
                "the same licence.\n\n"
                "SIL OPEN FONT LICENSE Version 1.1\n\n")
        f.write(debian_licence_paragraph(NOTO_COPYRIGHT, "OFL-1.1"))
    with open(os.path.join(licences, "DejaVu-Bitstream-Vera.txt"), "w", encoding="utf-8") as f:
        f.write("Digits, punctuation, astronomical symbols and Greek letters of Runex23x and\n"
                "Symbol: DejaVu Sans 2.37 (Debian fonts-dejavu-core).\n"
                "Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved.\n"
                "Bitstream Vera is a trademark of Bitstream, Inc.\n"
                "Copyright (c) 2006 by Tavmjong Bah. All Rights Reserved.\n"
                "DejaVu changes are in public domain.\n\n")
        f.write(open(DEJAVU_COPYRIGHT, encoding="utf-8").read())


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(here, "..", "..", "resources"))
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if args.check:
        with tempfile.TemporaryDirectory() as tmp:
            build_all(tmp)
            stale = [name for name in ("Runex23x.ttf", "Symbol.ttf")
                     if open(os.path.join(tmp, name), "rb").read()
                     != open(os.path.join(args.out_dir, name), "rb").read()]
        if stale:
            print("out of date, run tools/runic/build_fonts.py:", ", ".join(stale))
            return 1
        print("fonts are up to date")
        return 0
    build_all(args.out_dir)
    write_licences(args.out_dir)
    return 0


def build_all(out_dir):
    """Writes Runex23x.ttf and Symbol.ttf into out_dir."""
    noto = GlyphSource(NOTO, 1.0)
    dejavu = GlyphSource(DEJAVU, DEJAVU_SCALE)
    copyright_text = ("Runes: Copyright 2018-2020 Google LLC (Noto Sans Old Hungarian). "
                      "Symbols, digits, Greek: Copyright (c) 2003 Bitstream, Inc.; "
                      "DejaVu changes are in public domain.")
    licence_text = ("This Font Software is licensed under the SIL Open Font License, Version 1.1. "
                    "Glyphs taken from DejaVu Sans keep the Bitstream Vera licence notice "
                    "(see licences/DejaVu-Bitstream-Vera.txt).")
    build_font(os.path.join(out_dir, "Runex23x.ttf"), "Runex23x",
               runex_glyphs(noto, dejavu), 300, copyright_text, licence_text)
    build_font(os.path.join(out_dir, "Symbol.ttf"), "Symbol",
               symbol_glyphs(dejavu), 300, copyright_text, licence_text)


if __name__ == "__main__":
    sys.exit(main())
