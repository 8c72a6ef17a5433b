#!/usr/bin/python3
"""Write Kolvar's deep star file (data/deep_stars.kds) from stellarium-data's star zone files.

Usage: tools/generate_deep_stars.py [--sources DIR] [--out FILE]

Reads the star files of levels 0-3 of Debian stellarium-data 0.22.2 (Hipparcos, Tycho-2 and
NOMAD stars to magnitude 10.5, 603,418 stars), decodes their zone records and writes them in
Kolvar's own sky-zone format (described below and in src/catalog/deep_star_file.h), then reads
the written file back and compares a few hundred stars with the independent KStars star list
(kstars-data stars.dat, Hipparcos and Tycho to 8.99). Only the Python standard library is used.

Source format (the files' headers and the record layout of that program's catalogue loader):
a header of eight little-endian 32-bit words (magic 0x835f040a, record type, major and minor
version, level, lowest magnitude in milli-magnitudes, magnitude range, magnitude steps), one
star count per zone of the level's geodesic grid (20 * 4^level triangles of a subdivided
icosahedron), then the records zone by zone. Record type 0 (28 bytes): HIP number (24 bits),
component id, two 32-bit position offsets along the zone's axes, B-V index, magnitude step,
spectral index, two 32-bit proper motions (0.1 mas a year along the axes) and the parallax.
Record type 1 (10 bytes): 20-bit offsets, 14-bit proper motions, 7-bit B-V index, 5-bit
magnitude step. A star's J2000 direction is centre + scale * (x0 * axis0 + x1 * axis1), where
axis0 points east at the zone's centre, axis1 north, and scale makes the largest offset of the
level reach the farthest triangle corner.

Output format (little-endian, all offsets in bytes from the start of the file):
  header (64 bytes): "KOLVARDS", version 1, header size 64, band count, zone count, star count,
      record size 12, band table offset, zone table offset, star records offset, file size,
      band height in micro-degrees, then zeros;
  band table: per declination band (south to north) the first zone and the zone count;
  zone table: zone count + 1 star indices, the first star of each zone and finally the count;
  stars (12 bytes each), every zone's stars brightest first: right ascension and declination
      offsets inside the zone (16 bits each, 0..65535 across the zone's width and height),
      proper motion in right ascension times cos(declination) and in declination (signed
      16 bits, mas a year), then one 32-bit word: magnitude code (9 bits, -2 + 0.05 * code),
      B-V code (6 bits, -0.5 + (2 * code + 0.5) * 4 / 127: the source's 7-bit index halved) and
      HIP number (17 bits, 0 for none).
Zones: declination bands of one degree; band b holds max(1, round(360 cos(mid-declination)))
zones of equal width in right ascension, the first starting at 0 h.
"""

import argparse
import math
import os
import struct
import sys
from pathlib import Path

SOURCE_MAGIC = 0x835F040A
LEVEL_FILES = ["stars_0_0v0_8.cat", "stars_1_0v0_8.cat", "stars_2_0v0_8.cat", "stars_3_1v0_4.cat"]
EXPECTED_COUNTS = [4979, 21806, 150826, 425807]

BAND_DEGREES = 1.0
BAND_COUNT = 180
RECORD_SIZE = 12
HEADER_SIZE = 64
MAGNITUDE_ZERO = -2.0
MAGNITUDE_STEP = 0.05


def default_sources():
    env = os.environ.get("KOLVAR_SOURCES")
    return Path(env) if env else Path.home() / ".cache" / "kolvar-sources"


# --- Vectors -------------------------------------------------------------------------------------

def add(a, b):
    return (a[0] + b[0], a[1] + b[1], a[2] + b[2])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def scale(a, f):
    return (a[0] * f, a[1] * f, a[2] * f)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def normalized(a):
    n = math.sqrt(dot(a, a))
    return (a[0] / n, a[1] / n, a[2] / n)


# --- The source files' geodesic grid ------------------------------------------------------------

_G = 0.5 * (1.0 + math.sqrt(5.0))
_B = 1.0 / math.sqrt(1.0 + _G * _G)
_A = _B * _G
ICOSAHEDRON_CORNERS = [
    (_A, -_B, 0.0), (_A, _B, 0.0), (-_A, _B, 0.0), (-_A, -_B, 0.0),
    (0.0, _A, -_B), (0.0, _A, _B), (0.0, -_A, _B), (0.0, -_A, -_B),
    (-_B, 0.0, _A), (_B, 0.0, _A), (_B, 0.0, -_A), (-_B, 0.0, -_A),
]
ICOSAHEDRON_TRIANGLES = [
    (1, 0, 10), (0, 1, 9), (0, 9, 6), (9, 8, 6), (0, 7, 10), (6, 7, 0), (7, 6, 3), (6, 8, 3),
    (11, 10, 7), (7, 3, 11), (3, 2, 11), (2, 3, 8), (10, 11, 4), (2, 4, 11), (5, 4, 2), (2, 8, 5),
    (4, 1, 10), (4, 5, 1), (5, 9, 1), (8, 9, 5),
]


