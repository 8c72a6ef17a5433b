#!/usr/bin/python3
"""Write the NGC/IC tables of src/catalog/generated (ngc_ic_objects.inc, ngc_ic_names.inc).

Usage: tools/generate_ngc_ic.py [--sources DIR] [--out DIR]

Source: OpenNGC as Debian kstars-data 5:3.6.2-2 ships it (/usr/share/kstars/OpenNGC.kscat, an
SQLite file, table `cat`; CC-BY-SA-4.0): every NGC and IC object with its type, J2000 position,
magnitude, major and minor axis and position angle; the Messier objects are rows named "M n"
whose NGC or IC number is the catalogue identifier. Rows of type 255 (objects that do not
exist or repeat another entry) are left out, except M73, Messier's asterism of four stars. Hungarian names: the Hungarian translation of
Debian stellarium-data 0.22.2 (translations/stellarium-skycultures/hu.qm) for every English
name it translates, then HUNGARIAN_NAMES below. Only the Python standard library is used.
"""

import argparse
import math
import re
import sqlite3
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
sys.path.insert(0, str(Path(__file__).resolve().parent / "runic"))

from catalogue.atlas import c_string  # noqa: E402
from catalogue.cities import cp1250  # noqa: E402
from catalogue.sources import default_cache  # noqa: E402
from qm_dump import messages  # noqa: E402

# OpenNGC's object types (KStars' numbering) to the kinds of src/catalog/ngc_ic_catalogue.h.
KINDS = {8: 0, 14: 1, 3: 2, 4: 3, 5: 4, 6: 5, 7: 6, 13: 7, 0: 8, 17: 9}
KIND_NAMES = ["galaxy", "galaxy cluster", "open cluster", "globular cluster", "nebula",
              "planetary nebula", "supernova remnant", "asterism", "star", "multiple star"]

# Messier objects without an NGC or IC number, from published positions (J2000): M24 the
# Small Sagittarius Star Cloud, M40 the double star Winnecke 4, M45 the Pleiades. Positions,
# sizes and magnitudes as in the Messier catalogue of the Students for the Exploration and
# Development of Space (SEDS) and OpenNGC's addendum; the kstars-data file's own rows for them
# must agree to a tenth of a degree, or the generator stops.
PUBLISHED_MESSIER = {
    24: dict(kind=7, ra=274.233, dec=-18.550, mag=4.6, major=90.0, minor=90.0, designation="IC 4715"),
    40: dict(kind=9, ra=185.552, dec=58.083, mag=8.4, major=0.8, minor=0.0, designation=""),
    45: dict(kind=2, ra=56.850, dec=24.117, mag=1.6, major=110.0, minor=110.0, designation=""),
}

# English names that people use for an object and OpenNGC does not give it.
ENGLISH_NAMES = {
    "NGC 869": ["Double Cluster"],
    "NGC 884": ["Double Cluster"],
    "NGC 104": ["47 Tucanae"],
    "IC 434": ["Horsehead Nebula"],
    "NGC 1976": ["Orion Nebula"],
    "NGC 1952": ["Crab Nebula"],
}

# Hungarian names in common use that the translation file spells otherwise or lacks.
HUNGARIAN_NAMES = {
    "Andromeda Galaxy": ["Andromeda-galaxis"],
    "Double Cluster": ["Kettős halmaz"],
    "Ring Nebula": ["Gyűrűs-köd"],
    "Pleiades": ["Fiastyúk"],
    "Orion Nebula": ["Orion-köd"],
    "Crab Nebula": ["Rák-köd"],
    "Horsehead Nebula": ["Lófej-köd"],
    "North America Nebula": ["Észak-Amerika-köd"],
    "Dumbbell Nebula": ["Súlyzó-köd"],
    "Whirlpool Galaxy": ["Örvény-galaxis"],
    "Triangulum Galaxy": ["Triangulum-galaxis"],
    "Beehive": ["Jászol"],
}

CATALOGUE_NUMBERS = re.compile(r"^(PGC|UGC|NGC|IC|MCG|ESO|CGCG|UGCA|Mrk|Arp|VV|Abell)\b")


def common_names(long_name):
    """The names of an OpenNGC long_name that are not catalogue numbers."""
    names = []
    for part in (long_name or "").split(","):
        part = part.strip()
        if part and not CATALOGUE_NUMBERS.match(part):
            names.append(part)
    return names


