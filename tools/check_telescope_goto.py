#!/usr/bin/python3
"""Checks kolvar-chart telescope against an independent code.

Starts a private indiserver with the telescope simulator (Debian indi-bin),
runs `kolvar-chart telescope goto M31`, `status`, `sync Vega` and `status`,
and compares the mount's coordinates of date with the apparent places of date
that astropy (Debian python3-astropy, which calls ERFA through its own tables)
and PyEphem (python3-ephem, libastro: a code of its own) give for the same
instant. Two J2000 places are used for each object: the published one
(SIMBAD: M31 00h42m44.330s +41d16m07.50s, Vega 18h36m56.336s +38d47m01.28s
with its proper motion) and the program's own catalogue entry, which for M31
is written to a tenth of a minute of time (0h42.7m +41d16').

    tools/check_telescope_goto.py build/src/cli/kolvar-chart
"""
import math
import os
import signal
import socket
import subprocess
import sys
import time
import warnings

warnings.filterwarnings("ignore")
from astropy.utils import iers  # noqa: E402

iers.conf.auto_download = False
iers.conf.auto_max_age = None
import astropy.units as u  # noqa: E402
import ephem  # noqa: E402
import erfa  # noqa: E402
from astropy.coordinates import CIRS, SkyCoord  # noqa: E402
from astropy.time import Time  # noqa: E402

OBJECTS = {
    "M31": {"published": dict(ra="00h42m44.330s", dec="+41d16m07.50s"),
            "catalogue": dict(ra="00h42m42s", dec="+41d16m00s"),
            "ephem": "M31,f|G,0:42:44.33,41:16:07.5,3.4,2000"},
    "Vega": {"published": dict(ra="18h36m56.336s", dec="+38d47m01.28s",
                               pm_ra_cosdec=200.94 * u.mas / u.yr, pm_dec=286.23 * u.mas / u.yr,
                               distance=(1000 / 130.23) * u.pc, radial_velocity=-13.5 * u.km / u.s),
             "ephem": "Vega,f|S|A0,18:36:56.336|200.94,38:47:01.28|286.23,0.03,2000"},
}


def apparent_astropy(place, jd):
    t = Time(jd, format="jd", scale="utc")
    args = dict(place)
    motion = "pm_ra_cosdec" in args
    c = SkyCoord(frame="icrs", obstime=Time("J2000") if motion else None, **args)
    if motion:
        c = c.apply_space_motion(new_obstime=t)
    cirs = c.transform_to(CIRS(obstime=t))
    eo = erfa.eo06a(t.tt.jd1, t.tt.jd2)
    return (cirs.ra.rad - eo) % (2 * math.pi), cirs.dec.rad


def apparent_ephem(db, jd):
    o = ephem.Observer()
    o.date = ephem.Date(jd - 2415020.0)
    o.pressure = 0
    body = ephem.readdb(db)
    body.compute(o)  # geocentric apparent place of date: g_ra, g_dec
    return float(body.g_ra), float(body.g_dec)


def separation_arcsec(a, b):
    return math.degrees(erfa.seps(a[0], a[1], b[0], b[1])) * 3600


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def run(chart, port, *args):
    r = subprocess.run([chart, "telescope", "--server", f"127.0.0.1:{port}", *args],
                       capture_output=True, text=True, timeout=300)
    if r.returncode != 0:
        sys.exit(f"{' '.join(args)}: status {r.returncode}: {r.stderr.strip()}")
    fields = r.stdout.splitlines()[1].split("\t")
    return {"state": fields[1], "jd": float(fields[2]),
            "date": (math.radians(float(fields[5]) * 15), math.radians(float(fields[6]))), "near": fields[7]}


def report(name, row):
    print(f"{name}: state {row['state']}, near {row['near']}, jd {row['jd']:.6f}")
    for kind, place in OBJECTS[name].items():
        if kind == "ephem":
            ref, code = apparent_ephem(place, row["jd"]), "PyEphem"
        else:
            ref, code = apparent_astropy(place, row["jd"]), "astropy"
        print(f"  {code:8s} {kind if kind != 'ephem' else 'published':10s} J2000 place: "
              f"{separation_arcsec(row['date'], ref):6.1f}\" from the mount's place of date")


def main():
    chart = sys.argv[1] if len(sys.argv) > 1 else "build/src/cli/kolvar-chart"
    port = free_port()
    server = subprocess.Popen(["indiserver", "-p", str(port), "-u", f"/kolvar-check-{port}",
                               "indi_simulator_telescope"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        time.sleep(1.5)
        report("M31", run(chart, port, "goto", "M31", "--lat", "47.5", "--lon", "19.04", "--min-alt", "-90"))
        report("M31", run(chart, port, "status"))
        run(chart, port, "sync", "Vega")
        report("Vega", run(chart, port, "status"))
    finally:
        os.killpg(server.pid, signal.SIGTERM)
        server.wait()


if __name__ == "__main__":
    main()