def level_triangles(level):
    """The corners of every zone of a level, in zone order."""
    out = []

    def visit(lev, c0, c1, c2):
        if lev == level:
            out.append((c0, c1, c2))
            return
        e0 = normalized(add(c1, c2))
        e1 = normalized(add(c2, c0))
        e2 = normalized(add(c0, c1))
        visit(lev + 1, c0, e2, e1)
        visit(lev + 1, e2, c1, e0)
        visit(lev + 1, e1, e0, c2)
        visit(lev + 1, e0, e1, e2)

    for t in ICOSAHEDRON_TRIANGLES:
        visit(0, *(ICOSAHEDRON_CORNERS[i] for i in t))
    return out


def zone_frames(level, max_position_value):
    """Centre, east and north axes of each zone, and the level's position scale."""
    north = (0.0, 0.0, 1.0)
    frames = []
    position_scale = 0.0
    for c0, c1, c2 in level_triangles(level):
        centre = normalized(add(add(c0, c1), c2))
        axis0 = normalized(cross(north, centre))
        axis1 = cross(centre, axis0)
        for c in (c0, c1, c2):
            mu0 = dot(sub(c, centre), axis0)
            mu1 = dot(sub(c, centre), axis1)
            f = 1.0 / math.sqrt(1.0 - mu0 * mu0 - mu1 * mu1)
            position_scale = max(position_scale, abs(mu0) * f, abs(mu1) * f)
        frames.append((centre, axis0, axis1))
    return frames, position_scale / max_position_value


# --- Reading the source -------------------------------------------------------------------------

def signed(value, bits):
    return value - (1 << bits) if value & (1 << (bits - 1)) else value


def decode_type0(rec):
    """HIP, x0, x1, B-V index, magnitude step, dx0, dx1 of a 28-byte record."""
    hip = signed(rec[0] | rec[1] << 8 | rec[2] << 16, 24)
    x0, x1 = struct.unpack_from("<ii", rec, 4)
    bv, mag = rec[12], rec[13]
    dx0, dx1 = struct.unpack_from("<ii", rec, 16)
    return hip, x0, x1, bv, mag, dx0, dx1


def decode_type1(d):
    """HIP (none), x0, x1, B-V index, magnitude step, dx0, dx1 of a 10-byte record."""
    x0 = signed(d[0] | d[1] << 8 | (d[2] & 0xF) << 16, 20)
    x1 = signed(d[2] >> 4 | d[3] << 4 | d[4] << 12, 20)
    dx0 = signed(d[5] | (d[6] & 0x3F) << 8, 14)
    dx1 = signed(d[6] >> 6 | d[7] << 2 | (d[8] & 0xF) << 10, 14)
    bv = d[8] >> 4 | (d[9] & 0x7) << 4
    mag = d[9] >> 3
    return 0, x0, x1, bv, mag, dx0, dx1


def read_level(path, expected_count):
    """Every star of one source file as (ra, dec, pm_ra_cosdec, pm_dec, magnitude, bv index, hip)."""
    data = Path(path).read_bytes()
    magic, rtype, major, minor, level, mag_min, mag_range, mag_steps = struct.unpack_from("<8I", data, 0)
    if magic != SOURCE_MAGIC:
        raise SystemExit(f"{path}: not a star zone file")
    mag_min = signed(mag_min, 32)
    record_size, max_value, decode = {0: (28, 0x7FFFFFFF, decode_type0),
                                      1: (10, (1 << 19) - 1, decode_type1)}[rtype]
    zones = 20 * 4 ** level
    sizes = struct.unpack_from(f"<{zones}I", data, 32)
    pos = 32 + 4 * zones
    if pos + sum(sizes) * record_size != len(data) or sum(sizes) != expected_count:
        raise SystemExit(f"{path}: {sum(sizes)} stars do not fill the file as expected")
    frames, position_scale = zone_frames(level, max_value)
    stars = []
    for zone, size in enumerate(sizes):
        centre, axis0, axis1 = frames[zone]
        for _ in range(size):
            hip, x0, x1, bv, mag, dx0, dx1 = decode(data[pos:pos + record_size])
            pos += record_size
            q = add(centre, add(scale(axis0, x0 * position_scale), scale(axis1, x1 * position_scale)))
            length = math.sqrt(dot(q, q))
            v = scale(q, 1.0 / length)
            ra = math.atan2(v[1], v[0]) % (2 * math.pi)
            dec = math.asin(max(-1.0, min(1.0, v[2])))
            # The motions read best as the star's own east and north rates, stretched by the
            # squared distance to the tangent plane: so read, they agree with the independent
            # list (cross_check) to a median of 5 %; taken as the rates of the gnomonic offsets
            # along the zone's axes they would differ by about 10 %.
            pm_ra = dx0 * 0.1 / (length * length)  # mas a year
            pm_dec = dx1 * 0.1 / (length * length)
            magnitude = (mag_min + mag * mag_range / mag_steps) / 1000.0
            stars.append((ra, dec, pm_ra, pm_dec, magnitude, bv, hip))
    print(f"{Path(path).name}: level {level}, type {rtype} v{major}.{minor}, {len(stars)} stars, "
          f"magnitudes {mag_min / 1000:.2f} + {mag_range / 1000:.2f} in {mag_steps} steps")
    return stars


