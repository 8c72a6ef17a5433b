"""Deep-sky catalogue: Messier objects with an NGC or IC number plus a few bright showpieces."""

import json

from . import atlas

DEEP_SKY_COUNT = 112

# Bright clusters outside Messier's list that every atlas shows: 47 Tucanae, the Double Cluster,
# Omega Centauri, and the open cluster NGC 7686 in Andromeda.
SHOWPIECES = ["NGC 104", "NGC 869", "NGC 884", "NGC 5139", "NGC 7686"]


def _magnitude_class(mag) -> int:
    """Visual magnitude truncated toward zero, held to the chart's classes 1..6."""
    try:
        value = float(mag)
    except (TypeError, ValueError):
        return 6
    return max(1, min(6, int(value)))


# d3-celestial's object types grouped into the symbols a printed chart draws:
# galaxies (spiral, lenticular, dwarf, irregular, elliptical, clusters of them),
# open and globular clusters, bright nebulae (emission, reflection, star-forming
# regions, supernova remnants), planetary nebulae, and the rest (star clouds,
# asterisms, double stars: "pos").
KINDS = {
    "Galaxy": ("g", "gg", "s", "s0", "sd", "i", "e"),
    "OpenCluster": ("oc",),
    "GlobularCluster": ("gc",),
    "Nebula": ("bn", "en", "rn", "sfr", "snr", "dn"),
    "PlanetaryNebula": ("pn",),
    "Other": ("pos",),
}


def _kind(source_type: str) -> str:
    for kind, types in KINDS.items():
        if source_type in types:
            return kind
    raise ValueError(f"unknown deep-sky type {source_type!r}")


def _designation(text: str) -> str:
    return text.replace(" ", "")


def read_objects(messier_path, bright_path, dsos6_path, boundaries):
    objects = []  # (messier, ngc, ra_deg, dec_deg, mag, type), source order
    with open(messier_path, encoding="utf-8") as f:
        for feature in json.load(f)["features"]:
            p = feature["properties"]
            if not p["desig"].startswith(("NGC", "IC")):
                continue
            lon, lat = feature["geometry"]["coordinates"]
            objects.append((feature["id"], _designation(p["desig"]), lon % 360.0, lat, p["mag"], p["type"]))
    by_id = {}
    for path in (dsos6_path, bright_path):  # the hand-selected bright list wins
        with open(path, encoding="utf-8") as f:
            for feature in json.load(f)["features"]:
                by_id[feature["id"]] = feature
    for ident in SHOWPIECES:
        feature = by_id[ident]
        lon, lat = feature["geometry"]["coordinates"]
        properties = feature["properties"]
        objects.append(("", _designation(ident), lon % 360.0, lat, properties["mag"], properties["type"]))
    assert len(objects) == DEEP_SKY_COUNT, len(objects)

    records = []
    for order, (messier, ngc, ra, dec, mag, kind) in enumerate(objects):
        h, m = atlas.hm(ra)
        sign, dd, dmin = atlas.dm(dec)
        records.append(dict(order=order, messier=messier, ngc=ngc, h=h, m=m, sign=sign, d=dd, dm=dmin,
                            cls=_magnitude_class(mag), constellation=boundaries.constellation(ra, dec),
                            kind=_kind(kind)))
    # Sorted by right ascension as written; equal values keep source (Messier) order.
    records.sort(key=lambda r: (r["h"], r["m"], r["order"]))
    return records


def deep_sky_rows(records):
    rows = []
    for r in records:
        assert len(r["messier"]) <= 4 and len(r["ngc"]) <= 10
        rows.append('{%d, "%s", "%s", %d, %s, \'%s\', %d, %d, %d},' % (
            r["constellation"], r["messier"].ljust(4), r["ngc"], r["h"], atlas.c_float(r["m"], 1),
            r["sign"], r["d"], r["dm"], r["cls"]))
    return rows


def deep_sky_kind_rows(records):
    """One kind per object, in the order of deep_sky_rows."""
    return ["DeepSkyKind::%s,  // %s" % (r["kind"], (r["messier"] + " " + r["ngc"]).strip()) for r in records]
