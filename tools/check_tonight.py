#!/usr/bin/python3
"""Compares `kolvar-chart tonight` with PyEphem (Debian's python3-ephem), an
independent ephemeris: the night's times and the best times and altitudes of
a few objects.

Not part of the test suite: a manual accuracy check.

    tools/check_tonight.py [--chart build/src/cli/kolvar-chart]

For each place (47.5 N 19.04 E on 2026-12-09 in zone 1, then latitudes up to
65 degrees and a polar night) the sunset and sunrise, the ends of the three
twilights and the Moon's rising and setting after the night's start are
found by PyEphem as an almanac gives them: no atmosphere in the model
(pressure 0) and the horizon at -34', the upper limb for the Sun and the
Moon (whose parallax PyEphem applies), the Sun's centre at -6, -12 and -18
degrees for the twilights. For Jupiter, M42 and M31 (and Vega, Capella) the
best time is the upper culmination when it falls in the dark hours, else the
higher end of them; PyEphem's airless altitude at that time and at
kolvar-chart's own best time are compared with its altitude. Targets: times
within 2 minutes, altitudes within 0.1 degree; exit status 1 when one is missed.
"""

import argparse
import calendar
import math
import subprocess
import sys
import time

import ephem

DUBLIN_JD = 2415020.0  # ephem.Date counts days from Julian day 2415020 (1899-12-31 12 h)
PLACES = [  # (date, zone, latitude, longitude)
    ("2026-12-09", 1, 47.5, 19.04),
    ("2026-12-09", 0, 30.0, -9.6),
    ("2026-12-09", 1, 55.7, 12.6),
    ("2026-12-09", 2, 60.2, 24.9),
    ("2026-12-09", 2, 65.0, 25.5),
    ("2026-06-21", 3, 65.0, 25.5),
    ("2026-12-09", 10, -33.9, 151.2),
    ("2026-12-09", 1, 69.65, 18.96),  # polar night at Tromso
]
TIME_LIMIT = 120.0  # seconds
ALTITUDE_LIMIT = 0.1  # degrees
OBJECTS = {
    "Jupiter": ephem.Jupiter,
    "M42": lambda: fixed("5:35:17.3", "-5:23:28"),
    "M31": lambda: fixed("0:42:44.3", "41:16:09"),
    "Vega": lambda: ephem.star("Vega"),
    "Capella": lambda: ephem.star("Capella"),
}
SUN_EVENTS = [  # name in the output, horizon, centre, evening (setting) or morning
    ("sunset", "-0:34", False, True), ("civil_dusk", "-6", True, True),
    ("nautical_dusk", "-12", True, True), ("astronomical_dusk", "-18", True, True),
    ("astronomical_dawn", "-18", True, False), ("nautical_dawn", "-12", True, False),
    ("civil_dawn", "-6", True, False), ("sunrise", "-0:34", False, False),
]


def fixed(ra, dec):
    body = ephem.FixedBody()
    body._ra, body._dec, body._epoch = ra, dec, ephem.J2000
    return body


def iso_to_jd(text):
    if text == "-":
        return None
    return calendar.timegm(time.strptime(text, "%Y-%m-%dT%H:%M:%SZ")) / 86400.0 + 2440587.5


def run_tonight(chart, date, zone, lat, lon):
    out = subprocess.run([chart, "tonight", "--date", date, "--zone", str(zone), "--lat", str(lat),
                          "--lon", str(lon), "--min-alt", "0"], check=True, capture_output=True,
                         text=True).stdout
    night_text, table = out.split("\n\n", 1)
    night = {}
    for line in night_text.splitlines():
        fields = line.split("\t")
        night.setdefault(fields[0], fields[1])
    lines = table.splitlines()
    header = lines[0].split("\t")
    rows = {}
    for line in lines[1:]:
        row = dict(zip(header, line.split("\t")))
        rows.setdefault(row["name"], row)
    return night, rows


def observer(lat, lon, jd, horizon="0"):
    o = ephem.Observer()
    o.lat, o.lon = str(lat), str(lon)
    o.elevation = 0
    o.pressure = 0
    o.horizon = horizon
    o.date = ephem.Date(jd - DUBLIN_JD)
    return o


def event(o, body, setting, centre=False):
    try:
        method = o.next_setting if setting else o.next_rising
        return float(method(body, use_center=centre)) + DUBLIN_JD
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None


def altitude(lat, lon, body, jd):
    o = observer(lat, lon, jd)
    body.compute(o)
    return math.degrees(body.alt)