# --- Kolvar's zones -----------------------------------------------------------------------------

def band_zone_counts():
    counts = []
    for b in range(BAND_COUNT):
        mid = math.radians(-90.0 + (b + 0.5) * BAND_DEGREES)
        counts.append(max(1, round(360.0 * math.cos(mid))))
    return counts


def zone_of(ra, dec, counts, first_zone):
    """Zone index, its band, its column, for a direction in radians."""
    d = math.degrees(dec)
    band = min(BAND_COUNT - 1, max(0, int((d + 90.0) / BAND_DEGREES)))
    n = counts[band]
    column = min(n - 1, int(math.degrees(ra) / 360.0 * n))
    return first_zone[band] + column, band, column


def clamp16(value):
    return max(-32767, min(32767, int(round(value))))


def encode(stars):
    counts = band_zone_counts()
    first_zone = []
    total = 0
    for n in counts:
        first_zone.append(total)
        total += n
    zones = [[] for _ in range(total)]
    for s in stars:
        z, band, column = zone_of(s[0], s[1], counts, first_zone)
        zones[z].append((s, band, column))
    records = bytearray()
    zone_table = []
    count = 0
    for z, members in enumerate(zones):
        zone_table.append(count)
        members.sort(key=lambda m: (m[0][4], m[0][0], m[0][1]))
        for s, band, column in members:
            ra, dec, pm_ra, pm_dec, magnitude, bv, hip = s
            n = counts[band]
            width = 360.0 / n
            u = (math.degrees(ra) - column * width) / width
            v = (math.degrees(dec) + 90.0 - band * BAND_DEGREES) / BAND_DEGREES
            u16 = min(65535, max(0, int(round(u * 65535))))
            v16 = min(65535, max(0, int(round(v * 65535))))
            code = int(round((magnitude - MAGNITUDE_ZERO) / MAGNITUDE_STEP))
            if not 0 <= code < 512 or not 0 <= bv <= 127 or not 0 <= hip < (1 << 17):
                raise SystemExit(f"star out of the format's range: {s}")
            word = code | (bv >> 1) << 9 | hip << 15
            records += struct.pack("<HHhhI", u16, v16, clamp16(pm_ra), clamp16(pm_dec), word)
            count += 1
    zone_table.append(count)
    band_offset = HEADER_SIZE
    zone_offset = band_offset + 8 * BAND_COUNT
    star_offset = zone_offset + 4 * len(zone_table)
    size = star_offset + len(records)
    header = struct.pack("<8s10I", b"KOLVARDS", 1, HEADER_SIZE, BAND_COUNT, total, count, RECORD_SIZE,
                         band_offset, zone_offset, star_offset, size)
    header += struct.pack("<I", int(BAND_DEGREES * 1e6))
    header += bytes(HEADER_SIZE - len(header))
    bands = b"".join(struct.pack("<II", f, n) for f, n in zip(first_zone, counts))
    return header + bands + struct.pack(f"<{len(zone_table)}I", *zone_table) + bytes(records)


