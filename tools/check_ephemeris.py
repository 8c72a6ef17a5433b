#!/usr/bin/python3
"""Compares Kolvar's positions with astropy's built-in ephemeris (ERFA).

Not part of the test suite: a manual accuracy check. Needs Debian's
python3-astropy (it brings python3-erfa); runs offline with astropy's built-in
ephemeris.

    tools/check_ephemeris.py [--chart build/src/cli/kolvar-chart] [JD ...]

For every Julian day (UT; time scales as below) it prints, per body, the
angular difference of `kolvar-chart ephemeris` in arcminutes
  - "equ": our right ascension/declination against astropy's geocentric
    position referred to the mean equator and equinox of date;
  - "ecl": our direction turned back into ecliptic coordinates with the
    obliquity the program used (the time-dependent one for the Sun and the
    Moon, the fixed 23 deg 26' 45" for the planets) against astropy's
    geocentric mean ecliptic of date;
and the relative distance difference.

    tools/check_ephemeris.py --horizon [--chart ...] [--lat DEG] [--lon DEG] [--years Y ...]

compares the chart itself: `kolvar-chart render --objects` for four instants
of each year (1 January and 1 July, 0 h and 12 h UT) against astropy's
azimuth and altitude for the same place (no refraction). Compared are every
star brighter than magnitude 2 (the catalogue's own J2000 position and proper
motion, moved by ERFA's pmsafe) and the Sun, the Moon and the seven planets,
whenever the chart or astropy puts them above the horizon. It prints the
worst separation per year and kind in degrees, twice: against astropy's
horizon of the geodetic zenith, and against the same direction seen in the
chart's own observer frame, whose zenith lies about 0.19 degrees north of
the geodetic one at mid latitudes; the second figure is what remains of the
positions themselves.

Time scales: the chart's Julian day is Universal Time. astropy is given
TT = UT + delta-T (Espenak and Meeus 2006 polynomials; 26 min in the year
1000, about 74 min, extrapolated, in 3000) and UT1 set to exactly the
chart's Julian day, so the Earth's rotation is the same in both and the
bodies move on terrestrial time.
"""

import argparse
import math
import os
import re
import subprocess
import sys
import tempfile
import warnings

warnings.simplefilter("ignore")  # dubious-year and IERS warnings for far dates

from astropy.utils import iers  # noqa: E402

iers.conf.auto_download = False

import astropy.units as u  # noqa: E402
import erfa  # noqa: E402
import numpy as np  # noqa: E402
from astropy.coordinates import (  # noqa: E402
    AltAz,
    EarthLocation,
    GeocentricMeanEcliptic,
    PrecessedGeocentric,
    SkyCoord,
    get_body,
    solar_system_ephemeris,
)
from astropy.time import Time  # noqa: E402

BODIES = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"]
FIXED_OBLIQUITY = 0.40920698754050383
DEFAULT_DAYS = [2451545.0, 2460000.5, 2440000.5, 2455000.5, 2465000.5]
DEFAULT_YEARS = [1000, 1500, 1900, 2000, 2026, 2100, 2500, 3000]
INSTANTS = [(1, 0.0), (1, 0.5), (7, 0.0), (7, 0.5)]  # (month, day fraction UT) on the 1st
DEFAULT_LAT, DEFAULT_LON = 47.5890, 19.0640
EARTH_RADIUS_AU = 4.26353e-05
ARCMIN = math.pi / 180 / 60
HERE = os.path.dirname(os.path.abspath(__file__))
GENERATED = os.path.join(HERE, "..", "src", "catalog", "generated")


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
    t = observation_time(jd)
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


