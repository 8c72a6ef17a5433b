#!/usr/bin/python3
"""Check the zoomed close-up's deep stars against an independent star list and projection.

Usage: tools/check_closeup_stars.py [--chart BUILD/src/cli/kolvar-chart] [--stars stars.dat]

For the Pleiades, the Double Cluster and M13, each high in the sky over Budapest on a night of
2026, runs `kolvar-chart find` for the object's direction and `kolvar-chart closeup --fov 2
--size 800x600 --objects` around it, and reads the deep stars of the objects table (kind 6).
The reference is KStars' star list (Debian kstars-data, usr/share/kstars/stars.dat: Hipparcos
and Tycho to magnitude 8.99, a catalogue independent of the stellarium-data files the deep star
file is made from), each star carried by its proper motion to the instant and placed by astropy
(true topocentric alt-az, no refraction) in the close-up's documented gnomonic frame: the view
axis at the closeup's --az/--alt, higher altitude up, larger azimuth to the right, D zoom tan(t)
pixels out at angle t from the axis.

The chart draws mean places of the date in its own frame (a zenith tilted 0.192 degrees times
sin 2 latitude toward the pole, no aberration or nutation) and `find` gives true altitudes with
refraction, so the whole picture may stand shifted and turned against astropy's frame by up to
a few arc minutes; that is solved as one rotation and one shift (the scale is not fitted) and
printed. What must hold is the rest: every reference star brighter than 8.5 in the picture has a
deep star within 1 pixel after that shift and rotation, no more than one in twenty differs in
magnitude by more than 0.3 (close pairs that one list merges), and no deep star is fainter than
the field's limit (10.5 at 2 degrees). Prints one line per field and the
worst figures; exits 1 when a field fails.

Requires python3-astropy; the star list comes from tools/fetch_sources.sh's cache or --stars.
"""

import argparse
import math
import os
import subprocess
import sys
import tempfile
import warnings
from pathlib import Path

warnings.filterwarnings("ignore")
from astropy.utils import iers  # noqa: E402

iers.conf.auto_download = False
iers.conf.auto_max_age = None
import astropy.units as u  # noqa: E402
from astropy.coordinates import AltAz, EarthLocation, SkyCoord  # noqa: E402
from astropy.time import Time  # noqa: E402

LAT, LON = 47.5, 19.04
WIDTH, HEIGHT, FOV = 800, 600, 2.0
LIMIT = 10.5
BRIGHT = 8.5  # the reference list is complete well beyond this

# name for find, instant (UT), J2000 centre (degrees) for choosing the reference stars
FIELDS = [
    ("M45", "2026-12-09T21:00", 56.75, 24.1167),
    ("NGC 869", "2026-11-15T21:00", 34.75, 57.1333),
    ("M13", "2026-06-15T22:00", 250.4233, 36.4614),
]


def run(chart, args):
    done = subprocess.run([chart] + args, capture_output=True, text=True)
    if done.returncode != 0:
        raise SystemExit(f"kolvar-chart {' '.join(args)}: {done.stderr.strip()}")
    return done.stdout


def read_stars(path):
    """(ra deg, dec deg, pm ra*cos dec mas/a, pm dec mas/a, magnitude) of KStars' stars.dat."""
    stars = []
    for line in Path(path).read_text(encoding="latin-1").splitlines():
        if line.startswith("#") or len(line) < 51:
            continue
        ra = (int(line[0:2]) + int(line[2:4]) / 60 + float(line[4:9]) / 3600) * 15.0
        sign = -1.0 if line[10] == "-" else 1.0
        dec = sign * (int(line[11:13]) + int(line[13:15]) / 60 + float(line[15:19]) / 3600)
        stars.append((ra, dec, float(line[20:29]), float(line[29:38]), float(line[46:51])))
    return stars


