"""Constellation figures and label points from d3-celestial, line vertices matched to catalogue stars."""

import json
import math

from . import atlas
from .constellations import ABBREVIATIONS, number_of

# A figure vertex is a catalogue star when the star lies this close to it. d3-celestial's positions
# are Hipparcos places; the Bright Star Catalogue's differ by a few arc seconds, most for stars of
# large proper motion (alpha Centauri, 9.1").
MATCH_ARCSEC = 10.0


class StarIndex:
    """Catalogue stars bucketed by whole degree of declination, for nearest-star look-ups."""

    def __init__(self, chosen):
        self.buckets = {}
        for index, s in enumerate(chosen):
            ra, dec = math.radians(s.ra_deg), math.radians(s.dec_deg)
            unit = (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))
            self.buckets.setdefault(math.floor(s.dec_deg), []).append((index, unit))

    def nearest(self, ra_deg, dec_deg):
        """(index, separation in arc seconds) of the nearest star within a degree of declination."""
        ra, dec = math.radians(ra_deg), math.radians(dec_deg)
        unit = (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))
        best = (None, math.inf)
        band = math.floor(dec_deg)
        for key in (band - 1, band, band + 1):
            for index, other in self.buckets.get(key, ()):
                # The chord length gives the separation without acos's loss of precision at 0.
                chord = math.dist(unit, other)
                separation = math.degrees(2.0 * math.asin(min(1.0, chord / 2.0))) * 3600.0
                if separation < best[1]:
                    best = (index, separation)
        return best


def read_figures(lines_path, labels_path, chosen):
    """Per constellation number: its polylines of (star index or -1, RA deg, Dec deg) and its label
    points with rank. Serpens comes as two features (Caput, Cauda); both go to one constellation."""
    with open(lines_path, encoding="utf-8") as f:
        line_features = json.load(f)["features"]
    with open(labels_path, encoding="utf-8") as f:
        label_features = json.load(f)["features"]

    stars = StarIndex(chosen)
    lines = {n: [] for n in range(1, len(ABBREVIATIONS))}
    ranks = {}
    report = {"vertices": 0, "matched": 0, "largest": 0.0}
    for feature in line_features:
        number = number_of(feature["id"])
        rank = int(feature["properties"]["rank"])
        assert ranks.setdefault(number, rank) == rank, feature["id"]
        for source_line in feature["geometry"]["coordinates"]:
            vertices = []
            for lon, lat in source_line:
                ra = _ra(lon)
                index, separation = stars.nearest(ra, lat)
                report["vertices"] += 1
                if separation <= MATCH_ARCSEC:
                    report["matched"] += 1
                    report["largest"] = max(report["largest"], separation)
                else:
                    index = -1
                vertices.append((index, ra, lat))
            assert len(vertices) >= 2, feature["id"]
            lines[number].append(vertices)

    labels = {n: [] for n in range(1, len(ABBREVIATIONS))}
    for feature in label_features:
        number = number_of(feature["id"])
        assert int(feature["properties"]["rank"]) == ranks[number], feature["id"]
        lon, lat = feature["geometry"]["coordinates"]
        labels[number].append((_ra(lon), lat))
    assert all(lines.values()) and all(labels.values()), "every constellation has a figure and a label"
    return lines, labels, ranks, report


def line_rows(lines):
    """One row per vertex: constellation, 1 when a new polyline starts there, star index or -1,
    RA and Dec in degrees as the source writes them (4 decimals)."""
    rows = []
    for number, polylines in lines.items():
        for polyline in polylines:
            for i, (star, ra, dec) in enumerate(polyline):
                rows.append("{%d, %d, %d, %s, %s}," % (number, int(i == 0), star, _degrees(ra), _degrees(dec)))
    return rows


def label_rows(labels, ranks):
    """One row per label point: constellation, rank, RA and Dec in degrees."""
    return ["{%d, %d, %s, %s}," % (number, ranks[number], _degrees(ra), _degrees(dec))
            for number, points in labels.items() for ra, dec in points]


def _degrees(value):
    """A double literal with the source's 4 decimals (never -0.0000)."""
    return atlas.c_float(round(value, 4) + 0.0, 4)[:-1]


def _ra(lon):
    """Source longitude -180..180 as right ascension 0..360, rounded as it is written."""
    return round(lon % 360.0, 4) % 360.0
