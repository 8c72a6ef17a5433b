#!/usr/bin/python3
"""Compares the rising, culmination and setting times of `kolvar-chart find`
with PyEphem (Debian's python3-ephem), an independent ephemeris.

Not part of the test suite: a manual accuracy check.

    tools/check_rise_set.py [--chart build/src/cli/kolvar-chart] [--lat DEG] [--lon DEG] [JD ...]

For every starting instant (Julian days, UT; three dates by default) and each
of Vega, Sirius, Jupiter, the Sun and the Moon it prints the next rising,
upper culmination and setting after that instant from both programs and
their difference in seconds; then the same for a few hard places (Capella at
Hobart, the Sun and Uranus at Tromso). PyEphem is set up as an almanac
reckons: the geodetic zenith, no refraction model (pressure 0) and the
horizon at -34', the Sun's and the Moon's upper limb. The differences must
stay within 2 minutes (3 for the Moon); the exit status is 1 when one does
not. Last, the check that Vega never sets at latitude 60 N in both programs.
"""

import argparse
import calendar
import math
import subprocess
import sys
import time

import ephem

DEFAULT_LAT, DEFAULT_LON = 47.5890, 19.0640
DEFAULT_DAYS = [2460536.0, 2460710.25, 2461150.5]  # 2024-08-13 12 h, 2025-02-03 18 h, 2026-04-20 0 h UT
DUBLIN_JD = 2415020.0  # ephem.Date counts days from Julian day 2415020 (1899-12-31 12 h)
OBJECTS = [("Vega", lambda: ephem.star("Vega"), 120), ("Sirius", lambda: ephem.star("Sirius"), 120),
           ("Jupiter", ephem.Jupiter, 120), ("Nap", ephem.Sun, 120), ("Hold", ephem.Moon, 180)]
LIMBS = ("Nap", "Hold")  # rise and set with the upper limb
# (name, body, latitude, longitude, start JD)
HARD_PLACES = [("Capella", lambda: ephem.star("Capella"), -42.8821, 147.3272, 2460676.5),
               ("Nap", ephem.Sun, 69.6492, 18.9553, 2461006.5),
               ("Uranusz", ephem.Uranus, 69.65, 18.9553, 2460940.5)]
EVENTS = ["rise", "transit", "set"]


def iso_to_jd(text):
    if text == "-":
        return None
    seconds = calendar.timegm(time.strptime(text, "%Y-%m-%dT%H:%M:%SZ"))
    return seconds / 86400.0 + 2440587.5


def jd_to_iso(jd):
    if jd is None:
        return "-"
    return time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(round((jd - 2440587.5) * 86400.0)))


def kolvar_times(chart, name, jd, lat, lon):
    out = subprocess.run([chart, "find", name, "--jd", repr(jd), "--lat", repr(lat), "--lon", repr(lon)],
                         check=True, capture_output=True, text=True).stdout
    header, first = out.splitlines()[:2]
    row = dict(zip(header.split("\t"), first.split("\t")))
    return {event: iso_to_jd(row[event]) for event in EVENTS}


def ephem_times(make_body, limb, jd, lat, lon):
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation = 0
    observer.date = ephem.Date(jd - DUBLIN_JD)
    observer.pressure = 0
    observer.horizon = "-0:34"
    body = make_body()
    times = {}
    for event, method in zip(EVENTS, (observer.next_rising, observer.next_transit, observer.next_setting)):
        try:
            if event == "transit":
                times[event] = float(method(body)) + DUBLIN_JD
            else:
                times[event] = float(method(body, use_center=not limb)) + DUBLIN_JD
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            times[event] = None
    return times


def difference(ours, theirs):
    if ours is None or theirs is None:
        return None if ours is None and theirs is None else math.inf
    return (ours - theirs) * 86400.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--chart", default="build/src/cli/kolvar-chart")
    parser.add_argument("--lat", type=float, default=DEFAULT_LAT)
    parser.add_argument("--lon", type=float, default=DEFAULT_LON)
    parser.add_argument("days", nargs="*", type=float, default=DEFAULT_DAYS)
    args = parser.parse_args()
    print(f"place {args.lat} N {args.lon} E")
    print("| start (UT) | place | object | event | kolvar-chart | PyEphem | difference (s) |")
    print("|---|---|---|---|---|---|---|")
    failures = 0
    worst = {}
    runs = [(name, make, limit, args.lat, args.lon, jd) for jd in args.days for name, make, limit in OBJECTS]
    runs += [(name, make, 120, lat, lon, jd) for name, make, lat, lon, jd in HARD_PLACES]
    for name, make_body, limit, lat, lon, jd in runs:
        ours = kolvar_times(args.chart, name, jd, lat, lon)
        theirs = ephem_times(make_body, name in LIMBS, jd, lat, lon)
        for event in EVENTS:
            d = difference(ours[event], theirs[event])
            cell = "-" if d is None else f"{d:+.0f}"
            if d is not None and abs(d) > limit:
                failures += 1
                cell += " (over)"
            if d is not None:
                worst[name] = max(worst.get(name, 0.0), abs(d))
            print(f"| {jd_to_iso(jd)} | {lat} {lon} | {name} | {event} | {jd_to_iso(ours[event])} | "
                  f"{jd_to_iso(theirs[event])} | {cell} |")
    print()
    for name, _, limit in OBJECTS:
        print(f"{name}: largest difference {worst.get(name, 0.0):.0f} s (limit {limit} s)")
    ours = kolvar_times(args.chart, "Vega", args.days[0], 60.0, args.lon)
    theirs = ephem_times(OBJECTS[0][1], False, args.days[0], 60.0, args.lon)
    never_sets = ours["rise"] is None and ours["set"] is None and theirs["set"] is None
    print(f"Vega at 60 N: kolvar-chart rise {jd_to_iso(ours['rise'])} set {jd_to_iso(ours['set'])}, "
          f"PyEphem set {jd_to_iso(theirs['set'])}: {'never sets' if never_sets else 'MISMATCH'}")
    if not never_sets:
        failures += 1
    if failures:
        print(f"{failures} difference(s) over the limit")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
