#!/usr/bin/python3
"""Draws the program's icons and the information window's three pictures.

Pure Python with zlib: shapes are filled polygons and ellipses on a palette
raster, written as indexed PNG files with at most 16 colours (4 bits a pixel).
The drawings are our own work, GPL-3.0-or-later like the program.

resources/pictures/kolvaricon.png    48 x 48   application icon (KOLVARICON)
resources/pictures/kolvaricon2.png   32 x 32   second icon (KOLVARICON2)
resources/pictures/window_icon.png   32 x 32   window icon
resources/pictures/turul.png        182 x 170  the turul bird
resources/pictures/cimer.png        138 x 158  the Hungarian coat of arms
resources/pictures/zaszlo.png       168 x 212  the Hungarian flag on its pole

Usage: /usr/bin/python3 tools/runic/draw_pictures.py [--out-dir resources/pictures] [--check]
  --check  write nothing; exit 1 when the files in the output folder differ from the drawings
"""

import argparse
import math
import os
import struct
import sys
import zlib

PALETTE = [
    (0, 0, 128),      # 0 navy
    (255, 255, 255),  # 1 white
    (206, 17, 38),    # 2 red
    (0, 122, 61),     # 3 green
    (255, 204, 0),    # 4 gold
    (160, 110, 0),    # 5 dark gold
    (0, 0, 0),        # 6 black
    (96, 56, 24),     # 7 brown
    (64, 96, 176),    # 8 sky blue
    (192, 192, 192),  # 9 silver
    (128, 128, 128),  # 10 grey
    (0, 255, 255),    # 11 cyan
    (240, 240, 224),  # 12 parchment
]
NAVY, WHITE, RED, GREEN, GOLD, DARK_GOLD, BLACK, BROWN, SKY, SILVER, GREY, CYAN, PARCHMENT = range(13)


class Raster:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def polygon(self, points, colour):
        """Even-odd fill, sampled at pixel centres."""
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(math.ceil(max(ys))) + 1)):
            cy = y + 0.5
            xs = []
            for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                if (y0 <= cy < y1) or (y1 <= cy < y0):
                    xs.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for x in range(max(0, int(math.ceil(a - 0.5))), min(self.width, int(math.ceil(b - 0.5)))):
                    self.pixels[y][x] = colour

    def ellipse(self, cx, cy, rx, ry, colour):
        self.polygon([(cx + rx * math.cos(t), cy + ry * math.sin(t))
                      for t in (2 * math.pi * i / 72 for i in range(72))], colour)

    def rect(self, x0, y0, x1, y1, colour):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour)

    def line(self, x0, y0, x1, y1, width, colour):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)

    def star(self, cx, cy, outer, inner, colour, points=5, turn=-math.pi / 2):
        pts = []
        for i in range(points * 2):
            r = outer if i % 2 == 0 else inner
            a = turn + math.pi * i / points
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        self.polygon(pts, colour)

    def png(self):
        """Indexed PNG, 4 bits a pixel, with the 16-entry palette."""
        rows = bytearray()
        for row in self.pixels:
            rows.append(0)
            padded = row + [0] * (len(row) % 2)
            rows.extend((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        palette = PALETTE + [(0, 0, 0)] * (16 - len(PALETTE))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        return (b"\x89PNG\r\n\x1a\n"
                + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 4, 3, 0, 0, 0))
                + chunk(b"PLTE", bytes(c for rgb in palette for c in rgb))
                + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
                + chunk(b"IEND", b""))


