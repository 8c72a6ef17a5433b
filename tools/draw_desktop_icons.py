#!/usr/bin/python3
"""Draws the desktop icons of Kolvar from one vector drawing.

The drawing is the program's icon (a gold star on a navy disc with a sky-blue
rim, the white rune of "a" and a small cyan sparkle) as a list of circles and
polygons on a 48-unit square. It is written once as SVG and rasterised at each
theme size as an anti-aliased RGBA PNG whose outside of the disc is fully
transparent. Pure Python with zlib; the output is byte-identical on every run.
Our own drawing, GPL-3.0-or-later like the program.

resources/icons/hicolor/NxN/apps/kolvar.png   N = 16 22 24 32 48 64 128 256
resources/icons/hicolor/scalable/apps/kolvar.svg

Usage: /usr/bin/python3 tools/draw_desktop_icons.py [--out-dir resources/icons] [--check]
  --check  write nothing; exit 1 when the files in the output folder differ from the drawing
"""

import argparse
import math
import os
import struct
import sys
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
UNITS = 48.0
SUBROWS = 16          # sub-scanlines per pixel row; horizontal coverage is exact
CIRCLE_SEGMENTS = 256

NAVY = (0, 0, 128)
SKY = (64, 96, 176)
GOLD = (255, 204, 0)
WHITE = (255, 255, 255)
CYAN = (0, 255, 255)


def star_points(cx, cy, outer, inner, points, turn):
    return [(cx + (outer if i % 2 == 0 else inner) * math.cos(turn + math.pi * i / points),
             cy + (outer if i % 2 == 0 else inner) * math.sin(turn + math.pi * i / points))
            for i in range(points * 2)]


def stroke_points(x0, y0, x1, y1, width):
    """A straight stroke with square ends as a quadrilateral."""
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    return [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]


# The drawing, painted in order: ("circle", cx, cy, r, colour) or ("polygon", points, colour).
DRAWING = [
    ("circle", 24.0, 24.0, 23.5, SKY),
    ("circle", 24.0, 24.0, 21.0, NAVY),
    ("polygon", star_points(20.0, 22.0, 14.0, 5.6, 5, -math.pi / 2), GOLD),
    ("polygon", stroke_points(35.0, 14.0, 35.0, 38.0, 2.6), WHITE),
    ("polygon", stroke_points(35.0, 22.0, 29.0, 17.0, 2.6), WHITE),
    ("polygon", stroke_points(35.0, 29.0, 29.0, 24.0, 2.6), WHITE),
    ("polygon", star_points(12.0, 36.0, 3.0, 1.2, 4, 0.0), CYAN),
]


def shape_polygon(shape):
    if shape[0] == "circle":
        _, cx, cy, r, _ = shape
        return [(cx + r * math.cos(2 * math.pi * i / CIRCLE_SEGMENTS),
                 cy + r * math.sin(2 * math.pi * i / CIRCLE_SEGMENTS)) for i in range(CIRCLE_SEGMENTS)]
    return shape[1]


def coverage(points, size):
    """Fraction of each pixel inside the polygon (even-odd), rows of floats."""
    cover = [[0.0] * size for _ in range(size)]
    weight = 1.0 / SUBROWS
    edges = list(zip(points, points[1:] + points[:1]))
    top = max(0, int(min(p[1] for p in points)))
    bottom = min(size - 1, int(max(p[1] for p in points)))
    for y in range(top, bottom + 1):
        row = cover[y]
        runs = [0.0] * (size + 1)  # difference array of fully covered pixels
        for s in range(SUBROWS):
            sy = y + (s + 0.5) / SUBROWS
            xs = sorted(x0 + (sy - y0) * (x1 - x0) / (y1 - y0)
                        for (x0, y0), (x1, y1) in edges if (y0 <= sy < y1) or (y1 <= sy < y0))
            for a, b in zip(xs[0::2], xs[1::2]):
                a, b = max(0.0, a), min(float(size), b)
                if b <= a:
                    continue
                ia, ib = int(a), int(b)
                if ia == ib:
                    row[ia] += (b - a) * weight
                    continue
                row[ia] += (ia + 1 - a) * weight
                if ib < size:
                    row[ib] += (b - ib) * weight
                runs[ia + 1] += weight
                runs[ib] -= weight
        run = 0.0
        for x in range(size):
            run += runs[x]
            row[x] += run
    return cover


def rasterise(size):
    """Premultiplied RGBA floats, shapes composited with 'over'."""
    scale = size / UNITS
    pixels = [[[0.0, 0.0, 0.0, 0.0] for _ in range(size)] for _ in range(size)]
    for shape in DRAWING:
        colour = shape[-1]
        points = [(x * scale, y * scale) for x, y in shape_polygon(shape)]
        for y, row in enumerate(coverage(points, size)):
            for x, c in enumerate(row):
                if c <= 0.0:
                    continue
                c = min(c, 1.0)
                p = pixels[y][x]
                for i in range(3):
                    p[i] = colour[i] / 255.0 * c + p[i] * (1.0 - c)
                p[3] = c + p[3] * (1.0 - c)
    return pixels


def png(pixels):
    """8-bit RGBA PNG (straight alpha)."""
    rows = bytearray()
    for row in pixels:
        rows.append(0)
        for r, g, b, a in row:
            if a <= 0.0:
                rows.extend((0, 0, 0, 0))
                continue
            rows.extend(min(255, int(v / a * 255.0 + 0.5)) for v in (r, g, b))
            rows.append(min(255, int(a * 255.0 + 0.5)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    size = len(pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
            + chunk(b"IEND", b""))


def svg():
    def colour(c):
        return "#%02x%02x%02x" % c

    def num(v):
        return ("%.3f" % v).rstrip("0").rstrip(".")

    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">',
             '  <title>Kolvar</title>']
    for shape in DRAWING:
        if shape[0] == "circle":
            _, cx, cy, r, c = shape
            lines.append(f'  <circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="{colour(c)}"/>')
        else:
            points = " ".join(f"{num(x)},{num(y)}" for x, y in shape[1])
            lines.append(f'  <polygon points="{points}" fill="{colour(shape[2])}"/>')
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")


def outputs():
    files = {}
    for size in SIZES:
        pixels = rasterise(size)
        # Everything outside the rim shows the desktop through it.
        assert all(pixels[y][x][3] == 0.0 for y in (0, size - 1) for x in (0, size - 1))
        files[f"hicolor/{size}x{size}/apps/kolvar.png"] = png(pixels)
    files["hicolor/scalable/apps/kolvar.svg"] = svg()
    return files


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(here, "..", "resources", "icons"))
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    stale = []
    for name, data in outputs().items():
        path = os.path.join(args.out_dir, name)
        if args.check:
            if not os.path.exists(path) or open(path, "rb").read() != data:
                stale.append(name)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        print(f"wrote {os.path.relpath(path)}")
    if stale:
        print("out of date, run tools/draw_desktop_icons.py:", ", ".join(stale))
        return 1
    if args.check:
        print("desktop icons are up to date")
    return 0


if __name__ == "__main__":
    sys.exit(main())
