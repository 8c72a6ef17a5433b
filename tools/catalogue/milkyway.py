"""Milky Way outlines, fill seeds and dark lanes.

Outlines: the outermost brightness level of d3-celestial's mw.json (the two rings that run around
the whole sky are the band's south and north edges; the hole near the Southern Cross is the
Coalsack) and the Magellanic Clouds from kstars-data's lmc.dat and smc.dat. Each ring is resampled
by arc length to its point count and oriented so that, walking along it, the area to be painted
lies on the right as seen from the Earth: the south edge runs in increasing galactic longitude,
the north edge in decreasing longitude, the hole counter-clockwise and the clouds clockwise in a
plot with right ascension increasing to the left.
"""

import json
import math

from . import atlas
from .spherical import angle, from_galactic, slerp, to_galactic, unvec, vec

SHAPE_COUNTS = {"A": 1485, "B": 2921, "C": 57, "D": 79, "E": 49}
SEED_COUNT = 80
LANE_COUNT = 93

# The outline list starts here, on the south edge in Corona Australis.
A_START = (atlas.hms_to_deg(19, 6, 44.9), atlas.dms_to_deg("-", 36, 17, 48.9))
COALSACK = (atlas.hms_to_deg(12, 50, 0), atlas.dms_to_deg("-", 63, 0, 0))

# Seeds inside the Small and Large Magellanic Clouds and in the star clouds of Sagittarius.
FIXED_SEEDS = [((1, 8, 0.0), ("-", 72, 22, 0.0)),
               ((5, 20, 0.0), ("-", 69, 4, 0.0)),
               ((17, 42, 30.0), ("-", 28, 59, 0.0))]

N_LANE_START = ((18, 49, 31.2), ("-", 18, 18, 46.5))
GREAT_RIFT_START = ((18, 5, 28.7), ("+", 2, 58, 3.0))
GREAT_RIFT_END = ((21, 17, 50.7), ("+", 40, 54, 44.9))

# Dark lanes, hand-placed from published dark-cloud positions (Barnard and Lynds clouds), as
# (code, frame, points); frame "gal" gives galactic (l, b), "equ" gives J2000 (RA h, Dec deg).
# The Great Rift and the central lane "n" are completed in lanes() below.
LANES = [
    ("x", "equ", [(17.19, -27.40), (17.55, -25.90)]),                       # Pipe Nebula, B59 to B78
    ("e", "gal", None),                                                       # Great Rift
    ("r", "equ", [(16.45, -24.40), (16.55, -24.00), (16.78, -23.20)]),       # rho Ophiuchi streamer
    ("c", "gal", [(104.0, 3.5), (107.0, 4.0), (110.0, 3.0), (113.0, 2.0)]),  # Cepheus dark lane
    ("d", "equ", [(19.662, 10.52), (19.688, 11.00)]),                        # Barnard's E, B142-B143
    ("l", "gal", [(333.0, -1.0), (337.0, -0.5), (341.0, 0.0)]),              # Norma dark lane
    ("m", "equ", [(17.38, -23.60), (17.42, -24.30), (17.50, -24.80)]),       # Dark Horse body
    ("k", "gal", [(24.0, -2.0), (26.0, -2.6), (28.0, -2.0)]),                # Scutum cloud's western rim
    ("p", "gal", [(134.0, -1.0), (138.0, -0.5)]),                            # Perseus dark lane
    ("n", "gal", None),                                                       # central dark lane
    ("y", "gal", [(118.0, 1.0), (122.0, 0.5)]),                              # Cassiopeia dark lane
    ("i", "equ", [(5.30, -69.30), (5.55, -69.80)]),                          # dust lane of the LMC bar
    ("z", "equ", [(0.85, -72.90), (1.05, -72.60)]),                          # dust in the SMC body
    ("a", "gal", [(262.0, -2.0), (266.0, -1.5), (270.0, -1.0), (274.0, -1.2), (278.0, -1.0),
                  (282.0, -0.8), (286.0, -0.6), (290.0, -0.8), (294.0, -1.0)]),  # Vela-Carina lane
]
LANE_COUNTS = {"x": 2, "e": 11, "r": 3, "c": 4, "d": 2, "l": 3, "m": 3, "k": 3, "p": 2, "n": 45,
               "y": 2, "i": 2, "z": 2, "a": 9}

