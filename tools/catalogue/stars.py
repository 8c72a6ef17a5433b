"""Star catalogue and the HR-keyed name tables from the Yale Bright Star Catalogue."""

import collections
import json
import re
import unicodedata

from . import atlas
from .constellations import number_of

STAR_COUNT = 3275

GREEK = ["", "Alp", "Bet", "Gam", "Del", "Eps", "Zet", "Eta", "The", "Iot", "Kap", "Lam", "Mu",
         "Nu", "Xi", "Omi", "Pi", "Rho", "Sig", "Tau", "Ups", "Phi", "Chi", "Psi", "Ome"]
GREEK_NUMBER = {g: i for i, g in enumerate(GREEK) if g}

# Names of stars at least this bright are kept even when the notes spell them differently.
BRIGHT_NAME_LIMIT = 3.0


class BscStar:
    __slots__ = ("order", "hr", "flamsteed", "bayer", "superscript", "constellation_abbr", "hd",
                 "ra_h", "ra_m", "ra_s", "dec_sign", "dec_d", "dec_m", "dec_s", "vmag", "spectral",
                 "pm_ra", "pm_dec", "constellation")

    @property
    def designated(self):
        return bool(self.flamsteed or self.bayer)

    @property
    def ra_deg(self):
        return atlas.hms_to_deg(self.ra_h, self.ra_m, self.ra_s)

    @property
    def dec_deg(self):
        return atlas.dms_to_deg(self.dec_sign, self.dec_d, self.dec_m, self.dec_s)

    @property
    def magnitude_class(self):
        return int(self.vmag)  # truncation toward zero: -0.72 gives 0


def read_bsc(path):
    """Every star of the catalogue that has a J2000 position, in source order."""
    stars = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.rstrip("\r\n").ljust(197)
            if not line[75:83].strip():
                continue  # removed objects (novae, galaxies) carry no position
            s = BscStar()
            s.order = len(stars)
            s.hr = int(line[0:4])
            s.flamsteed = int(line[4:7]) if line[4:7].strip() else 0
            s.bayer = line[7:10].strip()
            s.superscript = line[10].strip()
            s.constellation_abbr = line[11:14].strip()
            s.hd = int(line[25:31]) if line[25:31].strip() else 0
            s.ra_h, s.ra_m, s.ra_s = int(line[75:77]), int(line[77:79]), float(line[79:83])
            s.dec_sign, s.dec_d, s.dec_m, s.dec_s = line[83], int(line[84:86]), int(line[86:88]), int(line[88:90])
            s.vmag = float(line[102:107])
            s.spectral = line[127:147].strip()[:1] or " "
            s.pm_ra = float(line[148:154])
            s.pm_dec = float(line[154:160])
            stars.append(s)
    return stars


def select_stars(stars, boundaries):
    """Every star with a Bayer or Flamsteed designation, then the brightest others up to the count,
    sorted by constellation number, magnitude class and source order."""
    chosen = [s for s in stars if s.designated]
    others = sorted((s for s in stars if not s.designated), key=lambda s: (s.vmag, s.order))
    chosen += others[:STAR_COUNT - len(chosen)]
    mismatches = 0
    for s in chosen:
        looked_up = boundaries.constellation(s.ra_deg, s.dec_deg)
        if s.constellation_abbr:
            s.constellation = number_of(s.constellation_abbr)
            mismatches += s.constellation != looked_up
        else:
            s.constellation = looked_up
    chosen.sort(key=lambda s: (s.constellation, s.magnitude_class, s.order))
    assert len(chosen) == STAR_COUNT
    return chosen, mismatches


def star_rows(chosen):
    rows = []
    for s in chosen:
        rows.append("{%d, %d, %d, %d, %s, '%s', %d, %d, %s, %s, %s, %d, '%s'}," % (
            s.constellation, s.hr, s.ra_h, s.ra_m, atlas.c_float(s.ra_s, 1), s.dec_sign, s.dec_d,
            s.dec_m, atlas.c_float(s.dec_s, 1), atlas.c_float(s.pm_ra, 3), atlas.c_float(s.pm_dec, 3),
            s.magnitude_class, s.spectral))
    return rows


def flamsteed_rows(chosen):
    return ["{%d, %d}," % (s.hr, s.flamsteed) for s in chosen if s.flamsteed]


