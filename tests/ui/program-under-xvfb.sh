#!/usr/bin/env bash
# Plays one scripted match of the real program (fixed die) on its own Xvfb display with
# xdotool's mouse and keyboard, and reads the screen with ImageMagick: what only a real display
# shows (partial repaints, the program's own mouse, keys, menus and message boxes, its chime's
# plugin, its window sizes with no window manager). The window tests check the rest offscreen.
# Usage: program-under-xvfb.sh <quintara> <screenshot folder>
set -euo pipefail

program=$1
shots=$2
command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
for tool in xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/*.log
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
  return 0
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*; the screenshots are in $shots" >&2
  exit 1
}

source "$(dirname "$0")/xvfb.sh"
start_xvfb "$shots"

# As a player starts it: no test platform, no sound device needed, its own data folders.
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work" XDG_DATA_HOME="$work/data" QUINTARA_DIE_SEED=2026
"$program" >"$shots/quintara.log" 2>&1 &
app_pid=$!

# Waits up to 10 s for a visible window titled exactly $1 other than $2 and prints its id; with
# $3 = gone, until there is none.
wait_window() {
  local id found
  for _ in $(seq 200); do
    found=""
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
      [ "$id" != "${2:-}" ] && found=$id
    done
    if [ "${3:-}" = gone ]; then [ -z "$found" ] && return 0; else
      [ -n "$found" ] && { echo "$found"; return 0; }
    fi
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended; $(cat "$shots/quintara.log")"
    sleep 0.05
  done
  fail "waiting for window \"$1\" ${3:-}"
}

window=$(wait_window Quintara)
# The sound libraries are no part of the start; the chime's plugin brings them.
ldd "$program" | grep -q libQt6Multimedia && fail "the program loads the sound libraries at start"

# The client area is the bottom of the window, below the menu bar, at its design size, 592 x 390
# pixels (8880 x 5850 twips); crossing (row, column) lies 24 pixels a step from its corner.
eval "$(xdotool getwindowgeometry --shell "$window")"
client_x=$X
client_y=$((Y + HEIGHT - 390))
crossing() { echo "$((client_x + 24 * $2)),$((client_y + 24 * $1))"; }
# The right panel (93 pixels wide, below the 45-pixel top bar): the turn indicator, and the
# green and red bars of "Parties" and of "Manches".
panel_x=$((client_x + 592 - 93))
panel_y=$((client_y + 45))
indicator="$((panel_x + 44)),$((panel_y + 84))"
games_bars="$((panel_x + 20)),$((panel_y + 172))=00FF00 $((panel_x + 68)),$((panel_y + 172))=FF0000"
sets_green="$((panel_x + 20)),$((panel_y + 276))"
sets_red="$((panel_x + 68)),$((panel_y + 276))"

# Screenshot $1.png, then the colour (RRGGBB) of each pixel "x,y" that follows, one a line.
shot() {
  local file="$shots/$1.png"
  import -window root "$file"
  shift
  convert "$file" -format "$(printf '%%[hex:p{%s}]\\n' "$@")" info: | cut -c1-6
}
# Polls screenshots until every "x,y=RRGGBB" holds (up to 10 s); $1 names the step.
expect() {
  local name=$1 points=() wanted=() got k ok
  shift
  for k in "$@"; do points+=("${k%=*}") && wanted+=("${k#*=}"); done
  for _ in $(seq 50); do
    mapfile -t got < <(shot screen "${points[@]}")
    ok=1
    for k in "${!points[@]}"; do [ "${got[$k]:-}" = "${wanted[$k]}" ] || ok=0; done
    [ $ok = 1 ] && return 0
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended; $(cat "$shots/quintara.log")"
    sleep 0.2
  done
  for k in "${!points[@]}"; do echo "  at ${points[$k]}: #${got[$k]:-?}, wanted #${wanted[$k]}"; done
  fail "$name"
}
# "g:row:column" (green) or "r:row:column" (red) as "x,y=RRGGBB".
points() {
  local k colour row column
  for k in "$@"; do
    IFS=: read -r colour row column <<<"$k"
    echo "$(crossing "$row" "$column")=$([ "$colour" = g ] && echo 00FF00 || echo FF0000)"
  done
}
# A finished game's frame round rows $1..$2 and columns $3..$4, in colour $5: the first of its
# pen's two pixels is wholly inside it (8 pixels before the crossings, 9 after).
frame() {
  local x=$((client_x + 24 * $3 + 12)) y=$((client_y + 24 * $1 + 12))
  echo "$x,$((client_y + 24 * $1 - 8))=$5 $x,$((client_y + 24 * $2 + 9))=$5"
  echo "$((client_x + 24 * $3 - 8)),$y=$5 $((client_x + 24 * $4 + 9)),$y=$5"
}
click() { xdotool mousemove ${1/,/ } click 1; }
play() { for k in "$@"; do click "$(crossing "$(cut -d: -f2 <<<"$k")" "${k##*:}")"; done; }
# A click on the top bar, beside the level text: the sheet takes the keyboard focus.
focus_sheet() { click "$((client_x + 400)),$((client_y + 20))"; }
# Waits for the box titled $1, answers it with Return and waits until it is gone.
answer_box() {
  wait_window "$1" "$window" >/dev/null
  xdotool key Return
  wait_window "$1" "$window" gone
}

# Against the computer, with the mouse: green, then the computer's red reply, with its chime.
expect start "$indicator=00FF00" $games_bars "$sets_green=E0E0E0" "$sets_red=E0E0E0"
click "$(crossing 5 8)"
expect computer-reply $(points g:5:8 r:5:9)
grep -qF "$(dirname "$(readlink -f "$program")")/libquintara_chime.so" "/proc/$app_pid/maps" ||
  fail "the chime's plugin is not loaded"

# After a refusal's box, a growing reply under the moving mouse, the cross-hair's run and hover
# moves, the client area equals what a whole repaint (one pixel wider and back) paints.
click "$(crossing 5 8)"
answer_box "ATTENTION !!!"
click "$(crossing 9 12)"
for k in 9:13 8:13 8:12 9:11; do xdotool mousemove $(crossing ${k%:*} ${k#*:} | tr , ' '); done
xdotool key Down Down Left Left Down Right Up Right Right Left Up Up
for k in 4:4 4:5 6:10 6:11 7:11; do xdotool mousemove $(crossing ${k%:*} ${k#*:} | tr , ' '); done
sleep 0.5
shot partial >/dev/null
# Resizes the window to $1 pixels wide, waits for width $2 (else $1) and prints the width it keeps.
resize() {
  xdotool windowsize "$window" "$1" "$HEIGHT"
  for _ in $(seq 40); do
    sleep 0.05
    [ "$(xdotool getwindowgeometry --shell "$window" | grep WIDTH)" = "WIDTH=${2:-$1}" ] && break
  done
  xdotool getwindowgeometry --shell "$window" | sed -n 's/WIDTH=//p'
}
resize $((WIDTH + 1)) >/dev/null
resize "$WIDTH" >/dev/null
sleep 0.3
shot whole >/dev/null
for k in partial whole; do convert "$shots/$k.png" -crop "592x390+$client_x+$client_y" +repage "$work/$k.png"; done
differing=$(compare -metric AE "$work/partial.png" "$work/whole.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels of the client area differ from a whole repaint"
echo "passed: partial repaints equal a whole repaint"

# "&Fichier" > "&Changer de niveau" from the keyboard (the box left no window active: a click
# gives the main window the keys again), the give-up question answered Yes, then "Autres".
focus_sheet
xdotool key alt+f c
answer_box Quintara
wait_window "Quintara version 2" >/dev/null
xdotool key Right Return
wait_window "Quintara version 2" "" gone
focus_sheet

# Game 1 with the mouse: green's five framed in dark green.
game1=(g:3:3 r:4:3 g:3:4 r:4:4 g:3:5 r:4:5 g:3:6 r:4:6 g:3:7)
play "${game1[@]}"
expect game-1 $(points "${game1[@]}") $(frame 3 4 3 7 008000)
# Game 2 with the keyboard: red moves first on the cross-hair (row 3, column 15), whose second
# Enter is refused; green's five.
xdotool key Return
expect game-2-first-point $(points r:3:15)
xdotool key Return
answer_box "ATTENTION !!!"
xdotool key Down Return Down Return Up Right Return Down Return Up Right Return Down Return \
  Up Right Return Down Return Up Right Return
game2=(r:3:15 g:4:15 r:5:15 g:4:16 r:5:16 g:4:17 r:5:17 g:4:18 r:5:18 g:4:19)
expect game-2 $(points "${game2[@]}") $(frame 3 5 15 19 008000)
# Game 3: red's five framed in red; games 4 to 6, green's fifth win brings the "Manches" board.
game3=(r:6:3 g:7:3 r:6:4 g:7:4 r:6:5 g:7:5 r:6:6 g:7:6 r:6:7)
game4=(g:9:3 r:10:3 g:9:4 r:10:4 g:9:5 r:10:5 g:9:6 r:10:6 g:9:7)
game5=(r:13:3 g:12:3 r:13:4 g:12:4 r:13:5 g:12:5 r:13:6 g:12:6 r:14:3 g:12:7)
game6=(r:7:11 g:6:11 r:7:12 g:6:12 r:7:13 g:6:13 r:7:14 g:6:14 r:8:11 g:6:15)
play "${game3[@]}"
expect game-3 $(points "${game3[@]}") $(frame 6 7 3 7 FF0000)
play "${game4[@]}" "${game5[@]}"
expect game-5 $(points "${game4[@]}" "${game5[@]}") $(frame 9 10 3 7 008000) \
  $(frame 12 14 3 7 008000) "$sets_green=E0E0E0"
play "${game6[@]}"
expect set-won $(points "${game6[@]}") $(frame 6 8 11 15 008000) \
  "$sets_green=00FF00" "$sets_red=FF0000" $games_bars
echo "passed: a match's games with the mouse and the keyboard, frames and boards"

# Dragged far too wide or too narrow, with no window manager to help, the window keeps to its
# largest and smallest widths (800 and 574 pixels).
[ "$(resize 1200 800)" = 800 ] || fail "the window is wider than 800 pixels"
[ "$(resize 200 574)" = 574 ] || fail "the window is narrower than 574 pixels"

# "&Quitter" ends the program.
focus_sheet
xdotool key alt+f q
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null && sleep 0.05; done
kill -0 "$app_pid" 2>/dev/null && fail "the program is still running after \"&Quitter\""
status=0
wait "$app_pid" || status=$?
app_pid=""
[ $status = 0 ] || fail "the program ended with status $status"
echo "passed: the match, the window's widths and \"&Quitter\""