def print_ephemeris(chart, days):
    print(f"reference: astropy built-in ephemeris ({solar_system_ephemeris.get()}), TT = UT + delta-T")
    all_results = {jd: compare(chart, jd) for jd in days}
    header = "| body | " + " | ".join(f"JD {jd:.1f} equ / ecl (')" for jd in days) + " |"
    print(header)
    print("|" + "---|" * (len(days) + 1))
    for name in BODIES:
        cells = [f"{all_results[jd][name][0]:.2f} / {all_results[jd][name][1]:.2f}" for jd in days]
        print(f"| {name} | " + " | ".join(cells) + " |")
    print()
    print("| body | " + " | ".join(f"JD {jd:.1f} dr/r" for jd in days) + " |")
    print("|" + "---|" * (len(days) + 1))
    for name in BODIES:
        cells = [f"{all_results[jd][name][2]:+.1e}" for jd in days]
        print(f"| {name} | " + " | ".join(cells) + " |")


# --- The chart against astropy's horizon -----------------------------------


def delta_t_seconds(year):
    """TT - UT (s) after Espenak and Meeus (2006), as used for the NASA eclipse canons."""
    y = year
    if y < -500 or y >= 2150:
        return -20 + 32 * ((y - 1820) / 100) ** 2
    if y < 500:
        c = (10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521)
        return sum(k * (y / 100) ** i for i, k in enumerate(c))
    if y < 1600:
        c = (1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073)
        return sum(k * ((y - 1000) / 100) ** i for i, k in enumerate(c))
    if y < 1700:
        t = y - 1600
        return 120 - 0.9808 * t - 0.01532 * t**2 + t**3 / 7129
    if y < 1800:
        t = y - 1700
        return 8.83 + 0.1603 * t - 0.0059285 * t**2 + 0.00013336 * t**3 - t**4 / 1174000
    if y < 1860:
        t = y - 1800
        c = (13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875)
        return sum(k * t**i for i, k in enumerate(c))
    if y < 1900:
        t = y - 1860
        return 7.62 + 0.5737 * t - 0.251754 * t**2 + 0.01680668 * t**3 - 0.0004473624 * t**4 + t**5 / 233174
    if y < 1920:
        t = y - 1900
        return -2.79 + 1.494119 * t - 0.0598939 * t**2 + 0.0061966 * t**3 - 0.000197 * t**4
    if y < 1941:
        t = y - 1920
        return 21.20 + 0.84493 * t - 0.076100 * t**2 + 0.0020936 * t**3
    if y < 1961:
        t = y - 1950
        return 29.07 + 0.407 * t - t**2 / 233 + t**3 / 2547
    if y < 1986:
        t = y - 1975
        return 45.45 + 1.067 * t - t**2 / 260 - t**3 / 718
    if y < 2005:
        t = y - 2000
        c = (63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599)
        return sum(k * t**i for i, k in enumerate(c))
    if y < 2050:
        t = y - 2000
        return 62.92 + 0.32217 * t + 0.005589 * t**2
    return -20 + 32 * ((y - 1820) / 100) ** 2 - 0.5628 * (2150 - y)


def observation_time(jd_ut):
    """An astropy Time whose UT1 is the chart's Julian day and whose TT is UT1 + delta-T."""
    year = 2000 + (jd_ut - 2451545.0) / 365.25
    t = Time(jd_ut + delta_t_seconds(year) / 86400, format="jd", scale="tt")
    t.delta_ut1_utc = (jd_ut - t.utc.jd) * 86400  # UTC is TAI (no leap seconds) before 1960
    assert abs(t.ut1.jd - jd_ut) * 86400 < 1e-3
    return t