def separation(ra1, dec1, ra2, dec2):
    a = [math.radians(v) for v in (ra1, dec1, ra2, dec2)]
    c = math.sin(a[1]) * math.sin(a[3]) + math.cos(a[1]) * math.cos(a[3]) * math.cos(a[0] - a[2])
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def closeup_pixel(az, alt, view_az, view_alt):
    """The documented close-up projection of a horizontal direction (radians)."""
    p = (math.cos(az) * math.cos(alt), math.sin(az) * math.cos(alt), math.sin(alt))
    ca, sa, ch, sh = math.cos(view_az), math.sin(view_az), math.cos(view_alt), math.sin(view_alt)
    U, V, W = (-sa, ca, 0.0), (sh * ca, sh * sa, -ch), (ch * ca, ch * sa, sh)
    dot = lambda a, b: a[0] * b[0] + a[1] * b[1] + a[2] * b[2]  # noqa: E731
    d = 0.5 * WIDTH / math.tan(math.radians(FOV / 2))  # D zoom for a field FOV across the width
    w = dot(p, W)
    return (0.5 * WIDTH + d * dot(p, U) / w, 0.5 * HEIGHT + d * dot(p, V) / w)


def rigid_fit(pairs):
    """Rotation angle and shift taking predicted to drawn pixels (least squares, no scale)."""
    n = len(pairs)
    mp = [sum(p[0][i] for p in pairs) / n for i in (0, 1)]
    mo = [sum(p[1][i] for p in pairs) / n for i in (0, 1)]
    s = c = 0.0
    for (px, py), (ox, oy) in pairs:
        ax, ay, bx, by = px - mp[0], py - mp[1], ox - mo[0], oy - mo[1]
        s += ax * by - ay * bx
        c += ax * bx + ay * by
    theta = math.atan2(s, c)
    ct, st = math.cos(theta), math.sin(theta)
    shift = (mo[0] - (ct * mp[0] - st * mp[1]), mo[1] - (st * mp[0] + ct * mp[1]))
    return theta, shift


def apply(theta, shift, p):
    ct, st = math.cos(theta), math.sin(theta)
    return (ct * p[0] - st * p[1] + shift[0], st * p[0] + ct * p[1] + shift[1])


def match(predicted, drawn, theta, shift, reach, mag_reach):
    pairs = []
    for p in predicted:
        q = apply(theta, shift, p[0])
        best = None
        for d in drawn:
            r = math.hypot(d[0] - q[0], d[1] - q[1])
            # Of the stars within reach, the one nearest in magnitude: close pairs stay apart.
            m = abs(d[2] - p[1])
            if r <= reach and m <= mag_reach and (best is None or m < best[0]):
                best = (m, d)
        if best:
            pairs.append((p, best[1]))
    return pairs