def icon(size, rune):
    """A gold star on a navy disc with a white rune stroke beside it."""
    r = Raster(size, size, NAVY)
    s = size / 48.0
    r.ellipse(size / 2, size / 2, size / 2 - 0.5, size / 2 - 0.5, SKY)
    r.ellipse(size / 2, size / 2, size / 2 - 3 * s, size / 2 - 3 * s, NAVY)
    r.star(20 * s, 22 * s, 14 * s, 5.6 * s, GOLD)
    if rune == "a":  # the rune of "a": a stem with two short arms
        r.line(35 * s, 14 * s, 35 * s, 38 * s, 2.6 * s, WHITE)
        r.line(35 * s, 22 * s, 29 * s, 17 * s, 2.6 * s, WHITE)
        r.line(35 * s, 29 * s, 29 * s, 24 * s, 2.6 * s, WHITE)
    else:  # the rune of "k": a stem with a chevron
        r.line(35 * s, 14 * s, 35 * s, 38 * s, 2.6 * s, WHITE)
        r.line(35 * s, 26 * s, 29 * s, 19 * s, 2.6 * s, WHITE)
        r.line(35 * s, 26 * s, 29 * s, 33 * s, 2.6 * s, WHITE)
    r.star(12 * s, 36 * s, 3 * s, 1.2 * s, CYAN, points=4, turn=0)
    return r


def turul():
    """The turul: a falcon with spread wings holding a sword, gold on sky blue."""
    w, h = 182, 170
    r = Raster(w, h, SKY)
    cx = 91
    # wings, each a fan of feathers
    for side in (-1, 1):
        for i in range(6):
            a = math.radians(200 + i * 13) if side < 0 else math.radians(340 - i * 13)
            base_x, base_y = cx + side * 12, 70 + i * 4
            tip = (base_x + math.cos(a) * (82 - i * 6), base_y + math.sin(a) * (70 - i * 5) + 30)
            r.polygon([(base_x, base_y - 8), tip, (base_x + side * 4, base_y + 14)], GOLD if i % 2 == 0 else DARK_GOLD)
        r.polygon([(cx + side * 6, 60), (cx + side * 84, 22), (cx + side * 78, 34), (cx + side * 10, 80)], GOLD)
    # tail
    r.polygon([(cx - 10, 110), (cx - 26, 150), (cx, 158), (cx + 26, 150), (cx + 10, 110)], DARK_GOLD)
    for i in range(-2, 3):
        r.line(cx + i * 4, 116, cx + i * 10, 152, 2, GOLD)
    # body, head and hooked beak
    r.ellipse(cx, 92, 17, 30, GOLD)
    r.ellipse(cx, 52, 11, 12, GOLD)
    r.polygon([(cx + 8, 46), (cx + 22, 50), (cx + 16, 60), (cx + 14, 54), (cx + 7, 56)], DARK_GOLD)
    r.ellipse(cx + 4, 49, 2.2, 2.2, BLACK)
    # breast feathers
    for row in range(4):
        for col in range(-1, 2):
            r.ellipse(cx + col * 8 + (row % 2) * 4 - 2, 80 + row * 9, 3, 2, DARK_GOLD)
    # the sword in the claws
    r.line(cx - 40, 132, cx + 42, 116, 3, SILVER)
    r.line(cx - 30, 122, cx - 26, 140, 3, DARK_GOLD)
    r.ellipse(cx - 44, 133, 4, 4, GOLD)
    # claws
    for dx in (-8, 8):
        r.line(cx + dx, 118, cx + dx - 2, 128, 3, BROWN)
    return r


