#!/usr/bin/env bash
# Every subcommand and option that kolvar-chart's --help lists is documented
# in its manual page and offered by its bash completion.
# Usage: cli_docs_check.sh KOLVAR_CHART SOURCE_DIR
set -euo pipefail
chart=$1 src=$2
page=$src/docs/man/kolvar-chart.1.scd
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The completion function as bash runs it: the candidates for a command line
# whose last word is being completed.
source "$src/dist/kolvar-chart.bash"
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _kolvar_chart
  printf '%s\n' "${COMPREPLY[@]}"
}

subcommands=$("$chart" --help | awk '/^subcommands:/ { on = 1; next } on && !NF { exit } on { print $1 }')
[ -n "$subcommands" ] || fail "no subcommands in kolvar-chart --help"
offered=$(complete_words kolvar-chart "")
for sub in $subcommands; do
  grep -q -F "*$sub*" "$page" || fail "manual page lacks the subcommand $sub"
  grep -q -x -F -- "$sub" <<<"$offered" || fail "completion does not offer $sub"
  options=$("$chart" "$sub" --help | awk '/^options:/ { on = 1; next } on && $1 ~ /^--/ { print $1 }')
  [ -n "$options" ] || fail "no options in kolvar-chart $sub --help"
  offered_options=$(complete_words kolvar-chart "$sub" --)
  for option in $options; do
    [ "$option" = --help ] && continue
    grep -q -F -- "*$option*" "$page" || fail "manual page lacks $sub $option"
    grep -q -x -F -- "$option" <<<"$offered_options" || fail "completion does not offer $sub $option"
  done
done

# Every layer that --show's help lists (written from the view switches) is
# documented and completed.
layers=$("$chart" render --help | sed -n 's/^  --show LIST *layers to add, comma-separated: //p' |
  sed 's/ ([^)]*)//g; s/, /\n/g; s/SLOT$//')
[ -n "$layers" ] || fail "no layers in kolvar-chart render --help"
offered_layers=$(complete_words kolvar-chart render --show "")
for layer in $layers; do
  grep -q -F -- "*$layer*" "$page" || fail "manual page lacks the layer $layer"
  grep -q -x -F -- "$layer" <<<"$offered_layers" || fail "completion does not offer the layer $layer"
done

# Options already given are not offered again; a value is not an option.
again=$(complete_words kolvar-chart render --size 800x600 --)
grep -q -x -- --size <<<"$again" && fail "completion offers --size twice"
grep -q -x -- --out <<<"$again" || fail "completion lost --out after --size"
[ -z "$(complete_words kolvar-chart render --jd "")" ] || fail "completion offers words for a Julian day"

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "kolvar-chart: $(wc -w <<<"$subcommands") subcommands documented and completed"
