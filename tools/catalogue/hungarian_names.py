"""Hungarian constellation names: those the runic tables were written from, the rest from the
Hungarian translation of Stellarium's sky cultures."""

import json
import sys
from pathlib import Path

from . import atlas
from .constellations import ABBREVIATIONS, number_of

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "runic"))
from qm_dump import messages  # noqa: E402

# Origins in names.tsv of the Hungarian text a runic constellation name was written from that count
# as the constellation's name (folk names and renderings of meanings are further names).
NAME_ORIGINS = ("constellation-table", "stellarium-hu")
STELLARIUM = "stellarium-data hu.qm"


def read_runic_sources(names_tsv):
    """Abbreviation -> (Hungarian text, origin) of the first table C record with a name origin."""
    names = {}
    with open(names_tsv, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cols = line.rstrip("\n").split("\t")
            table, abbr, hungarian, origin = cols[0], cols[1], cols[5], cols[6]
            if table == "C" and abbr != "Zoo" and origin in NAME_ORIGINS:
                names.setdefault(abbr, (hungarian, origin))
    return names


def read_stellarium(qm_path):
    """Latin constellation name -> Hungarian, the translations without a comment (the genitives
    carry one)."""
    with open(qm_path, "rb") as f:
        data = f.read()
    return {m["source"]: m["translation"] for m in messages(data)
            if m.get("source") and m.get("translation") and not m.get("comment")}


def hungarian_names(names_tsv, qm_path, labels_path):
    """Constellation number 1..88 -> (Hungarian name, origin)."""
    runic = read_runic_sources(names_tsv)
    stellarium = read_stellarium(qm_path)
    with open(labels_path, encoding="utf-8") as f:
        features = json.load(f)["features"]
    latin = {}
    for feature in features:  # d3-celestial's Latin names, in two spellings ("Boötes", "Bootes")
        p = feature["properties"]
        latin.setdefault(number_of(feature["id"]), (p["name"], p["la"]))
    result = {}
    for number in range(1, len(ABBREVIATIONS)):
        abbr = ABBREVIATIONS[number]
        if abbr in runic:
            result[number] = runic[abbr]
            continue
        found = [stellarium[n] for n in latin[number] if n in stellarium]
        assert found, f"no Hungarian name for {abbr}"
        result[number] = (found[0], STELLARIUM)
    return result


def name_rows(names):
    return ["{%d, %s}," % (number, atlas.c_string(text.encode("cp1250")))
            for number, (text, _origin) in sorted(names.items())]
