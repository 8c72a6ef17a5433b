#!/usr/bin/env bash
# Times 365 daily charts at 1024 x 768 written as PNG: one `render --from --to
# --step 1d` series against 365 separate `kolvar-chart render` processes of
# the same instants, and checks that every pair is byte for byte the same.
# Prints wall-clock and processor seconds (user + system) of both.
#
#   tools/bench_series.sh BUILD/src/cli/kolvar-chart [SCRATCH_DIR]
set -euo pipefail
chart=$(readlink -f "$1")
dir=${2:-$(mktemp -d)}
mkdir -p "$dir"
first=2460676.375  # 2025-01-01 21:00 UT
count=365
last=$(awk -v f="$first" -v n="$count" 'BEGIN { printf "%.3f", f + n - 1 }')
# The instants as the series steps them (first + k days), in its numbering.
mapfile -t days < <(awk -v f="$first" -v n="$count" 'BEGIN { for (k = 0; k < n; k++) printf "%.3f\n", f + k }')

TIMEFORMAT='%R %U %S'
series=$({ time "$chart" render --from "$first" --to "$last" --step 1d --out "$dir/series-%03d.png" >/dev/null; } 2>&1)
singles=$({ time for k in "${!days[@]}"; do
  "$chart" render --jd "${days[$k]}" --out "$dir/single-$(printf %03d $((k + 1))).png" >/dev/null
done; } 2>&1)

same=0
for k in $(seq -f %03g 1 "$count"); do cmp -s "$dir/series-$k.png" "$dir/single-$k.png" && same=$((same + 1)); done
awk -v s="$series" -v p="$singles" -v n="$count" -v same="$same" 'BEGIN {
  split(s, a, " "); split(p, b, " ")
  printf "series:   %d charts in %.2f s (%.0f charts/s), %.2f s of processor time\n", n, a[1], n / a[1], a[2] + a[3]
  printf "separate: %d charts in %.2f s (%.0f charts/s), %.2f s of processor time\n", n, b[1], n / b[1], b[2] + b[3]
  printf "series is %.1f times faster; %d of %d charts byte-identical\n", b[1] / a[1], same, n }'