def check_field(chart, stars, name, when, ra0, dec0, folder):
    found = run(chart, ["find", name, "--date", when, "--lat", str(LAT), "--lon", str(LON)]).splitlines()[1]
    az, alt = (float(v) for v in found.split("\t")[4:6])
    tsv = folder / "objects.tsv"
    run(chart, ["closeup", "--date", when, "--lat", str(LAT), "--lon", str(LON), "--az", str(az), "--alt", str(alt),
                "--fov", str(FOV), "--size", f"{WIDTH}x{HEIGHT}", "--out", str(folder / "closeup.png"),
                "--objects", str(tsv)])
    drawn = []
    for line in tsv.read_text(encoding="utf-8").splitlines()[1:]:
        f = line.split("\t")
        if f[0] == "-1" and f[1] == "6":
            drawn.append((float(f[7]), float(f[8]), float(f[9])))

    t = Time(when, scale="utc")
    years = (t.jd - 2451545.0) / 365.25
    near = [s for s in stars if separation(s[0], s[1], ra0, dec0) < 2.0]
    ra = [s[0] + s[2] * years / 3.6e6 / math.cos(math.radians(s[1])) for s in near]
    dec = [s[1] + s[3] * years / 3.6e6 for s in near]
    frame = AltAz(obstime=t, location=EarthLocation(lat=LAT * u.deg, lon=LON * u.deg, height=0 * u.m), pressure=0)
    placed = SkyCoord(ra=ra * u.deg, dec=dec * u.deg, frame="icrs").transform_to(frame)
    view_az, view_alt = math.radians(az), math.radians(alt)
    predicted = []
    for s, a, h in zip(near, placed.az.rad, placed.alt.rad):
        predicted.append((closeup_pixel(a, h, view_az, view_alt), s[4]))
    inside = [p for p in predicted if 3 <= p[0][0] <= WIDTH - 4 and 3 <= p[0][1] <= HEIGHT - 4]

    # A first shift from the brightest stars, then the rotation and shift of all matched ones.
    bright_p = sorted((p for p in inside if p[1] <= 8.0), key=lambda p: p[1])[:15]
    bright_d = sorted((d for d in drawn if d[2] <= 8.5), key=lambda d: d[2])[:15]
    best = (0, (0.0, 0.0))
    for p in bright_p:
        for d in bright_d:
            shift = (d[0] - p[0][0], d[1] - p[0][1])
            n = len(match(bright_p, drawn, 0.0, shift, 2.0, 0.5))
            if n > best[0]:
                best = (n, shift)
    theta, shift = 0.0, best[1]
    for reach in (3.0, 1.5):
        pairs = match(inside, drawn, theta, shift, reach, 0.5)
        theta, shift = rigid_fit([(p[0], (d[0], d[1])) for p, d in pairs])

    # The reference stars the fitted frame puts inside the picture.
    reference = []
    for p in predicted:
        q = apply(theta, shift, p[0])
        if p[1] <= BRIGHT and 3 <= q[0] <= WIDTH - 4 and 3 <= q[1] <= HEIGHT - 4:
            reference.append(p)
    pairs = match(reference, drawn, theta, shift, 1.0, 1.0)
    residuals = [math.dist((d[0], d[1]), apply(theta, shift, p[0])) for p, d in pairs]
    magnitudes = sorted(abs(d[2] - p[1]) for p, d in pairs)
    off = [m for m in magnitudes if m > 0.3]
    too_faint = [d for d in drawn if d[2] > LIMIT + 1e-6]
    centre = apply(theta, shift, (0.5 * WIDTH, 0.5 * HEIGHT))
    moved = math.dist(centre, (0.5 * WIDTH, 0.5 * HEIGHT)) * FOV * 3600 / WIDTH
    rms = math.sqrt(sum(r * r for r in residuals) / max(1, len(residuals)))
    print(f"{name:8} {when}Z az {az:8.4f} alt {alt:7.4f}: {len(drawn)} deep stars drawn; "
          f"{len(pairs)} of {len(reference)} reference stars to {BRIGHT} in the picture have one within 1 px, "
          f"residual rms {rms:.2f} px, largest {max(residuals, default=0):.2f} px; magnitudes differ by a median "
          f"{magnitudes[len(magnitudes) // 2] if magnitudes else 0:.2f}, {len(off)} by more than 0.3 "
          f"({', '.join(f'{m:.2f}' for m in off) or 'none'}); frame shifted {moved:.0f}\" and turned "
          f"{math.degrees(theta) * 60:.2f}'; {len(too_faint)} drawn fainter than {LIMIT}")
    for p, d in pairs:
        if abs(d[2] - p[1]) > 0.3:
            print(f"  magnitude: reference {p[1]:.2f}, drawn {d[2]:.2f} at ({d[0]:.1f}, {d[1]:.1f})")
    for p in reference:
        if all(p is not q for q, _ in pairs):
            q = apply(theta, shift, p[0])
            print(f"  not drawn: reference star {p[1]:.2f} at ({q[0]:.1f}, {q[1]:.1f})")
    return len(pairs) == len(reference) and len(reference) >= 5 and len(off) <= len(pairs) // 20 and not too_faint


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    top = Path(__file__).resolve().parent.parent
    parser.add_argument("--chart", default=str(top / "build" / "src" / "cli" / "kolvar-chart"))
    cache = Path(os.environ.get("KOLVAR_SOURCES", Path.home() / ".cache" / "kolvar-sources"))
    parser.add_argument("--stars", default=str(cache / "kstars-data" / "usr" / "share" / "kstars" / "stars.dat"))
    args = parser.parse_args()
    if not Path(args.stars).is_file():
        raise SystemExit(f"{args.stars}: no KStars star list (run tools/fetch_sources.sh or give --stars)")
    stars = read_stars(args.stars)
    with tempfile.TemporaryDirectory() as folder:
        ok = [check_field(args.chart, stars, *field, Path(folder)) for field in FIELDS]
    sys.exit(0 if all(ok) else 1)


if __name__ == "__main__":
    main()