def bright_stars():
    """(catalogue index, name, RA, Dec, pm RA cos Dec, pm Dec), radians and radians a year, of the stars V < 2."""
    names = {}
    with open(os.path.join(GENERATED, "proper_names.inc"), encoding="cp1250") as f:
        for m in re.finditer(r'\{(\d+), "([^"]*)"\}', f.read()):
            names[int(m.group(1))] = m.group(2).strip()
    # {constellation, HR, RA h, m, s, Dec sign, d, m, s, pm RA, pm Dec, magnitude class, letter}
    number, real = r"(-?[\d.]+)", r"(-?[\d.]+)f"
    fields = [number, number, number, number, real, "'([+-])'", number, number, real, real, real, number, "'(.)'"]
    row = re.compile(r"\{" + ", ".join(fields) + r"\}")
    stars = []
    index = 0
    with open(os.path.join(GENERATED, "star_catalogue.inc"), encoding="ascii") as f:
        for line in f:
            m = row.match(line)
            if not m:
                continue
            g = m.groups()
            if int(g[11]) <= 1:  # magnitude class: V truncated toward zero
                ra = math.radians(15 * (int(g[2]) + int(g[3]) / 60 + float(g[4]) / 3600))
                dec = math.radians(int(g[6]) + int(g[7]) / 60 + float(g[8]) / 3600) * (-1 if g[5] == "-" else 1)
                arcsec = math.radians(1 / 3600)
                hr = int(g[1])
                name = names.get(hr, f"HR {hr}")
                stars.append((index, name, ra, dec, float(g[9]) * arcsec, float(g[10]) * arcsec))
            index += 1
    assert index == 3275, index
    return stars


def render_objects(chart, jd, lat, lon, folder):
    png, tsv = os.path.join(folder, "sky.png"), os.path.join(folder, "sky.tsv")
    place = ["--lat", repr(lat), "--lon", repr(lon)]
    command = [chart, "render", "--jd", repr(jd), *place, "--out", png, "--objects", tsv]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    rows = {}
    with open(tsv) as f:
        next(f)
        for line in f:
            slot, kind, index, visible, az, alt = line.split("\t")[:6]
            rows[int(slot)] = (int(kind), int(index), int(visible), float(az), float(alt))
    return rows


def frame_zenith_tilt(lat_deg):
    """How far north of the geodetic zenith the chart's observer frame puts its zenith (radians)."""
    phi = math.radians(lat_deg)
    a = EARTH_RADIUS_AU * (0.99833 + 0.00167 * math.cos(2 * phi))
    b = EARTH_RADIUS_AU * (-0.00334) * math.sin(2 * phi)
    return -math.atan2(b, a)


def horizontal_vector(az, alt):
    return np.array([np.cos(alt) * np.cos(az), np.cos(alt) * np.sin(az), np.sin(alt)])  # north, east, up


def in_chart_frame(az, alt, tilt):
    """astropy's (az, alt) seen in a frame whose zenith is tilted `tilt` towards north."""
    n, e, up = horizontal_vector(az, alt)
    n2 = np.cos(tilt) * n - np.sin(tilt) * up
    up2 = np.cos(tilt) * up + np.sin(tilt) * n
    return np.arctan2(e, n2), np.arctan2(up2, np.hypot(n2, e))


def sep(az1, alt1, az2, alt2):
    v1, v2 = horizontal_vector(az1, alt1), horizontal_vector(az2, alt2)
    return np.degrees(np.arctan2(np.linalg.norm(np.cross(v1.T, v2.T), axis=-1), np.sum(v1 * v2, axis=0)))


def reference_horizontal(stars, t, location):
    """astropy's (az, alt) in radians: the stars (catalogue order of `stars`), then the nine bodies."""
    frame = AltAz(obstime=t, location=location, pressure=0 * u.hPa)
    ra = np.array([s[2] for s in stars])
    dec = np.array([s[3] for s in stars])
    pm_ra = np.array([s[4] for s in stars]) / np.cos(dec)  # pmsafe wants d(RA)/dt
    pm_dec = np.array([s[5] for s in stars])
    ra2, dec2 = erfa.pmsafe(ra, dec, pm_ra, pm_dec, 0.0, 0.0, 2451545.0, 0.0, t.tt.jd1, t.tt.jd2)[:2]
    star = SkyCoord(ra=ra2 * u.rad, dec=dec2 * u.rad, frame="icrs").transform_to(frame)
    az, alt = list(star.az.rad), list(star.alt.rad)
    for name in BODIES:
        body = get_body(name.lower(), t, location=location).transform_to(frame)
        az.append(float(body.az.rad))
        alt.append(float(body.alt.rad))
    return np.array(az), np.array(alt)