def compare_time(label, ours, theirs, failures):
    if ours is None and theirs is None:
        print(f"  {label:22} -                     -                     both none")
        return
    if ours is None or theirs is None:
        failures.append(label)
        print(f"  {label:22} {ours}  {theirs}  ** one is missing")
        return
    d = (ours - theirs) * 86400.0
    mark = "" if abs(d) <= TIME_LIMIT else "  ** over"
    if mark:
        failures.append(label)
    print(f"  {label:22} {jd_text(ours)}  {jd_text(theirs)}  {d:+8.1f} s{mark}")
    return d


def jd_text(jd):
    return time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(round((jd - 2440587.5) * 86400.0)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--chart", default="build/src/cli/kolvar-chart")
    args = parser.parse_args()
    failures = []
    worst_time = 0.0
    worst_altitude = 0.0
    for date, zone, lat, lon in PLACES:
        night, rows = run_tonight(args.chart, date, zone, lat, lon)
        start = iso_to_jd(night["noon"])
        end = iso_to_jd(night["next_noon"])
        print(f"{date} zone {zone} at {lat} {lon}: {night['sun']}, darkest {night['darkest']}")
        print(f"  {'event':22} {'kolvar-chart':21} {'PyEphem':21} difference")
        for name, horizon, centre, evening in SUN_EVENTS:
            theirs = event(observer(lat, lon, start, horizon), ephem.Sun(), evening, centre)
            if theirs is not None and theirs > end:
                theirs = None
            d = compare_time(name, iso_to_jd(night[name]), theirs, failures)
            worst_time = max(worst_time, abs(d or 0.0))
        for name, setting in (("moonrise", False), ("moonset", True)):
            theirs = event(observer(lat, lon, start, "-0:34"), ephem.Moon(), setting)
            if theirs is not None and theirs > end:
                theirs = None
            d = compare_time(name, iso_to_jd(night[name]), theirs, failures)
            worst_time = max(worst_time, abs(d or 0.0))
        if "observing_from" not in night:
            continue
        dark_from, dark_to = iso_to_jd(night["observing_from"]), iso_to_jd(night["observing_to"])
        for name, make in OBJECTS.items():
            row = rows.get(name)
            body = make()
            o = observer(lat, lon, dark_from)
            try:
                transit = float(o.next_transit(body)) + DUBLIN_JD
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                transit = None
            if transit is not None and transit <= dark_to:
                best = transit
            else:
                best = max(dark_from, dark_to, key=lambda t: altitude(lat, lon, make(), t))
            best_altitude = altitude(lat, lon, make(), best)
            if row is None:
                listed = "not listed" if best_altitude < 0 else "** missing"
                if best_altitude >= 0:
                    failures.append(name)
                print(f"  {name:22} {listed}; PyEphem's best altitude {best_altitude:.2f}")
                continue
            ours_best = iso_to_jd(row["best"])
            ours_altitude = float(row["altitude"])
            d = compare_time(name + " best", ours_best, best, failures)
            worst_time = max(worst_time, abs(d or 0.0))
            at_ours = altitude(lat, lon, make(), ours_best)
            da = ours_altitude - at_ours
            db = ours_altitude - best_altitude
            worst_altitude = max(worst_altitude, abs(da), abs(db))
            mark = "" if abs(da) <= ALTITUDE_LIMIT and abs(db) <= ALTITUDE_LIMIT else "  ** over"
            if mark:
                failures.append(name + " altitude")
            print(f"  {name + ' altitude':22} {ours_altitude:8.2f}  at that time {at_ours:8.3f} ({da:+.3f})"
                  f"  best {best_altitude:8.3f} ({db:+.3f}){mark}")
            for label, key, method in (("rise", "rise", o.next_rising), ("set", "set", o.next_setting)):
                ro = observer(lat, lon, start, "-0:34")
                try:
                    theirs = float((ro.next_rising if key == "rise" else ro.next_setting)(make())) + DUBLIN_JD
                except (ephem.AlwaysUpError, ephem.NeverUpError):
                    theirs = None
                if theirs is not None and theirs > end:
                    theirs = None
                d = compare_time(f"{name} {label}", iso_to_jd(row[key]), theirs, failures)
                worst_time = max(worst_time, abs(d or 0.0))
    print(f"worst time difference {worst_time:.1f} s, worst altitude difference {worst_altitude:.3f} degrees")
    if failures:
        print("over the targets: " + ", ".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