# Galactic waypoints of the Great Rift between its two fixed ends, from Ophiuchus to Cygnus.
GREAT_RIFT_WAYPOINTS = [(29.0, 7.5), (31.0, 4.0), (35.0, 2.5), (42.0, 2.0), (50.0, 1.5),
                        (58.0, 1.0), (66.0, 1.0), (74.0, 0.5), (80.0, -2.0)]


def _deg(hms_tuple, dms_tuple):
    return atlas.hms_to_deg(*hms_tuple), atlas.dms_to_deg(*dms_tuple)


# ---------------------------------------------------------------- reading the sources

def read_band_rings(mw_path):
    """(south edge, north edge, Coalsack) as lists of (ra, dec) degrees without the closing repeat."""
    with open(mw_path, encoding="utf-8") as f:
        mw = json.load(f)
    outer = next(feat for feat in mw["features"] if feat["id"] == "ol1")
    rings = [[(lon % 360.0, lat) for lon, lat in ring] for ring in outer["geometry"]["coordinates"][0]]
    rings = [r[:-1] if r[0] == r[-1] else r for r in rings]

    def mean_b(ring):
        return sum(to_galactic(*p)[1] for p in ring) / len(ring)

    # The two rings that run around the whole sky are the edges of the band.
    around = [r for r in rings if _winding_l(r) != 0]
    assert len(around) == 2, "expected two rings around the sky"
    south, north = sorted(around, key=mean_b)
    holes = [r for r in rings if _winding_l(r) == 0]
    coalsack = min(holes, key=lambda r: angle(vec(*_centroid(r)), vec(*COALSACK)))
    return south, north, coalsack


def read_cloud(path):
    """kstars outline of a Magellanic Cloud: lines 'M|D|S RA_hours Dec_deg'."""
    points = []
    with open(path, encoding="ascii") as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3 and parts[0] in "MDS":
                points.append((float(parts[1]) * 15.0, float(parts[2])))
    if points[0] == points[-1]:
        points.pop()
    return points


# ---------------------------------------------------------------- geometry

def _centroid(ring):
    sx = sy = sz = 0.0
    for p in ring:
        x, y, z = vec(*p)
        sx, sy, sz = sx + x, sy + y, sz + z
    return unvec((sx, sy, sz))


def _winding_l(ring):
    """Turns in galactic longitude made by walking once around a closed ring (+1, -1 or 0)."""
    total = 0.0
    ls = [to_galactic(*p)[0] for p in ring]
    for a, b in zip(ls, ls[1:] + ls[:1]):
        total += (b - a + 180.0) % 360.0 - 180.0
    return round(total / 360.0)


def signed_area_sky(ring):
    """Shoelace area in a tangent plane at the centroid with RA increasing to the left and Dec up:
    positive when the ring runs counter-clockwise."""
    a0, d0 = map(math.radians, _centroid(ring))
    xs, ys = [], []
    for ra, dec in ring:
        a, d = math.radians(ra), math.radians(dec)
        cos_c = math.sin(d0) * math.sin(d) + math.cos(d0) * math.cos(d) * math.cos(a - a0)
        xi = math.cos(d) * math.sin(a - a0) / cos_c
        eta = (math.cos(d0) * math.sin(d) - math.sin(d0) * math.cos(d) * math.cos(a - a0)) / cos_c
        xs.append(-xi)
        ys.append(eta)
    n = len(xs)
    return 0.5 * sum(xs[i] * ys[(i + 1) % n] - xs[(i + 1) % n] * ys[i] for i in range(n))


def resample_ring(ring, count):
    """count points along a closed ring, starting at its first vertex, spaced evenly by arc length.
    A ring with fewer vertices keeps all of them and has its longest edges subdivided instead."""
    vs = [vec(*p) for p in ring]
    n = len(vs)
    lengths = [angle(vs[i], vs[(i + 1) % n]) for i in range(n)]
    if count >= n:
        pieces = [1] * n
        for _ in range(count - n):
            i = max(range(n), key=lambda k: lengths[k] / pieces[k])
            pieces[i] += 1
        out = []
        for i in range(n):
            for j in range(pieces[i]):
                out.append(unvec(slerp(vs[i], vs[(i + 1) % n], j / pieces[i])))
        return out
    total = sum(lengths)
    step = total / count
    out = []
    seg, seg_start = 0, 0.0
    for k in range(count):
        s = k * step
        while seg_start + lengths[seg] < s:
            seg_start += lengths[seg]
            seg += 1
        t = (s - seg_start) / lengths[seg] if lengths[seg] > 0 else 0.0
        out.append(unvec(slerp(vs[seg], vs[(seg + 1) % n], t)))
    return out


