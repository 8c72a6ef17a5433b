#!/usr/bin/env bash
# Takes the README's screenshots of the time, place and find dialogs: runs the
# built kolvar under Xvfb, opens the dialogs from the keyboard (F10, arrows,
# Enter; Ctrl+F) and writes docs/time_dialog.png, docs/place_dialog.png and
# docs/find_dialog.png (or into $1).
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
out=${1:-$top/docs}
display=:${SCREENSHOT_DISPLAY:-97}

work=$(mktemp -d)
cp "$build/src/shell/kolvar" "$work/"  # its font and settings files land in $work
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
kolvar=
cleanup() {
  [ -n "$kolvar" ] && kill "$kolvar" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
"$work/kolvar" >/dev/null 2>&1 &
kolvar=$!

# The visible window of the given width (the dialogs have fixed sizes).
window_of_width() {
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --class kolvar 2>/dev/null); do
      if xdotool getwindowgeometry "$id" | grep -q "Geometry: $1x"; then echo "$id"; return; fi
    done
    sleep 0.2
  done
  echo "no window $1 pixels wide" >&2
  exit 1
}
main=$(window_of_width 312)
xdotool windowsize "$main" 900 600
xdotool windowfocus "$main"
sleep 1

# Observer > Time: F10 selects the first title, Left goes round to Observer.
xdotool key F10 Left Down Return
time=$(window_of_width 648)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$time")"
xdotool mousemove $((X + 460)) $((Y + 317)) click 1   # the Julian day field
xdotool key ctrl+a type 2460536.375
sleep 0.5
import -window "$time" "$out/time_dialog.png"
xdotool key Escape
sleep 0.5

# Observer > Place.
xdotool windowfocus "$main"
xdotool key F10 Left Down Down Return
place=$(window_of_width 555)
sleep 0.5
import -window "$place" "$out/place_dialog.png"
xdotool key Escape
sleep 0.5

# The sky of 13 August 2024, 21:00 UT (Observer > Time, taken with Enter);
# then Ctrl+F, "m31", Enter: the window with the find dialog over it.
xdotool windowfocus "$main"
xdotool key F10 Left Down Return
time=$(window_of_width 648)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$time")"
xdotool mousemove $((X + 460)) $((Y + 317)) click 1
xdotool key ctrl+a type 2460536.375
xdotool key Return
sleep 0.5
xdotool mousemove 0 0
xdotool windowfocus "$main"
xdotool key ctrl+f
sleep 0.5
xdotool type m31
xdotool key Return
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/find_dialog.png"
echo "$out/time_dialog.png $out/place_dialog.png $out/find_dialog.png"