def cimer():
    """The coat of arms: Árpád stripes, the triple mound with the double cross, the crown."""
    w, h = 138, 158
    left, right, top, bottom = 14, 124, 40, 150
    mid = (left + right) / 2

    def shield_outline(inset):
        pts = [(left + inset, top + inset), (right - inset, top + inset)]
        for i in range(21):  # straight sides, rounded bottom
            t = math.pi * i / 20
            pts.append((mid + ((right - left) / 2 - inset) * math.cos(t),
                        top + 70 + (bottom - top - 70 - inset) * math.sin(t)))
        return pts

    # The field, drawn unclipped, then copied inside the shield's border.
    field = Raster(w, h, WHITE)
    stripe = (bottom - top) / 8.0
    for i in range(0, 8, 2):  # dexter half: eight stripes, red first
        field.rect(left, top + 3 + i * stripe, mid, top + 3 + (i + 1) * stripe, RED)
    field.rect(mid, top, right, bottom, RED)  # sinister half
    mx = (mid + right) / 2
    field.ellipse(mx - 16, 130, 10, 10, GREEN)  # the triple mound
    field.ellipse(mx + 16, 130, 10, 10, GREEN)
    field.ellipse(mx, 122, 13, 13, GREEN)
    field.rect(mx - 26, 130, mx + 26, bottom, GREEN)
    field.polygon([(mx - 8, 110), (mx + 8, 110), (mx + 9, 101), (mx + 4, 105), (mx, 98),
                   (mx - 4, 105), (mx - 9, 101)], GOLD)  # the small crown on the mound
    field.rect(mx - 2, 50, mx + 2, 101, WHITE)  # the double cross
    field.rect(mx - 13, 60, mx + 13, 64, WHITE)
    field.rect(mx - 9, 74, mx + 9, 78, WHITE)
    field.rect(mid - 0.5, top, mid + 0.5, bottom, DARK_GOLD)

    mask = Raster(w, h, 0)
    mask.polygon(shield_outline(3), 1)
    r = Raster(w, h, PARCHMENT)
    r.polygon(shield_outline(0), DARK_GOLD)
    for y in range(h):
        for x in range(w):
            if mask.pixels[y][x]:
                r.pixels[y][x] = field.pixels[y][x]
    # the Holy Crown above the shield, with its bent cross
    r.polygon([(30, 36), (108, 36), (104, 16), (90, 24), (69, 10), (48, 24), (34, 16)], GOLD)
    r.rect(30, 30, 108, 38, DARK_GOLD)
    for x in (42, 58, 80, 96):
        r.ellipse(x, 34, 2.5, 2.5, RED if x in (42, 96) else GREEN)
    r.ellipse(69, 12, 5, 5, GOLD)
    r.line(69, 8, 72, 0, 2.5, GOLD)
    r.line(66, 3, 75, 2, 2.5, GOLD)
    return r


def zaszlo():
    """The Hungarian tricolour waving on a pole."""
    w, h = 168, 212
    r = Raster(w, h, SKY)
    # ground
    r.rect(0, 196, w, h, GREEN)
    # pole with a gold finial
    r.rect(18, 14, 24, 200, BROWN)
    r.ellipse(21, 11, 6, 6, GOLD)
    # the flag: three horizontal stripes with a gentle wave
    fx0, fx1, fy0, band = 24, 160, 22, 34
    for x in range(fx0, fx1):
        off = 6 * math.sin((x - fx0) / 28.0) * (x - fx0) / (fx1 - fx0)
        for k, colour in enumerate((RED, WHITE, GREEN)):
            y0 = fy0 + k * band + off
            r.rect(x, y0, x + 1, y0 + band, colour)
    # small stars in the sky
    for sx, sy in ((120, 150), (60, 170), (140, 180), (90, 140)):
        r.star(sx, sy, 4, 1.6, WHITE)
    return r


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out-dir", default=os.path.join(here, "..", "..", "resources", "pictures"))
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if not args.check:
        os.makedirs(args.out_dir, exist_ok=True)
    pictures = {
        "kolvaricon.png": icon(48, "a"),
        "kolvaricon2.png": icon(32, "k"),
        "window_icon.png": icon(32, "a"),
        "turul.png": turul(),
        "cimer.png": cimer(),
        "zaszlo.png": zaszlo(),
    }
    stale = []
    for name, raster in pictures.items():
        path = os.path.join(args.out_dir, name)
        data = raster.png()
        if args.check:
            if not os.path.exists(path) or open(path, "rb").read() != data:
                stale.append(name)
            continue
        with open(path, "wb") as f:
            f.write(data)
        print(f"wrote {os.path.relpath(path)} {raster.width} x {raster.height}")
    if stale:
        print("out of date, run tools/runic/draw_pictures.py:", ", ".join(stale))
        return 1
    if args.check:
        print("pictures are up to date")
    return 0


if __name__ == "__main__":
    sys.exit(main())