def read_objects(path):
    db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    rows = db.execute("select type, ra, dec, magnitude, name, long_name, catalog_identifier, "
                      "major_axis, minor_axis, position_angle from cat where type != 255 or name = 'M 73'").fetchall()
    objects = []
    for kind, ra, dec, mag, name, long_name, ident, major, minor, angle in rows:
        if name == "M 73":  # OpenNGC marks NGC 6994 as no object; Messier's four stars are an asterism
            kind = 13
        if kind not in KINDS:
            raise SystemExit(f"{name}: unknown object type {kind}")
        messier = 0
        designation = name
        m = re.fullmatch(r"M (\d+)", name)
        if m:
            messier = int(m.group(1))
            n = re.fullmatch(r"(NGC|IC)0*(\d+)(.*)", ident)
            designation = f"{n.group(1)} {n.group(2)}{n.group(3)}" if n else ""
            if messier in PUBLISHED_MESSIER:
                p = PUBLISHED_MESSIER[messier]
                if abs(p["dec"] - dec) > 0.1 or abs((p["ra"] - ra) * math.cos(math.radians(dec))) > 0.1:
                    raise SystemExit(f"M{messier}: the source's position disagrees with the published one")
                kind_code, ra, dec, mag = p["kind"], p["ra"], p["dec"], p["mag"]
                major, minor, designation = p["major"], p["minor"], p["designation"]
            else:
                kind_code = KINDS[kind]
        else:
            kind_code = KINDS[kind]
        names = common_names(long_name)
        names += [n for n in ENGLISH_NAMES.get(designation, []) if n not in names]
        objects.append(dict(kind=kind_code, ra=ra, dec=dec, mag=mag, major=major or 0.0,
                            minor=minor or 0.0, angle=angle, designation=designation,
                            messier=messier, names=names))
    for number in PUBLISHED_MESSIER:
        if not any(o["messier"] == number for o in objects):
            p = PUBLISHED_MESSIER[number]
            objects.append(dict(kind=p["kind"], ra=p["ra"], dec=p["dec"], mag=p["mag"], major=p["major"],
                                minor=p["minor"], angle=None, designation=p["designation"],
                                messier=number, names=[]))
    return objects


def sort_key(o):
    m = re.fullmatch(r"(NGC|IC) (\d+)(.*)", o["designation"])
    if m:
        return (0 if m.group(1) == "NGC" else 1, int(m.group(2)), m.group(3))
    return (2, o["messier"], "")


def hungarian_translations(qm_path):
    table = {}
    for m in messages(Path(qm_path).read_bytes()):
        source, translation = m.get("source", ""), m.get("translation", "")
        if source and translation:
            table.setdefault(source, translation)
    return table


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", type=Path, default=default_cache())
    parser.add_argument("--out", type=Path,
                        default=Path(__file__).resolve().parent.parent / "src" / "catalog" / "generated")
    args = parser.parse_args(argv)
    kscat = args.sources / "kstars-data" / "usr" / "share" / "kstars" / "OpenNGC.kscat"
    qm = (args.sources / "stellarium-data" / "usr" / "share" / "stellarium" / "translations"
          / "stellarium-skycultures" / "hu.qm")
    missing = [p for p in (kscat, qm) if not p.is_file()]
    if missing:
        print("missing source files (run tools/fetch_sources.sh):", *missing, sep="\n  ", file=sys.stderr)
        return 1
    objects = sorted(read_objects(kscat), key=sort_key)
    translations = hungarian_translations(qm)

    header = ("// Generated by tools/generate_ngc_ic.py from OpenNGC (kstars-data 5:3.6.2-2 OpenNGC.kscat,\n"
              "// CC-BY-SA-4.0) and stellarium-data 0.22.2 hu.qm. Do not edit by hand; rerun the generator.\n")
    object_rows, name_rows = [], []
    hungarian_count = 0
    for index, o in enumerate(objects):
        mag = "NoNgcIcMagnitude" if o["mag"] is None else "%d" % round(o["mag"] * 100)
        angle = -1 if o["angle"] is None else int(round(o["angle"])) % 180
        object_rows.append("{%.7ff, %.7ff, %.2ff, %.2ff, %d, %s, %d, %d, %s}," % (
            math.radians(o["ra"]), math.radians(o["dec"]), o["major"], o["minor"], angle, mag,
            o["kind"], o["messier"], c_string(o["designation"].encode("ascii"))))
        seen = set()
        for english in o["names"]:
            for text, hungarian in [(english, 0)] + \
                    [(h, 1) for h in [translations.get(english)] + HUNGARIAN_NAMES.get(english, []) if h]:
                raw = cp1250(text)
                if raw in seen:
                    continue
                seen.add(raw)
                hungarian_count += hungarian
                name_rows.append("{%d, %d, %s}," % (index, hungarian, c_string(raw)))
    args.out.mkdir(parents=True, exist_ok=True)
    (args.out / "ngc_ic_objects.inc").write_bytes((header + "".join(r + "\n" for r in object_rows)).encode("ascii"))
    (args.out / "ngc_ic_names.inc").write_bytes((header + "".join(r + "\n" for r in name_rows)).encode("ascii"))
    counts = {}
    for o in objects:
        counts[KIND_NAMES[o["kind"]]] = counts.get(KIND_NAMES[o["kind"]], 0) + 1
    print(f"{len(objects)} objects ({', '.join(f'{v} {k}' for k, v in counts.items())}), "
          f"{sum(1 for o in objects if o['messier'])} Messier numbers, {len(name_rows)} names "
          f"({hungarian_count} Hungarian)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