def max_deviation_deg(original, resampled, window=8):
    """Largest angular distance from an original vertex to the resampled closed polyline. Both
    start at the same vertex and run the same way, so each vertex is compared with the resampled
    edges near its own arc-length fraction."""
    ov = [vec(*p) for p in original]
    rv = [vec(*p) for p in resampled]
    lengths = [angle(ov[i], ov[(i + 1) % len(ov)]) for i in range(len(ov))]
    total = sum(lengths)
    worst, s = 0.0, 0.0
    m = len(rv)
    for i, v in enumerate(ov):
        centre = int(s / total * m)
        best = min(_distance_to_arc(v, rv[k % m], rv[(k + 1) % m])
                   for k in range(centre - window, centre + window + 1))
        worst = max(worst, best)
        s += lengths[i]
    return math.degrees(worst)


def _distance_to_arc(v, a, b):
    n = (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])
    nn = math.sqrt(sum(c * c for c in n))
    if nn > 1e-15:
        n = tuple(c / nn for c in n)
        sin_off = sum(p * q for p, q in zip(v, n))
        proj = tuple(p - sin_off * q for p, q in zip(v, n))
        # The foot of the perpendicular lies on the arc when it is between a and b.
        if abs(angle(a, proj) + angle(proj, b) - angle(a, b)) < 1e-9:
            return abs(math.asin(max(-1.0, min(1.0, sin_off))))
    return min(angle(v, a), angle(v, b))


def _rotate_to_nearest(ring, target):
    t = vec(*target)
    i = min(range(len(ring)), key=lambda k: angle(vec(*ring[k]), t))
    return ring[i:] + ring[:i]


# ---------------------------------------------------------------- the band region

class Band:
    """Inside test for the painted band: above the south edge, below the north edge, outside the
    Coalsack, all in galactic coordinates."""

    def __init__(self, south, north, hole):
        self.south = [to_galactic(*p) for p in south]
        self.north = [to_galactic(*p) for p in north]
        self.hole = [to_galactic(*p) for p in hole]

    @staticmethod
    def _crossing_latitudes(curve, l):
        """Galactic latitudes where the edges of a closed (l, b) curve cross longitude l."""
        found = []
        n = len(curve)
        for i in range(n):
            l1, b1 = curve[i]
            l2, b2 = curve[(i + 1) % n]
            dl = (l2 - l1 + 180.0) % 360.0 - 180.0
            for shift in (-360.0, 0.0, 360.0):
                lo = l1 + shift
                hi = lo + dl
                if (lo <= l < hi) or (hi <= l < lo):
                    found.append(b1 + (b2 - b1) * (l - lo) / dl)
        return found

    def _inside_at(self, l):
        """A test b -> inside for one longitude: the crossings are worked out once."""
        south = self._crossing_latitudes(self.south, l)
        north = self._crossing_latitudes(self.north, l)
        hole = self._crossing_latitudes(self.hole, l)

        def above(crossings, b):
            return sum(1 for c in crossings if c > b)

        def inside(b):
            return (above(south, b) % 2 == 0 and above(north, b) % 2 == 1
                    and above(hole, b) % 2 == 0)
        return inside

    def contains(self, ra, dec):
        l, b = to_galactic(ra, dec)
        return self._inside_at(l)(b)

    def nearest_inside(self, l, b, step=0.25, reach=15.0):
        """The galactic latitude nearest b at longitude l that lies inside the band (b itself when
        it does), or None within reach."""
        inside = self._inside_at(l)
        offset = 0.0
        while offset <= reach:
            for candidate in (b - offset, b + offset):
                if inside(candidate):
                    return candidate
            offset += step
        return None

    def middle(self, l, step=0.25):
        """Middle of the widest inside run of galactic latitudes at longitude l, or None."""
        inside = self._inside_at(l)
        best, run = None, []
        b = -40.0
        while b <= 40.0:
            if inside(b):
                run.append(b)
            else:
                if run and (best is None or len(run) > len(best)):
                    best = run
                run = []
            b += step
        if run and (best is None or len(run) > len(best)):
            best = run
        if not best:
            return None
        return (best[0] + best[-1]) / 2.0


# ---------------------------------------------------------------- building the lists

