#!/usr/bin/env bash
# Takes the README's screenshots of the windows: runs the built kolvar under
# Xvfb twice, in runes and in Latin letters, drives it from the keyboard and
# the mouse as a user would, and writes into $1 (docs/ by default):
#   time_dialog.png, place_dialog.png, help.png,
#   find_dialog.png (Ctrl+F, "m31", Enter)                 the runes
#   latin/menu.png, latin/time_dialog.png, latin/place_dialog.png,
#   latin/city_picker.png, latin/place_city.png, latin/help.png,
#   latin/help-keys.png (the help scrolled to the keys),
#   latin/vega-right.png                                   Latin letters
# and prints the title of every window (xdotool getwindowname).
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
out=${1:-$top/docs}
display=:${SCREENSHOT_DISPLAY:-97}
mkdir -p "$out/latin"

Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
work=
kolvar=
cleanup() {
  [ -n "$kolvar" ] && kill "$kolvar" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

# The visible window whose whole title is $1.
window_named() {
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return; fi
    sleep 0.2
  done
  echo "no window titled $1" >&2
  exit 1
}

# Starts kolvar in a fresh folder with the given settings; sets $main.
start() {
  work=$(mktemp -d)
  cp "$build/src/shell/kolvar" "$work/"  # its font and settings files land in $work
  printf '%b' "$1" >"$work/Kolvar.ini"
  "$work/kolvar" >/dev/null 2>&1 &
  kolvar=$!
  main=$(window_named 'Kolvar.*')
  xdotool windowfocus "$main"
  sleep 1
}

stop() {
  kill "$kolvar"
  wait "$kolvar" 2>/dev/null || true
  kolvar=
  rm -rf "$work"
  work=
}

# The menu titles from F10 (the first title) going left: Observer, Idő, Nézet, Betűméret.
open_time() { xdotool windowfocus "$main"; xdotool key F10 Left Down Return; window_named 'Idő'; }
open_place() { xdotool windowfocus "$main"; xdotool key F10 Left Down Down Return; window_named 'Hely'; }
open_help() { xdotool windowfocus "$main"; xdotool key F10 Return; window_named 'Súgó'; }

shoot() {  # window file
  sleep 0.5
  import -window "$1" "$2"
  echo "$(xdotool getwindowname "$1"): $2"
}

# Sets the instant of the README's pictures, 13 August 2024 21:00 UT.
type_julian_day() {  # time dialog
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + 460)) $((Y + 317)) click 1   # the Julian day field
  xdotool key ctrl+a type 2460536.375
}

# The runes.
start '[WINDOW]\nLeft=0\nTop=0\nWidth=900\nHeight=600\n'
time=$(open_time)
type_julian_day "$time"
shoot "$time" "$out/time_dialog.png"
xdotool key Return
sleep 0.5
place=$(open_place)
shoot "$place" "$out/place_dialog.png"
xdotool key Escape
help=$(open_help)
shoot "$help" "$out/help.png"
xdotool key Escape
echo "$(xdotool getwindowname "$main"): main window"
xdotool windowfocus "$main"
xdotool key F10 Right Return
info=$(window_named 'Névjegy')
echo "$(xdotool getwindowname "$info"): information window"
xdotool key Escape
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 450)) $((Y + 300)) click 3  # a right click opens the close-up
closeup=$(window_named 'Kolvar – közeli ég')
echo "$(xdotool getwindowname "$closeup"): close-up"
xdotool key Escape
sleep 0.5
# Ctrl+F, "m31", Enter: the window with the find dialog over it.
xdotool mousemove 0 0
xdotool windowfocus "$main"
xdotool key ctrl+f
find=$(window_named 'Keresés')
xdotool type m31
xdotool key Return
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/find_dialog.png"
echo "$(xdotool getwindowname "$find"): $out/find_dialog.png"
stop

# Latin letters.
start '[VIEW]\nScript=latin\n[WINDOW]\nLeft=0\nTop=0\nWidth=900\nHeight=600\n'
time=$(open_time)
type_julian_day "$time"
shoot "$time" "$out/latin/time_dialog.png"
xdotool key Return
sleep 1
place=$(open_place)
shoot "$place" "$out/latin/place_dialog.png"
eval "$(xdotool getwindowgeometry --shell "$place")"
xdotool mousemove $((X + 270)) $((Y + 328)) click 1    # the city button
city=$(window_named 'Város')
xdotool type debre
shoot "$city" "$out/latin/city_picker.png"
xdotool key Return
shoot "$place" "$out/latin/place_city.png"
xdotool key Escape
help=$(open_help)
shoot "$help" "$out/latin/help.png"
eval "$(xdotool getwindowgeometry --shell "$help")"
xdotool mousemove $((X + 300)) $((Y + 520)) click 5 click 5 click 5 click 5 click 5 click 5  # the wheel: to the keys
shoot "$help" "$out/latin/help-keys.png"
xdotool key Escape
# The character-size menu open, with the script choice.
xdotool windowfocus "$main"
xdotool key F10 Left Left Left Left Down
sleep 0.7
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/latin/menu.png"
xdotool key Escape Escape
# Vega held under the left button: the right label in Latin letters.
read -r vx vy < <("$build/src/cli/kolvar-chart" find vega --jd 2460536.375 --size 900x600 |
  awk -F'\t' 'NR == 2 { printf "%d %d\n", $7 + 0.5, $8 + 0.5 }')
menu_height=$((HEIGHT - 600))
xdotool mousemove $((X + vx)) $((Y + menu_height + vy)) mousedown 1
sleep 0.7
import -window root -crop "260x120+$((X + 900 - 260))+$((Y + menu_height))" +repage "$out/latin/vega-right.png"
xdotool mouseup 1
echo "$out/latin/vega-right.png"
stop
