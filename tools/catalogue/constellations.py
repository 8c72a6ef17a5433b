"""Constellation numbering of the catalogue and the constellation of a position."""

import math

# Catalogue numbering: IAU abbreviations in alphabetical order regardless of case; 0 is the zodiac.
ABBREVIATIONS = [
    "Zoo", "And", "Ant", "Aps", "Aql", "Aqr", "Ara", "Ari", "Aur", "Boo", "Cae", "Cam", "Cap", "Car",
    "Cas", "Cen", "Cep", "Cet", "Cha", "Cir", "CMa", "CMi", "Cnc", "Col", "Com", "CrA", "CrB", "Crt",
    "Cru", "Crv", "CVn", "Cyg", "Del", "Dor", "Dra", "Equ", "Eri", "For", "Gem", "Gru", "Her", "Hor",
    "Hya", "Hyi", "Ind", "Lac", "Leo", "Lep", "Lib", "LMi", "Lup", "Lyn", "Lyr", "Men", "Mic", "Mon",
    "Mus", "Nor", "Oct", "Oph", "Ori", "Pav", "Peg", "Per", "Phe", "Pic", "PsA", "Psc", "Pup", "Pyx",
    "Ret", "Scl", "Sco", "Sct", "Ser", "Sex", "Sge", "Sgr", "Tau", "Tel", "TrA", "Tri", "Tuc", "UMa",
    "UMi", "Vel", "Vir", "Vol", "Vul",
]
assert len(ABBREVIATIONS) == 89
assert ABBREVIATIONS[1:] == sorted(ABBREVIATIONS[1:], key=str.lower)

_NUMBER = {a.lower(): i for i, a in enumerate(ABBREVIATIONS)}


def number_of(abbreviation: str) -> int:
    """Catalogue number 1..88 of an IAU abbreviation, any case."""
    return _NUMBER[abbreviation.strip().lower()]


# Julian day of the Besselian epoch B1875.0, the equinox of the boundary table.
JD_B1875 = 2405889.258550475


def precess_j2000(ra_deg: float, dec_deg: float, jd: float):
    """Rigorous precession (IAU 1976 angles) from equinox J2000 to the equinox of jd, degrees."""
    t = (jd - 2451545.0) / 36525.0
    arcsec = math.pi / (180.0 * 3600.0)
    zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t ** 3) * arcsec
    z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t ** 3) * arcsec
    theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t ** 3) * arcsec
    a = math.radians(ra_deg)
    d = math.radians(dec_deg)
    pa = math.cos(d) * math.sin(a + zeta)
    pb = math.cos(theta) * math.cos(d) * math.cos(a + zeta) - math.sin(theta) * math.sin(d)
    pc = math.sin(theta) * math.cos(d) * math.cos(a + zeta) + math.cos(theta) * math.sin(d)
    ra = math.degrees(math.atan2(pa, pb) + z) % 360.0
    dec = math.degrees(math.asin(max(-1.0, min(1.0, pc))))
    return ra, dec


class BoundaryTable:
    """Roman (1987) boundaries: rows (RA low h, RA high h, Dec low deg, abbreviation), equinox B1875."""

    def __init__(self, path):
        self.rows = []
        with open(path, encoding="ascii") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                lo, hi, dec, abbr = line.split()
                self.rows.append((float(lo), float(hi), float(dec), abbr))

    def constellation(self, ra_deg_j2000: float, dec_deg_j2000: float) -> int:
        """Catalogue number of the constellation holding a J2000 position."""
        ra, dec = precess_j2000(ra_deg_j2000, dec_deg_j2000, JD_B1875)
        ra_h = ra / 15.0
        for lo, hi, dec_low, abbr in self.rows:
            if dec >= dec_low and lo <= ra_h < hi:
                return number_of(abbr)
        raise ValueError(f"no constellation for {ra_deg_j2000} {dec_deg_j2000}")