def outline(mw_path, lmc_path, smc_path):
    south, north, coalsack = read_band_rings(mw_path)
    lmc, smc = read_cloud(lmc_path), read_cloud(smc_path)

    if _winding_l(south) < 0:
        south.reverse()
    if _winding_l(north) > 0:
        north.reverse()
    if signed_area_sky(coalsack) < 0:
        coalsack.reverse()
    for cloud in (lmc, smc):
        if signed_area_sky(cloud) > 0:
            cloud.reverse()

    south = _rotate_to_nearest(south, A_START)
    a_start_l = to_galactic(*south[0])[0]
    north = _rotate_to_nearest(north, from_galactic(a_start_l, to_galactic(*north[0])[1]))

    shapes = []
    report = {}
    for code, ring in (("A", south), ("B", north), ("C", coalsack), ("D", lmc), ("E", smc)):
        points = resample_ring(ring, SHAPE_COUNTS[code] - 1)
        report[code] = (len(ring), max_deviation_deg(ring, points))
        shapes.append((code, points))
    band = Band(shapes[0][1], shapes[1][1], shapes[2][1])
    return shapes, band, report


def seeds(band):
    result = [_deg(h, d) for h, d in FIXED_SEEDS]
    extra = SEED_COUNT - len(result)
    for k in range(extra):
        l = (k + 0.5) * 360.0 / extra
        b = band.middle(l)
        assert b is not None, f"no band at l={l}"
        result.append(from_galactic(l, b))
    return result


def _smoothed_spine(band, half_width=12):
    """Galactic latitude of the band's middle as a function of longitude, averaged over
    +-half_width degrees so that the line does not jump between the arms where the band splits;
    where the average falls outside the band the unsmoothed middle is used."""
    raw = [band.middle(float(l)) for l in range(360)]
    inside_cache = {}

    hole_l = [p[0] for p in band.hole]
    hole_b = [p[1] for p in band.hole]

    def spine(l):
        # The lane passes south of the Coalsack rather than across the unpainted hole.
        if min(hole_l) - 1.0 <= l <= max(hole_l) + 1.0:
            return min(hole_b) - 1.0
        centre = int(round(l)) % 360
        window = [raw[(centre + d) % 360] for d in range(-half_width, half_width + 1)]
        b = sum(window) / len(window)
        inside = inside_cache.setdefault(centre, band._inside_at(float(centre)))
        return b if inside(b) else raw[centre]
    return spine


def _inside(band, l, b):
    """A hand-placed lane point moved onto the painted band where the outline leaves it out, so
    that the band-coloured lane does not paint over a dark gap."""
    nearest = band.nearest_inside(l, b)
    return (l, b if nearest is None else nearest)


def lanes(band):
    out = []
    for code, frame, points in LANES:
        if code == "e":
            start = to_galactic(*_deg(*GREAT_RIFT_START))
            end = to_galactic(*_deg(*GREAT_RIFT_END))
            gal = [start] + [_inside(band, l, b) for l, b in GREAT_RIFT_WAYPOINTS] + [end]
            coords = [from_galactic(l, b) for l, b in gal]
        elif code == "n":
            start = _deg(*N_LANE_START)
            l0, _ = to_galactic(*start)
            steps = LANE_COUNTS["n"] - 1
            coords = [start]
            spine = _smoothed_spine(band)
            for k in range(1, steps):
                l = (l0 + k * 360.0 / steps) % 360.0
                coords.append(from_galactic(l, spine(l)))
            coords.append(start)
        elif frame == "gal":
            coords = [from_galactic(*_inside(band, l, b)) for l, b in points]
        else:
            coords = [(ra_h * 15.0, dec) for ra_h, dec in points]
        assert len(coords) == LANE_COUNTS[code], code
        out.append((code, coords))
    assert sum(len(c) for _, c in out) == LANE_COUNT
    return out


def _row(code, ra, dec):
    h, m, s = atlas.hms(ra, 1)
    sign, d, dm, ds = atlas.dms(dec, 1)
    prefix = f"'{code}', " if code else ""
    return "{%s%d, %d, %s, '%s', %d, %d, %s}," % (prefix, h, m, atlas.c_float(s, 1), sign, d, dm,
                                                   atlas.c_float(ds, 1))


def outline_rows(shapes):
    rows = []
    for code, points in shapes:
        for ra, dec in points + points[:1]:
            rows.append(_row(code, ra, dec))
    assert len(rows) == sum(SHAPE_COUNTS.values())
    return rows


def seed_rows(points):
    return [_row("", ra, dec) for ra, dec in points]


def lane_rows(lane_list):
    return [_row(code, ra, dec) for code, coords in lane_list for ra, dec in coords]
