#!/usr/bin/env bash
# The real program with a fixed die on an Xvfb display, driven by xdotool: only what an offscreen
# grab cannot judge. Partial repaints, the sizes kept without a window manager, its own folder.
# Usage: program-under-xvfb.sh <quintara> <screenshot folder>
set -euo pipefail

program=$1
shots=$2
command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
for tool in xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/*.log
work=$(mktemp -d)
app_pid="" xvfb_pid=""
trap 'kill $app_pid $xvfb_pid 2>/dev/null || true; wait; rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*; the screenshots are in $shots" >&2
  exit 1
}
source "$(dirname "$0")/xvfb.sh"
start_xvfb "$shots"

# As a player starts a copy of the game: no test platform, no sound device needed.
mkdir "$work/game"
cp "$program" "$(dirname "$program")"/{libquintara_chime.so,Chimes.wav} "$work/game"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work" XDG_DATA_HOME="$work/data" QUINTARA_DIE_SEED=2026
"$work/game/quintara" >"$shots/quintara.log" 2>&1 &
app_pid=$!

# Polls the test "$2..." for up to 10 s; $1 says what is awaited.
await() {
  for _ in $(seq 200); do
    "${@:2}" && return 0
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended; $(cat "$shots/quintara.log")"
    sleep 0.05
  done
  fail "waiting for $1"
}
windows() { [ "$(xdotool search --onlyvisible --name '^Quintara$' | wc -l)" = "$1" ]; }
await "the window" windows 1
window=$(xdotool search --onlyvisible --name '^Quintara$')
ldd "$program" | grep -q libQt6Multimedia && fail "the program loads the sound libraries at start"
await "the chime's plugin" grep -qF "$work/game/libquintara_chime.so" "/proc/$app_pid/maps"

# The client area, 592 x 390 pixels (8880 x 5850 twips), ends the window; crossings 24 px apart.
eval "$(xdotool getwindowgeometry --shell "$window")"
client_y=$((Y + HEIGHT - 390))
# Moves the mouse over each "row:column" that follows, in one go.
hover() {
  local k moves=()
  for k in "$@"; do moves+=(mousemove $((X + 24 * ${k#*:})) $((client_y + 24 * ${k%:*}))); done
  xdotool "${moves[@]}"
}

# The ring and the mouse's marker run over the reply to (5, 8) as it grows at (5, 9).
xdotool key Down Down Left Left Down Right Up Right Right Left Up Up
hover 4:4 4:5 6:10 6:11 7:11 5:8
xdotool click 1
hover 5:9 4:9 4:10 5:10 6:10 6:9 5:9 4:8
# Then green plays the bottom row until red's five: its line, its frame and the next game; a
# second point of that game and its reply taken back, and a hint.
for k in 14:3 14:5 14:7 14:9 10:14 8:14; do
  hover "$k"
  xdotool click 1
  sleep 0.5
done
xdotool key ctrl+z ctrl+h
sleep 1
import -window "$window" "$shots/partial.png"
# Resized one pixel wider and back, the window is painted whole.
size() { [ "$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')" = "$2" ]; }
xdotool windowsize "$window" $((WIDTH + 1)) "$HEIGHT"
await "a wider window" size "$window" "$((WIDTH + 1))x$HEIGHT"
xdotool windowsize "$window" "$WIDTH" "$HEIGHT"
await "the window's width again" size "$window" "${WIDTH}x$HEIGHT"
sleep 0.3
import -window "$window" "$shots/whole.png"
differing=$(compare -metric AE "$shots/partial.png" "$shots/whole.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels differ from a whole repaint"

# Dragged far too small, it keeps to 8730 x 6540 twips less a frame of 120 x 705: 574 x 389 px.
xdotool windowsize "$window" 200 100
await "the smallest size" size "$window" "574x$((HEIGHT - 1))"

# The best scores are read, so written empty first, beside the program.
xdotool key alt+f s
await "the statistics" windows 2
xdotool key Escape
await "the statistics to close" windows 1
[ -f "$work/game/Les scores" ] || fail "no best scores beside the program"

# The rules keep their fixed size, 6720 x 5550 twips, whatever size they are handed.
xdotool key F1
await "the rules" xdotool search --onlyvisible --name '^Quintara  Version 2$'
rules=$(xdotool search --onlyvisible --name '^Quintara  Version 2$')
xdotool windowsize "$rules" 300 200
await "the rules' own size" size "$rules" 448x370

# Ctrl+Q, once the rules are closed, ends the program.
xdotool key Escape
await "the rules to close" windows 1
xdotool key ctrl+q
for _ in $(seq 200); do kill -0 "$app_pid" 2>/dev/null && sleep 0.05 || break; done
kill -0 "$app_pid" 2>/dev/null && fail "the program still runs after Ctrl+Q"
echo "passed: partial repaints, the smallest sizes, the program's folder, Ctrl+Q"
