#!/usr/bin/python3
"""Compares `kolvar-chart ephemeris` with astropy's built-in ephemeris (ERFA).

Not part of the test suite: a manual accuracy check of the mean-element
positions. Needs Debian's python3-astropy (it brings python3-erfa); runs
offline with astropy's built-in ephemeris.

    tools/check_ephemeris.py [--chart build/src/cli/kolvar-chart] [JD ...]

For every Julian day (UT) it prints, per body, the angular difference in
arcminutes
  - "equ": our right ascension/declination against astropy's geocentric
    position referred to the mean equator and equinox of date;
  - "ecl": our direction turned back into ecliptic coordinates with the
    obliquity the program used (the time-dependent one for the Sun and the
    Moon, the fixed 23 deg 26' 45" for the planets) against astropy's
    geocentric mean ecliptic of date;
and the relative distance difference.
"""

import argparse
import math
import os
import subprocess
import sys
import warnings

warnings.simplefilter("ignore")  # dubious-year and IERS warnings for far dates

from astropy.utils import iers  # noqa: E402

iers.conf.auto_download = False

import astropy.units as u  # noqa: E402
from astropy.coordinates import (  # noqa: E402
    GeocentricMeanEcliptic,
    PrecessedGeocentric,
    get_body,
    solar_system_ephemeris,
)
from astropy.time import Time  # noqa: E402

BODIES = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"]
FIXED_OBLIQUITY = 0.40920698754050383
DEFAULT_DAYS = [2451545.0, 2460000.5, 2440000.5, 2455000.5, 2465000.5]
ARCMIN = math.pi / 180 / 60


def kolvar_positions(chart, jd):
    out = subprocess.run([chart, "ephemeris", "--jd", repr(jd)], check=True, capture_output=True, text=True).stdout
    rows = {}
    for line in out.splitlines():
        name, ra, dec, dist = line.split("\t")
        rows[name] = (float(ra), float(dec), float(dist))
    return rows


def separation(lon1, lat1, lon2, lat2):
    # Haversine: well-conditioned for small angles.
    s = math.sin((lat2 - lat1) / 2) ** 2 + math.cos(lat1) * math.cos(lat2) * math.sin((lon2 - lon1) / 2) ** 2
    return 2 * math.asin(min(1.0, math.sqrt(s)))


def to_ecliptic(ra, dec, eps):
    lat = math.asin(math.sin(dec) * math.cos(eps) - math.cos(dec) * math.sin(eps) * math.sin(ra))
    lon = math.atan2(math.sin(ra) * math.cos(eps) + math.tan(dec) * math.sin(eps), math.cos(ra))
    return lon, lat


def obliquity_used(name, jd):
    if name in ("Sun", "Moon"):
        return math.radians(23.4393 - 3.563e-7 * (jd - 2451543.5))
    return FIXED_OBLIQUITY


def compare(chart, jd):
    ours = kolvar_positions(chart, jd)
    t = Time(jd, format="jd", scale="utc")
    results = {}
    for name in BODIES:
        ra, dec, dist = ours[name]
        body = get_body(name.lower(), t)
        equ = body.transform_to(PrecessedGeocentric(equinox=t, obstime=t))
        ecl = body.transform_to(GeocentricMeanEcliptic(equinox=t, obstime=t))
        d_equ = separation(ra, dec, equ.ra.rad, equ.dec.rad)
        lon, lat = to_ecliptic(ra, dec, obliquity_used(name, jd))
        d_ecl = separation(lon, lat, ecl.lon.rad, ecl.lat.rad)
        ref_dist = equ.distance.to(u.au).value
        results[name] = (d_equ / ARCMIN, d_ecl / ARCMIN, (dist - ref_dist) / ref_dist)
    return results


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--chart", default=os.path.join(here, "..", "build", "src", "cli", "kolvar-chart"))
    parser.add_argument("jd", nargs="*", type=float, default=DEFAULT_DAYS)
    args = parser.parse_args()

    print(f"reference: astropy built-in ephemeris ({solar_system_ephemeris.get()}), UT taken as UTC")
    all_results = {jd: compare(args.chart, jd) for jd in args.jd}
    header = "| body | " + " | ".join(f"JD {jd:.1f} equ / ecl (')" for jd in args.jd) + " |"
    print(header)
    print("|" + "---|" * (len(args.jd) + 1))
    for name in BODIES:
        cells = [f"{all_results[jd][name][0]:.2f} / {all_results[jd][name][1]:.2f}" for jd in args.jd]
        print(f"| {name} | " + " | ".join(cells) + " |")
    print()
    print("| body | " + " | ".join(f"JD {jd:.1f} dr/r" for jd in args.jd) + " |")
    print("|" + "---|" * (len(args.jd) + 1))
    for name in BODIES:
        cells = [f"{all_results[jd][name][2]:+.1e}" for jd in args.jd]
        print(f"| {name} | " + " | ".join(cells) + " |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
