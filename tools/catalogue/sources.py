"""Where the public source files live: one cache folder filled by tools/fetch_sources.sh."""

import os
from pathlib import Path

D3_VERSION = "0.7.35"


def default_cache() -> Path:
    env = os.environ.get("KOLVAR_SOURCES")
    if env:
        return Path(env)
    return Path.home() / ".cache" / "kolvar-sources"


class Sources:
    """Paths of every source file inside one cache folder."""

    def __init__(self, root: Path):
        self.root = Path(root)
        self.bsc_catalog = self.root / "yale" / "catalog.dat"
        self.bsc_notes = self.root / "yale" / "notes.dat"
        d3 = self.root / "d3-celestial" / "package" / "data"
        self.starnames = d3 / "starnames.json"
        self.messier = d3 / "messier.json"
        self.dsos_bright = d3 / "dsos.bright.json"
        self.dsos_6 = d3 / "dsos.6.json"
        self.milky_way = d3 / "mw.json"
        self.constellation_lines = d3 / "constellations.lines.json"
        self.constellation_labels = d3 / "constellations.json"
        self.roman87 = (self.root / "astropy" / "usr" / "lib" / "python3" / "dist-packages" / "astropy"
                        / "coordinates" / "data" / "constellation_data_roman87.dat")
        kstars = self.root / "kstars-data" / "usr" / "share" / "kstars"
        self.lmc = kstars / "lmc.dat"
        self.smc = kstars / "smc.dat"
        self.cities = kstars / "citydb.sqlite"
        stellarium = self.root / "stellarium-data" / "usr" / "share" / "stellarium"
        self.stellarium_hu = stellarium / "translations" / "stellarium-skycultures" / "hu.qm"
        # Star names with their references; references 6 and 12 are the IAU's list.
        self.stellarium_star_names = stellarium / "skycultures" / "western" / "star_names.fab"
        self.stellarium_cross_id = stellarium / "stars" / "default" / "cross-id.dat"

    def all_files(self):
        return [self.bsc_catalog, self.bsc_notes, self.starnames, self.messier, self.dsos_bright,
                self.dsos_6, self.milky_way, self.constellation_lines, self.constellation_labels,
                self.roman87, self.lmc, self.smc, self.cities, self.stellarium_hu,
                self.stellarium_star_names, self.stellarium_cross_id]

    def missing(self):
        return [p for p in self.all_files() if not p.is_file()]
