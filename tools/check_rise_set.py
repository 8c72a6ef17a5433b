#!/usr/bin/python3
"""Compares the rising, culmination and setting times of `kolvar-chart find`
with PyEphem (Debian's python3-ephem), an independent ephemeris.

Not part of the test suite: a manual accuracy check.

    tools/check_rise_set.py [--chart build/src/cli/kolvar-chart] [--lat DEG] [--lon DEG] [JD ...]

For every starting instant (Julian days, UT; three dates by default) and each
of Vega, Sirius, the Sun and the Moon it prints the next rising, upper
culmination and setting after that instant from both programs and their
difference in seconds. PyEphem is set up as the chart's horizon is: for the
stars no refraction (pressure 0) and the centre on the horizon; for the Sun
and the Moon its default refraction (1010 mbar, 15 C) and the upper limb.
The differences must stay within 2 minutes (3 for the Moon); the exit status
is 1 when one does not.

A third column gives PyEphem again with the latitude of the chart's own
zenith, which lies about 0.19 degrees north of the geodetic one (see
tools/check_ephemeris.py --horizon): what remains there is the positions'
own error, the rest is the observer frame. Last, the check that Vega never
sets at latitude 60 N in both programs.
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
           ("Nap", ephem.Sun, 120), ("Hold", ephem.Moon, 180)]
EVENTS = ["rise", "transit", "set"]


def chart_zenith_latitude(lat_deg):
    """Latitude of the zenith of the chart's observer frame (ComputeChartFrame)."""
    phi = math.radians(lat_deg)
    a = 0.99833 + 0.00167 * math.cos(2 * phi)
    b = -0.00334 * math.sin(2 * phi)
    return math.degrees(phi + math.atan2(-b, a))


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


def ephem_times(make_body, is_star, jd, lat, lon):
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.elevation = 0
    observer.date = ephem.Date(jd - DUBLIN_JD)
    if is_star:
        observer.pressure = 0
    body = make_body()
    times = {}
    for event, method in zip(EVENTS, (observer.next_rising, observer.next_transit, observer.next_setting)):
        try:
            times[event] = float(method(body)) + DUBLIN_JD
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
    zenith = chart_zenith_latitude(args.lat)
    print(f"place {args.lat} N {args.lon} E; the chart's zenith at latitude {zenith:.4f}")
    print("| start (UT) | object | event | kolvar-chart | PyEphem | difference (s) | at the chart's zenith (s) |")
    print("|---|---|---|---|---|---|---|")
    failures = 0
    worst = {}
    for jd in args.days:
        for name, make_body, limit in OBJECTS:
            is_star = name in ("Vega", "Sirius")
            ours = kolvar_times(args.chart, name, jd, args.lat, args.lon)
            theirs = ephem_times(make_body, is_star, jd, args.lat, args.lon)
            framed = ephem_times(make_body, is_star, jd, zenith, args.lon)
            for event in EVENTS:
                d = difference(ours[event], theirs[event])
                f = difference(ours[event], framed[event])
                cell = "-" if d is None else f"{d:+.0f}"
                framed_cell = "-" if f is None else f"{f:+.0f}"
                if d is not None and abs(d) > limit:
                    failures += 1
                    cell += " (over)"
                if d is not None:
                    worst[name] = max(worst.get(name, 0.0), abs(d))
                print(f"| {jd_to_iso(jd)} | {name} | {event} | {jd_to_iso(ours[event])} | "
                      f"{jd_to_iso(theirs[event])} | {cell} | {framed_cell} |")
    print()
    for name, _, limit in OBJECTS:
        print(f"{name}: largest difference {worst.get(name, 0.0):.0f} s (limit {limit} s)")
    ours = kolvar_times(args.chart, "Vega", args.days[0], 60.0, args.lon)
    theirs = ephem_times(OBJECTS[0][1], True, args.days[0], 60.0, args.lon)
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
