#!/usr/bin/python3
"""Regenerate every compiled sky-catalogue table of src/catalog/generated from the public sources.

Usage: tools/generate_catalogue.py [--sources DIR] [--out DIR]
The sources folder is the one tools/fetch_sources.sh fills (default $KOLVAR_SOURCES or
~/.cache/kolvar-sources). Only the Python standard library is used.
"""

import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from catalogue import cities, deepsky, figures, hungarian_names, milkyway, stars  # noqa: E402
from catalogue.constellations import BoundaryTable  # noqa: E402
from catalogue.emit import write_inc  # noqa: E402
from catalogue.sources import Sources, default_cache  # noqa: E402

BSC = "the Yale Bright Star Catalogue, 5th ed. (yale catalog.dat)"
ROMAN = "Roman (1987) constellation boundaries (python3-astropy)"
D3 = "d3-celestial 0.7.35"
KSTARS = "kstars-data 5:3.6.2-2"
NAMES_TSV = Path(__file__).resolve().parent / "runic" / "names.tsv"


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", type=Path, default=default_cache())
    parser.add_argument("--out", type=Path,
                        default=Path(__file__).resolve().parent.parent / "src" / "catalog" / "generated")
    parser.add_argument("--quiet", action="store_true")
    args = parser.parse_args(argv)

    src = Sources(args.sources)
    missing = src.missing()
    if missing:
        print("missing source files (run tools/fetch_sources.sh):", *missing, sep="\n  ", file=sys.stderr)
        return 1
    args.out.mkdir(parents=True, exist_ok=True)
    log = (lambda *a: None) if args.quiet else print

    boundaries = BoundaryTable(src.roman87)
    bsc = stars.read_bsc(src.bsc_catalog)
    chosen, mismatches = stars.select_stars(bsc, boundaries)
    log(f"stars: {len(chosen)} chosen, {sum(s.designated for s in chosen)} designated; "
        f"boundary look-up disagrees with the Name field for {mismatches}")
    write_inc(args.out, "star_catalogue.inc", f"{BSC} and {ROMAN}", stars.star_rows(chosen))

    flamsteed = stars.flamsteed_rows(chosen)
    write_inc(args.out, "flamsteed_table.inc", BSC, flamsteed)
    d3_names = stars.read_d3_starnames(src.starnames, bsc)
    bayer, latin = stars.bayer_rows(chosen, d3_names)
    write_inc(args.out, "bayer_table.inc", f"{BSC} and {D3} starnames.json", bayer)
    notes = stars.read_notes_names(src.bsc_notes)
    iau_names = stars.read_iau_star_names(src.stellarium_star_names, src.stellarium_cross_id)
    proper = stars.proper_name_rows(chosen, d3_names, notes, iau_names)
    write_inc(args.out, "proper_names.inc",
              f"{D3} starnames.json checked against the BSC notes and the IAU's star names "
              f"(stellarium-data 0.22.2 star_names.fab)", proper)
    log(f"names: {len(proper)} proper, {len(bayer)} Bayer ({latin} Latin), {len(flamsteed)} Flamsteed")

    objects = deepsky.read_objects(src.messier, src.dsos_bright, src.dsos_6, boundaries)
    write_inc(args.out, "deep_sky_catalogue.inc", f"{D3} messier.json, dsos.bright.json, dsos.6.json "
              f"and {ROMAN}", deepsky.deep_sky_rows(objects))
    write_inc(args.out, "deep_sky_kinds.inc", f"{D3} messier.json, dsos.bright.json and dsos.6.json "
              "(object types)", deepsky.deep_sky_kind_rows(objects))
    log(f"deep-sky: {len(objects)} objects, first {objects[0]['ngc']}, last {objects[-1]['ngc']}")

    shapes, band, report = milkyway.outline(src.milky_way, src.lmc, src.smc)
    write_inc(args.out, "milky_way_outline.inc", f"{D3} mw.json and kstars-data lmc.dat, smc.dat",
              milkyway.outline_rows(shapes))
    write_inc(args.out, "milky_way_seeds.inc", f"{D3} mw.json (points inside the band)",
              milkyway.seed_rows(milkyway.seeds(band)))
    write_inc(args.out, "milky_way_lanes.inc", "published dark-cloud positions and the band's middle",
              milkyway.lane_rows(milkyway.lanes(band)))
    for code, (source_points, deviation) in report.items():
        log(f"outline {code}: {source_points} source points, largest deviation {deviation:.3f} deg")

    lines, labels, ranks, report = figures.read_figures(src.constellation_lines, src.constellation_labels, chosen)
    write_inc(args.out, "constellation_lines.inc", f"{D3} constellations.lines.json, vertices matched to "
              "star_catalogue.inc", figures.line_rows(lines))
    write_inc(args.out, "constellation_labels.inc", f"{D3} constellations.json",
              figures.label_rows(labels, ranks))
    log(f"figures: {sum(map(len, lines.values()))} lines, {report['vertices']} vertices, {report['matched']} "
        f"on catalogue stars (largest offset {report['largest']:.1f} arcsec), "
        f"{sum(map(len, labels.values()))} label points")

    names = hungarian_names.hungarian_names(NAMES_TSV, src.stellarium_hu, src.constellation_labels)
    write_inc(args.out, "constellation_hungarian_names.inc", "tools/runic/names.tsv and stellarium-data "
              "0.22.2-1 hu.qm", hungarian_names.name_rows(names))
    origins = sorted({origin for _text, origin in names.values()})
    log("Hungarian constellation names: " + ", ".join(
        f"{sum(o == origin for _t, o in names.values())} {origin}" for origin in origins))

    towns = cities.read_cities(src.cities)
    write_inc(args.out, "cities.inc", f"{KSTARS} citydb.sqlite", cities.city_rows(towns))
    log(f"cities: {len(towns)}, {sum(t['country'] == 'Hungary' for t in towns)} in Hungary")
    return 0


if __name__ == "__main__":
    sys.exit(main())