def decode_file(data):
    """The stars of a written file: (ra deg, dec deg, pm_ra, pm_dec, magnitude, bv code, hip)."""
    (magic, version, header_size, bands, zones, count, record_size, band_offset, zone_offset,
     star_offset, size) = struct.unpack_from("<8s10I", data, 0)
    assert magic == b"KOLVARDS" and size == len(data) and record_size == RECORD_SIZE
    zone_table = struct.unpack_from(f"<{zones + 1}I", data, zone_offset)
    out = []
    for b in range(bands):
        first, n = struct.unpack_from("<II", data, band_offset + 8 * b)
        for column in range(n):
            z = first + column
            for i in range(zone_table[z], zone_table[z + 1]):
                u, v, pm_ra, pm_dec, word = struct.unpack_from("<HHhhI", data, star_offset + RECORD_SIZE * i)
                ra = (column + u / 65535.0) * 360.0 / n
                dec = -90.0 + (b + v / 65535.0) * BAND_DEGREES
                out.append((ra, dec, pm_ra, pm_dec, MAGNITUDE_ZERO + (word & 0x1FF) * MAGNITUDE_STEP,
                            (word >> 9) & 0x3F, word >> 15))
    return out


# --- The independent check ----------------------------------------------------------------------

def read_kstars(path):
    """(ra deg, dec deg, magnitude) of every star of KStars' stars.dat."""
    stars = []
    for line in Path(path).read_text(encoding="latin-1").splitlines():
        if line.startswith("#") or len(line) < 60:
            continue
        ra = (int(line[0:2]) + int(line[2:4]) / 60 + float(line[4:9]) / 3600) * 15.0
        sign = -1.0 if line[10] == "-" else 1.0
        dec = sign * (int(line[11:13]) + int(line[13:15]) / 60 + float(line[15:19]) / 3600)
        stars.append((ra, dec, float(line[46:51]), float(line[20:29]), float(line[29:38])))
    return stars


def cross_check(written, kstars_path, every=400):
    """Each chosen KStars star must have a star of the file within 3 arc seconds and 0.3 magnitudes."""
    cells = {}
    for s in written:
        cells.setdefault((int(s[1] + 90), int(s[0])), []).append(s)
    reference = read_kstars(kstars_path)
    chosen = [s for i, s in enumerate(reference) if i % every == 0 and s[2] < 8.9 and abs(s[1]) < 88]
    worst_sep, worst_mag, matched, motion_errors = 0.0, 0.0, 0, []
    for ra, dec, mag, pm_ra, pm_dec in chosen:
        best = None
        for dd in (-1, 0, 1):
            for da in (-1, 0, 1):
                for s in cells.get((int(dec + 90) + dd, (int(ra) + da) % 360), []):
                    sep = ((s[0] - ra + 540) % 360 - 180) * math.cos(math.radians(dec))
                    sep = math.hypot(sep, s[1] - dec) * 3600
                    if sep < 3.0 and (best is None or abs(s[4] - mag) < abs(best[1][4] - mag)):
                        best = (sep, s)
        if best and abs(best[1][4] - mag) < 0.3:
            matched += 1
            worst_sep = max(worst_sep, best[0])
            worst_mag = max(worst_mag, abs(best[1][4] - mag))
            if math.hypot(pm_ra, pm_dec) > 50:
                motion_errors.append(math.hypot(best[1][2] - pm_ra, best[1][3] - pm_dec) / math.hypot(pm_ra, pm_dec))
    motion_errors.sort()
    median_motion = motion_errors[len(motion_errors) // 2]
    print(f"cross-check with {Path(kstars_path).name}: {matched} of {len(chosen)} stars found within 3\" "
          f"and 0.3 mag (largest distance {worst_sep:.2f}\", magnitude difference {worst_mag:.2f}); "
          f"proper motions of {len(motion_errors)} stars above 50 mas/a differ by a median {100 * median_motion:.1f} %")
    if matched < 0.97 * len(chosen) or median_motion > 0.08:
        raise SystemExit("the deep star file disagrees with the independent star list")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", type=Path, default=default_sources())
    parser.add_argument("--out", type=Path,
                        default=Path(__file__).resolve().parent.parent / "data" / "deep_stars.kds")
    args = parser.parse_args(argv)
    star_dir = args.sources / "stellarium-data" / "usr" / "share" / "stellarium" / "stars" / "default"
    kstars = args.sources / "kstars-data" / "usr" / "share" / "kstars" / "stars.dat"
    missing = [p for p in [star_dir / f for f in LEVEL_FILES] + [kstars] if not p.is_file()]
    if missing:
        print("missing source files (run tools/fetch_sources.sh):", *missing, sep="\n  ", file=sys.stderr)
        return 1
    stars = []
    for name, expected in zip(LEVEL_FILES, EXPECTED_COUNTS):
        stars += read_level(star_dir / name, expected)
    data = encode(stars)
    written = decode_file(data)
    if len(written) != len(stars):
        raise SystemExit("the written file lost stars")
    cross_check(written, kstars, every=100)
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_bytes(data)
    print(f"{args.out}: {len(written)} stars, {len(data)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