def read_d3_starnames(path, stars):
    """d3-celestial's star names and designations, keyed by HR through the HD number."""
    hr_of_hd = {s.hd: s.hr for s in stars if s.hd}
    with open(path, encoding="utf-8") as f:
        entries = json.load(f)
    by_hr = {}
    for entry in entries.values():
        hd = entry.get("hd", "").replace("HD", "").strip(" \u2009")
        if not hd.isdigit():
            continue
        hr = hr_of_hd.get(int(hd))
        if hr is not None and hr not in by_hr:
            by_hr[hr] = entry
    return by_hr


def _padded(text: str, width: int) -> str:
    assert len(text) <= width, text
    return text.ljust(width)


def bayer_rows(chosen, d3_by_hr):
    """Greek letters from the catalogue's Name field (with the superscript as suffix); for stars
    without one, the Latin letter that d3-celestial gives ("c 2" for c2)."""
    rows = []
    latin = 0
    for s in chosen:
        if s.bayer:
            rows.append('{%d, %d, "%s"},' % (s.hr, GREEK_NUMBER[s.bayer], _padded(s.superscript, 3)))
            continue
        letter = d3_by_hr.get(s.hr, {}).get("bayer", "")
        m = re.fullmatch(r"([A-Za-z])(\d?)", letter)
        if m:
            suffix = m.group(1) + (" " + m.group(2) if m.group(2) else "")
            rows.append('{%d, 0, "%s"},' % (s.hr, _padded(suffix, 3)))
            latin += 1
    return rows, latin


def read_notes_names(path):
    """The N: (name) remarks of the catalogue's notes, joined per HR number."""
    notes = collections.defaultdict(str)
    with open(path, encoding="latin-1") as f:
        for line in f:
            m = re.match(r"^\s*(\d+)\s+\d+N:\s*(.*)$", line.rstrip())
            if m:
                notes[int(m.group(1))] += " " + m.group(2)
    return notes


def _cp1250(name: str) -> bytes:
    try:
        return name.encode("cp1250")
    except UnicodeEncodeError:
        plain = unicodedata.normalize("NFKD", name).encode("ascii", "ignore")
        return plain


IAU_REFERENCES = {6, 12}  # star_names.fab's references to the IAU Catalog of Star Names


def read_iau_star_names(names_path, cross_id_path):
    """The IAU's own star of each name it lists, as the HR numbers of its Hipparcos entry (a
    double star's components share one): the names of the western sky culture whose references
    include the IAU's list, keyed by HIP and joined to HR through the cross index."""
    hr_of_hip = collections.defaultdict(set)
    with open(cross_id_path, encoding="utf-8") as f:
        for line in f:
            fields = line.split("\t")
            if line.startswith("#") or len(fields) < 5 or not fields[4].strip().isdigit():
                continue
            hr_of_hip[int(fields[0])].add(int(fields[4]))
    iau = {}
    with open(names_path, encoding="utf-8") as f:
        for line in f:
            m = re.match(r'^\s*(\d+)\|_\("([^"]+)"\)\s*([\d,]*)', line)
            if not m or not IAU_REFERENCES & {int(r) for r in m.group(3).split(",") if r}:
                continue
            hrs = hr_of_hip.get(int(m.group(1)))
            if hrs:
                assert iau.setdefault(m.group(2), hrs) == hrs, m.group(2)
    return iau


def proper_name_rows(chosen, d3_by_hr, notes, iau_hr):
    """d3-celestial's proper name of a chosen star when the catalogue's notes name the star so too,
    or when the star is brighter than BRIGHT_NAME_LIMIT; in catalogue order. A name the IAU lists
    stays only on the IAU's star; any other name given to several stars stays on the brightest."""
    candidates = []
    for s in chosen:
        name = d3_by_hr.get(s.hr, {}).get("name", "").strip()
        if not name:
            continue
        attested = re.search(r"\b" + re.escape(name) + r"\b", notes.get(s.hr, ""), re.IGNORECASE)
        if attested or s.vmag < BRIGHT_NAME_LIMIT:
            candidates.append((s, name))
    holders = collections.defaultdict(list)
    for s, name in candidates:
        holders[name].append(s)
    rows = []
    for s, name in candidates:
        if name in iau_hr:
            keep = s.hr in iau_hr[name]
        else:
            keep = s is min(holders[name], key=lambda t: (t.vmag, t.hr))
        if keep:
            raw = _cp1250(name)
            assert len(raw) <= 27, name
            rows.append((s.hr, name, "{%d, %s}," % (s.hr, atlas.c_string(raw.ljust(27)))))
    names = [name for _, name, _ in rows]
    assert len(names) == len(set(names)), sorted(n for n in names if names.count(n) > 1)
    return [row for _, _, row in rows]
