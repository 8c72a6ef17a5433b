#!/usr/bin/env bash
# Times 365 daily charts at 1024 x 768 written as PNG: one `render --from --to
# --step 1d` series against 365 separate `kolvar-chart render` processes of
# the same instants, and checks that every pair is byte for byte the same.
#
#   tools/bench_series.sh BUILD/src/cli/kolvar-chart [SCRATCH_DIR]
set -euo pipefail
chart=$(readlink -f "$1")
dir=${2:-$(mktemp -d)}
mkdir -p "$dir"
first=2460676.375  # 2025-01-01 21:00 UT
count=365

now() { date +%s.%N; }
start=$(now)
"$chart" render --from "$first" --to "$(awk -v f="$first" -v n="$count" 'BEGIN { printf "%.3f", f + n - 1 }')" \
  --step 1d --out "$dir/series-%03d.png" >/dev/null
series=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')

# The instants as the series steps them (first + k days) and in its numbering.
mapfile -t days < <(awk -v f="$first" -v n="$count" 'BEGIN { for (k = 0; k < n; k++) printf "%.3f\n", f + k }')
start=$(now)
for k in "${!days[@]}"; do
  "$chart" render --jd "${days[$k]}" --out "$dir/single-$(printf %03d $((k + 1))).png" >/dev/null
done
singles=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')

same=0
for k in $(seq -f %03g 1 "$count"); do cmp -s "$dir/series-$k.png" "$dir/single-$k.png" && same=$((same + 1)); done
awk -v s="$series" -v p="$singles" -v n="$count" -v same="$same" 'BEGIN {
  printf "series:   %d charts in %.2f s, %.0f charts/s\n", n, s, n / s
  printf "separate: %d charts in %.2f s, %.0f charts/s\n", n, p, n / p
  printf "series is %.1f times faster; %d of %d charts byte-identical\n", p / s, same, n }'