def check_horizon(chart, years, lat, lon):
    location = EarthLocation.from_geodetic(lon * u.deg, lat * u.deg, 0 * u.m)
    tilt = frame_zenith_tilt(lat)
    stars = bright_stars()
    labels = [s[1] for s in stars] + BODIES
    slots = [9 + s[0] for s in stars] + list(range(9))
    is_star = np.array([True] * len(stars) + [False] * len(BODIES))
    print(
        f"reference: astropy {solar_system_ephemeris.get()} ephemeris, {len(stars)} stars brighter than V 2, "
        f"{lat} N {lon} E, no refraction; frame zenith {math.degrees(tilt):.3f} deg north of geodetic"
    )
    print(
        "| year | TT-UT (s) | stars | worst star (deg) | bodies | worst body (deg) |"
        " worst star, chart frame | worst body, chart frame |"
    )
    print("|---|---|---|---|---|---|---|---|")
    per_body = {}
    with tempfile.TemporaryDirectory() as folder:
        for year in years:
            worst = {}
            counts = [set(), set()]
            for month, fraction in INSTANTS:
                jd1, jd2 = erfa.cal2jd(year, month, 1)  # proleptic Gregorian, as the program counts
                jd = jd1 + jd2 + fraction
                t = observation_time(jd)
                rows = render_objects(chart, jd, lat, lon, folder)
                ref_az, ref_alt = reference_horizontal(stars, t, location)
                ours = np.array([rows[s][3:5] for s in slots]).T
                visible = np.array([rows[s][2] == 1 for s in slots]) | (ref_alt >= 0)
                raw = sep(ours[0], ours[1], ref_az, ref_alt)
                faz, falt = in_chart_frame(ref_az, ref_alt, tilt)
                framed = sep(ours[0], ours[1], faz, falt)
                for i in np.nonzero(visible)[0]:
                    kind = "star" if is_star[i] else "body"
                    counts[0 if is_star[i] else 1].add(labels[i])
                    for measure, value in (("raw", raw[i]), ("frame", framed[i])):
                        key = (kind, measure)
                        if key not in worst or value > worst[key][0]:
                            worst[key] = (value, labels[i])
                    if not is_star[i]:
                        key = (labels[i], year)
                        per_body[key] = max(per_body.get(key, (0, 0)), (raw[i], framed[i]))

            def cell(kind, measure):
                if (kind, measure) not in worst:
                    return "-"
                value, label = worst[(kind, measure)]
                return f"{value:.2f} ({label})"

            cells = [f"{delta_t_seconds(year):.0f}", len(counts[0]), cell("star", "raw"), len(counts[1])]
            cells += [cell("body", "raw"), cell("star", "frame"), cell("body", "frame")]
            print(f"| {year} | " + " | ".join(str(c) for c in cells) + " |")
    print()
    print("worst separation per body (deg), geodetic zenith / chart frame; - when never above the horizon")
    print("| body | " + " | ".join(str(y) for y in years) + " |")
    print("|" + "---|" * (len(years) + 1))
    for name in BODIES:
        cells = ["%.2f / %.2f" % per_body[(name, y)] if (name, y) in per_body else "-" for y in years]
        print(f"| {name} | " + " | ".join(cells) + " |")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--chart", default=os.path.join(HERE, "..", "build", "src", "cli", "kolvar-chart"))
    parser.add_argument("--horizon", action="store_true", help="compare the chart's azimuths and altitudes")
    parser.add_argument("--years", nargs="+", type=int, default=DEFAULT_YEARS)
    parser.add_argument("--lat", type=float, default=DEFAULT_LAT)
    parser.add_argument("--lon", type=float, default=DEFAULT_LON)
    parser.add_argument("jd", nargs="*", type=float, default=DEFAULT_DAYS)
    args = parser.parse_args()
    if args.horizon:
        check_horizon(args.chart, args.years, args.lat, args.lon)
    else:
        print_ephemeris(args.chart, args.jd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
