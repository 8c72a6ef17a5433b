#!/usr/bin/python3
"""Hungarian text -> runic bytes of the Runex23x font, in reading order.

The same routine is implemented in C++ (src/texts/runic_transliteration.cpp);
the name-table test checks that both agree on every generated name.

1. lower-case the text;
2. Hungarian digraphs become single bytes (dzs -> d + zs, cs, gy, ly, ny, sz, ty, zs),
   taking at each position the longest spelling that matches;
3. a doubled consonant, also a doubled digraph (ssz, ggy, lly, nny, tty, ccs, zzs),
   becomes one byte followed by the mark 0x60;
4. long vowels a', i', o', u', o", u" become the short vowel followed by the mark;
   e' has a rune of its own;
5. other letters map to themselves; characters with no glyph are dropped.

Usage as a tool: transliterate.py WORD... prints each result (bytes shown as Latin-1).
"""

import sys

# Digraphs, longest first within each starting letter; the doubled forms come
# first so that "ssz" is one doubled sz, not s + sz.
DIGRAPHS = [
    ("dzs", b"d\xe6"),
    ("ccs", b"\xe7`"), ("ggy", b"\xf0`"), ("lly", b"\xf8`"), ("nny", b"\xf1`"),
    ("ssz", b"\xdf`"), ("tty", b"\xfe`"), ("zzs", b"\xe6`"),
    ("cs", b"\xe7"), ("gy", b"\xf0"), ("ly", b"\xf8"), ("ny", b"\xf1"),
    ("sz", b"\xdf"), ("ty", b"\xfe"), ("zs", b"\xe6"),
]
LONG_VOWELS = {"á": b"a`", "í": b"i`", "ó": b"o`", "ú": b"u`", "ő": b"\xf6`", "ű": b"\xfc`"}
OWN_RUNES = {"é": b"\xe9", "ö": b"\xf6", "ü": b"\xfc"}
VOWELS = set("aeiouy") | set("\xe9\xf6\xfc")
# Latin glyphs of the font that are kept as they are (the mark 0x60 is not one of them).
KEPT = set(" 0123456789.,;:-()=?!'\"/+*%&#<>[]_{}|~$@^\\")


def lower(text: str) -> str:
    """Lower case for the letters Hungarian uses, exactly as the C++ routine does
    (str.lower would also fold letters such as the Kelvin sign into ASCII)."""
    out = []
    for ch in text:
        c = ord(ch)
        if ord("A") <= c <= ord("Z") or (0xC0 <= c <= 0xDE and c != 0xD7):
            c += 0x20
        elif c in (0x150, 0x170):  # Ő, Ű
            c += 1
        out.append(chr(c))
    return "".join(out)


def transliterate(text: str) -> bytes:
    text = lower(text)
    units = []  # one entry per rune: bytes without the mark
    marks = []  # whether that rune carries the mark
    i = 0
    while i < len(text):
        for spelling, runes in DIGRAPHS:
            if text.startswith(spelling, i):
                i += len(spelling)
                if runes.endswith(b"`"):
                    units.append(runes[:-1])
                    marks.append(True)
                elif len(runes) == 2:  # dzs: d followed by zs
                    units += [runes[:1], runes[1:]]
                    marks += [False, False]
                else:
                    units.append(runes)
                    marks.append(False)
                break
        else:
            ch = text[i]
            i += 1
            if "a" <= ch <= "z":
                units.append(ch.encode("ascii"))
                marks.append(False)
            elif ch in OWN_RUNES:
                units.append(OWN_RUNES[ch])
                marks.append(False)
            elif ch in LONG_VOWELS:
                units.append(LONG_VOWELS[ch][:1])
                marks.append(True)
            elif ch in KEPT:
                units.append(ch.encode("ascii"))
                marks.append(False)
            # anything else has no rune and is dropped
    out = bytearray()
    prev = None
    for unit, marked in zip(units, marks):
        letter = unit.isalpha() or unit[0] >= 0x80
        consonant = letter and unit.decode("latin-1") not in VOWELS
        if consonant and not marked and unit == prev and out and out[-1:] != b"`":
            out += b"`"  # the second of a doubled consonant becomes the mark
            prev = None
            continue
        out += unit
        if marked:
            out += b"`"
        prev = unit if not marked else None
    return bytes(out)


def reversed_caption(text: str) -> bytes:
    """A caption that is drawn as stored is stored in reverse reading order."""
    return transliterate(text)[::-1]


if __name__ == "__main__":
    for word in sys.argv[1:]:
        print(transliterate(word).decode("latin-1"))
