#!/usr/bin/env bash
# Writes a fixed set of kolvar-chart outputs (charts, close-ups, labels,
# object tables, ephemerides, the runic sheet) into a folder, so that two
# builds can be compared byte for byte:
#
#   tools/reference_outputs.sh BUILD/src/cli/kolvar-chart OUTDIR
#   tools/reference_outputs.sh --compare OLDDIR NEWDIR
#
# The set spans places on both hemispheres and near the poles, dates from the
# year 1000 to 3000, odd and tiny sizes, views at the horizon and the zenith,
# and clicks on a star, a planet and a deep-sky object.
set -euo pipefail

if [ "${1:-}" = "--compare" ]; then
  old=$2 new=$3
  n=0 bad=0
  while IFS= read -r f; do
    n=$((n + 1))
    if ! cmp -s "$old/$f" "$new/$f"; then echo "differs: $f"; bad=$((bad + 1)); fi
  done < <(cd "$old" && find . -type f | sort)
  extra=$(comm -13 <(cd "$old" && find . -type f | sort) <(cd "$new" && find . -type f | sort) | wc -l)
  echo "compared $n outputs: $bad differ, $extra only in $new"
  [ "$bad" -eq 0 ]
  exit
fi

chart=$(readlink -f "$1")
out=$2
mkdir -p "$out"
cd "$out"

run() {  # NAME ARGS...: stdout to NAME.txt, stderr and status to NAME.err
  local name=$1
  shift
  local status=0
  "$chart" "$@" >"$name.txt" 2>"$name.err" || status=$?
  echo "status $status" >>"$name.err"
}

jds=(2460536.375 2451545 2460710.25 2086302.5 2816787.5 2460318.99792)
places=("47.589 19.064" "-33.92 18.42" "69.65 18.96" "0 -78.5" "-89.9 0" "89.95 -120")
for jd in 2451545 2460536.375 1000000 3000000; do run "ephemeris-$jd" ephemeris --jd "$jd"; done

i=0
for jd in "${jds[@]}"; do
  for place in "${places[@]}"; do
    set -- $place
    i=$((i + 1))
    size=1024x768
    case $((i % 4)) in 1) size=800x600 ;; 2) size=320x240 ;; 3) size=600x900 ;; esac
    run "render-$i" render --jd "$jd" --lat "$1" --lon "$2" --size "$size" --out "render-$i.png" --objects "render-$i.tsv"
  done
done
run render-tiny render --jd 2460536.375 --size 312x186 --out render-tiny.png
run render-big render --jd 2460536.375 --size 1920x1080 --out render-big.png

views=("183 12" "92 63" "-122.213 39.18" "0 90" "10 -30" "270 0.5" "159 12" "45 1")
sizes=(431x273 640x400 800x600 100x80)
i=0
for jd in 2460536.30 2460710.25 2460536.875; do
  for view in "${views[@]}"; do
    set -- $view
    i=$((i + 1))
    size=${sizes[$((i % 4))]}
    run "closeup-$i" closeup --jd "$jd" --az "$1" --alt "$2" --size "$size" --out "closeup-$i.png" --objects "closeup-$i.tsv"
  done
done

clicks=("266 290" "237 407" "280 252" "400 300" "10 10" "560 120")
i=0
for fs in 12 5 40; do
  for click in "${clicks[@]}"; do
    set -- $click
    i=$((i + 1))
    run "identify-$i" identify --jd 2460536.375 --size 800x600 --x "$1" --y "$2" --font-size "$fs" --labels "identify-$i"
  done
done
run identify-south identify --jd 2451545 --lat -33.92 --lon 18.42 --x 512 --y 384 --labels identify-south

run runic runic --out runic.png
run bad-jd render --jd 1e12 --out never.png
