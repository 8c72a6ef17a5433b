"""Cities from the KStars city database (table city of citydb.sqlite)."""

import re
import sqlite3
import unicodedata

from . import atlas

# Letters that Windows-1250 lacks and that do not decompose into a letter and an accent.
_PLAIN = {"ø": "o", "Ø": "O", "æ": "ae", "Æ": "AE", "œ": "oe", "Œ": "OE", "ı": "i"}

_DMS = re.compile(r"^\s*(-?)\s*(\d+)\s*°\s*(\d+)\s*'\s*(\d+)\s*\"\s*$")
_DECIMAL = re.compile(r"^\s*-?\d+(\.\d+)?\s*$")


def cp1250(text: str) -> bytes:
    """Windows-1250 bytes of a text; a letter the code page lacks loses its accent (è -> e, ã -> a)
    while the letters it holds (é, ő, ű) stay."""
    out = []
    for ch in text:
        try:
            out.append(ch.encode("cp1250"))
            continue
        except UnicodeEncodeError:
            pass
        plain = _PLAIN.get(ch) or "".join(c for c in unicodedata.normalize("NFKD", ch)
                                           if not unicodedata.combining(c))
        out.append(plain.encode("cp1250"))  # raises when there is still no spelling
    return b"".join(out)


def arcseconds(text: str) -> int:
    """Signed whole arc seconds of a degree-minute-second text (' 47° 33\\' 06"', '-0° 07\\' 00"')
    or of a decimal degree ('47.8339', rounded to the nearest second)."""
    m = _DMS.match(text)
    if m:
        value = int(m.group(2)) * 3600 + int(m.group(3)) * 60 + int(m.group(4))
        return -value if m.group(1) else value
    if _DECIMAL.match(text):
        return round(float(text) * 3600.0)
    raise ValueError(f"not an angle: {text!r}")


def read_cities(path):
    """Every row of the table, sorted by name (case-folded), country, province, then row id."""
    db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    try:
        rows = db.execute("SELECT id, Name, Province, Country, Latitude, Longitude, TZ, TZRule FROM city").fetchall()
    finally:
        db.close()
    cities = []
    for ident, name, province, country, lat, lon, zone, rule in rows:
        cities.append(dict(id=ident, name=name.strip(), province=(province or "").strip(),
                           country=(country or "").strip(), lat=arcseconds(lat), lon=arcseconds(lon),
                           zone=float(zone), rule=(rule or "").strip()))
        assert abs(cities[-1]["lat"]) <= 90 * 3600 and abs(cities[-1]["lon"]) <= 180 * 3600, name
    cities.sort(key=lambda c: (c["name"].casefold(), c["country"], c["province"], c["id"]))
    return drop_repeated(cities)


def drop_repeated(cities):
    """The towns without a second row of the same name, province and country: a town must be
    told from the others by what the program shows of it (the source repeats "Lusaka, Zambia"
    100 km north of the capital). The first row by id stays."""
    kept, seen = [], set()
    for c in cities:
        key = (c["name"].casefold(), c["province"].casefold(), c["country"].casefold())
        if key not in seen:
            seen.add(key)
            kept.append(c)
    return kept


def city_rows(cities):
    """Name, province, country (Windows-1250), latitude and longitude in signed arc seconds (north
    and east positive), zone in hours, summer-time rule."""
    rows = []
    for c in cities:
        zone = repr(c["zone"])
        assert float(zone) == c["zone"] and c["rule"].isascii()
        rows.append("{%s, %s, %s, %d, %d, %s, \"%s\"}," % (
            atlas.c_string(cp1250(c["name"])), atlas.c_string(cp1250(c["province"])),
            atlas.c_string(cp1250(c["country"])), c["lat"], c["lon"], zone, c["rule"]))
    return rows
