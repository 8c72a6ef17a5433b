#!/bin/sh
# Fetch the public sources of Kolvar's sky catalogue into one cache folder:
#   ${KOLVAR_SOURCES:-$HOME/.cache/kolvar-sources}
# for tools/generate_catalogue.py. Meant for a Debian 12 machine; run as root
# (or with sudo available) because the Yale catalogue is installed from the
# non-free section. Steps whose result is already in the cache are skipped.
set -eu

CACHE="${KOLVAR_SOURCES:-$HOME/.cache/kolvar-sources}"
D3_VERSION=0.7.35
mkdir -p "$CACHE"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

# Yale Bright Star Catalogue, 5th ed. (Debian package yale, section non-free).
if [ ! -f "$CACHE/yale/catalog.dat" ]; then
  if [ ! -f /usr/share/stardata/yale/catalog.dat ]; then
    SOURCES_FILE=/etc/apt/sources.list.d/debian.sources
    if [ -f "$SOURCES_FILE" ]; then
      if ! grep -q '^Components:.*non-free\( \|$\)' "$SOURCES_FILE"; then
        echo "enabling the non-free section in $SOURCES_FILE"
        $SUDO sed -i 's/^\(Components:.*\)$/\1 non-free/' "$SOURCES_FILE"
      fi
    elif [ -f /etc/apt/sources.list ] && ! grep -q '^deb .* non-free\( \|$\)' /etc/apt/sources.list; then
      echo "enabling the non-free section in /etc/apt/sources.list"
      $SUDO sed -i 's/^\(deb .* main.*\)$/\1 non-free/' /etc/apt/sources.list
    fi
    $SUDO apt-get update
    $SUDO apt-get install -y yale
  fi
  mkdir -p "$CACHE/yale"
  cp /usr/share/stardata/yale/catalog.dat /usr/share/stardata/yale/notes.dat "$CACHE/yale/"
fi

# d3-celestial data files (npm, BSD-3-Clause): names, deep-sky objects, Milky
# Way, constellation figures and label points.
D3_DATA="$CACHE/d3-celestial/package/data"
if [ ! -f "$D3_DATA/mw.json" ] || [ ! -f "$D3_DATA/constellations.lines.json" ]; then
  (cd "$WORK" && npm pack --silent "d3-celestial@$D3_VERSION" >/dev/null)
  mkdir -p "$CACHE/d3-celestial"
  tar -xzf "$WORK/d3-celestial-$D3_VERSION.tgz" -C "$CACHE/d3-celestial"
fi

# Debian packages unpacked without installing, only the files the generator
# reads plus their copyright: python3-astropy (Roman 1987 constellation
# boundaries), kstars-data (Magellanic Cloud outlines, city database) and
# stellarium-data (Hungarian constellation and deep-sky names, the deep star
# files; a large download); kstars-data also gives OpenNGC and its star list.
fetch_deb() {  # package, version, target folder name, files...
  package=$1; version=$2; target=$3; shift 3
  complete=yes
  for file in "$@"; do [ -f "$CACHE/$target/$file" ] || complete=no; done
  if [ "$complete" = no ]; then
    (cd "$WORK" && { apt-get download "$package=$version" || {
      echo "warning: $package $version not available, taking the current version" >&2
      apt-get download "$package"; }; })
    mkdir -p "$CACHE/$target"
    dpkg-deb --fsys-tarfile "$WORK"/"$package"_*.deb | tar -x -C "$CACHE/$target" "$@"
    rm -f "$WORK"/"$package"_*.deb
  fi
}
fetch_deb python3-astropy 5.2.1-2+deb12u1 astropy \
  ./usr/lib/python3/dist-packages/astropy/coordinates/data/constellation_data_roman87.dat \
  ./usr/share/doc/python3-astropy/copyright
fetch_deb kstars-data 5:3.6.2-2 kstars-data \
  ./usr/share/kstars/lmc.dat ./usr/share/kstars/smc.dat ./usr/share/kstars/citydb.sqlite \
  ./usr/share/kstars/OpenNGC.kscat ./usr/share/kstars/stars.dat \
  ./usr/share/doc/kstars-data/copyright
fetch_deb stellarium-data 0.22.2-1 stellarium-data \
  ./usr/share/stellarium/translations/stellarium-skycultures/hu.qm \
  ./usr/share/stellarium/skycultures/western/star_names.fab ./usr/share/stellarium/stars/default/cross-id.dat \
  ./usr/share/stellarium/stars/default/stars_0_0v0_8.cat ./usr/share/stellarium/stars/default/stars_1_0v0_8.cat \
  ./usr/share/stellarium/stars/default/stars_2_0v0_8.cat ./usr/share/stellarium/stars/default/stars_3_1v0_4.cat \
  ./usr/share/doc/stellarium-data/copyright

echo "catalogue sources are in $CACHE"
