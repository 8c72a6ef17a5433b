#!/usr/bin/python3
"""Draws the two 105 x 105 Moon face pictures of the main window.

moon_light.png holds the fully lit face, moon_dark.png the same face unlit:
a disc of radius 51 centred at (52, 52) on a dark blue background
(0, 0, 102) that both pictures share. The Moon phase picture is cut together
from these two, so their discs must match pixel for pixel. A few soft grey
patches stand for the maria and give the face some texture; they are the
same in both pictures.

Pure Python with zlib; writes 8-bit RGB PNG files.

Usage: tools/draw_moon_pictures.py [OUTPUT_DIR]   (default: resources/)
"""

import math
import os
import struct
import sys
import zlib

SIZE = 105
CENTRE = 52
RADIUS = 51
BACKGROUND = (0, 0, 102)
LIGHT = (255, 250, 190)   # pale yellow
DARK = (84, 56, 30)       # dark brown

# Maria: (x, y, radius, strength) in picture pixels, strength 0..1 darkens.
MARIA = [
    (38, 36, 13, 0.20),   # Imbrium
    (30, 55, 10, 0.16),   # Procellarum
    (62, 38, 9, 0.22),    # Serenitatis
    (70, 52, 10, 0.20),   # Tranquillitatis
    (82, 44, 6, 0.24),    # Crisium
    (74, 66, 7, 0.15),    # Fecunditatis
    (48, 72, 6, 0.14),    # Nubium
]


def shade(x, y):
    """Brightness factor 0..1 of the face at pixel (x, y) inside the disc."""
    dx, dy = x - CENTRE, y - CENTRE
    r = math.hypot(dx, dy) / RADIUS
    limb = 1.0 - 0.22 * r ** 4          # slight darkening toward the limb
    mare = 0.0
    for mx, my, mr, strength in MARIA:
        d = math.hypot(x - mx, y - my) / mr
        if d < 1.0:
            mare = max(mare, strength * (1.0 - d * d))
    return limb * (1.0 - mare)


def face(colour):
    rows = []
    for y in range(SIZE):
        row = bytearray()
        for x in range(SIZE):
            if (x - CENTRE) ** 2 + (y - CENTRE) ** 2 <= RADIUS * RADIUS:
                f = shade(x, y)
                row += bytes(int(c * f) for c in colour)
            else:
                row += bytes(BACKGROUND)
        rows.append(bytes(row))
    return rows


def write_png(path, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    write_png(os.path.join(outdir, "moon_light.png"), face(LIGHT))
    write_png(os.path.join(outdir, "moon_dark.png"), face(DARK))


if __name__ == "__main__":
    main()
