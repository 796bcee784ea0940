#!/usr/bin/env bash
# Plays the real program on its own Xvfb display, as a player would, with xdotool, and reads the
# screen with ImageMagick:
#   - a mouse click against the computer: pure green on the crossing, the computer's pure red
#     reply on another crossing, its chime from the plugin beside the program (the program itself
#     is not linked with the sound libraries);
#   - after a refused click's box, a growing reply, the cross-hair's run and hover moves, the
#     client area equals what a whole repaint (one pixel wider and back) paints;
#   - "&Changer de niveau" from the keyboard, the question answered Yes, "Autres" in the dialog:
#     two players at the same computer;
#   - a game with the mouse and a game with the keyboard (arrows and Enter, with the refused
#     second Enter on the same crossing answered), then games with the mouse until green has won
#     five: points on their crossings, the frames of the finished games (dark green for green,
#     red for red) and the "Manches" board that the set brings;
#   - the window's largest and smallest widths, and "&Quitter".
# The screenshots stay in the screenshot folder for a person to look at.
# Usage: program-under-xvfb.sh <quintara> <screenshot folder>
set -euo pipefail

program=$1
shots=$2
skip=77

if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is not installed: skipped"
  exit $skip
fi
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
  echo "FAILED: $*"
  echo "the screenshots are in $shots"
  exit 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

source "$(dirname "$0")/xvfb.sh"
start_xvfb "$shots"

# As a player starts it: no test platform, no sound device needed, and its own data folders.
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"
export XDG_DATA_HOME="$work/data"
started=$(now_ms)
"$program" >"$shots/quintara.log" 2>&1 &
app_pid=$!

# --- Windows -------------------------------------------------------------------------------

# The first visible window whose title is exactly $1 and that is not $2; waits up to 10 s.
wait_window() {
  local title=$1 other=${2:-} id
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true); do
      [ "$id" != "$other" ] && { echo "$id"; return 0; }
    done
    kill -0 "$app_pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

# Waits up to 10 s until no visible window but $2 has the title $1.
wait_gone() {
  local title=$1 other=${2:-} id left
  for _ in $(seq 200); do
    left=""
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true); do
      [ "$id" != "$other" ] && left=$id
    done
    [ -z "$left" ] && return 0
    sleep 0.05
  done
  return 1
}

window=$(wait_window Quintara) || fail "no window; $(cat "$shots/quintara.log")"
echo "window mapped after $(($(now_ms) - started)) ms"
# The sound libraries are no part of the start; the chime's plugin brings them.
ldd "$program" | grep -q libQt6Multimedia && fail "the program loads the sound libraries at start"

eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area is the bottom of the window, below the menu bar; it opens at its design
# size, 592 x 390 pixels (8880 x 5850 twips). Crossing (row, column) lies 24 pixels a step from
# the client area's top-left corner.
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

# --- The screen ----------------------------------------------------------------------------

# Screenshot $1, then the colour (RRGGBB) of each pixel "x,y" that follows, one a line.
shot=""
take() {
  shot="$shots/$1.png"
  import -window root "$shot"
}
colours() {
  local format="" point
  for point in "$@"; do format+="%[hex:p{$point}]\n"; done
  convert "$shot" -format "$format" info: | cut -c1-6
}

# Polls screenshots named $1 until every "x,y=RRGGBB" that follows holds (up to 10 s).
expect() {
  local name=$1
  shift
  local points=() wanted=() expectation got attempt
  for expectation in "$@"; do
    points+=("${expectation%=*}")
    wanted+=("${expectation#*=}")
  done
  for attempt in $(seq 50); do
    take "$name"
    mapfile -t got < <(colours "${points[@]}")
    local k ok=1
    for k in "${!points[@]}"; do
      [ "${got[$k]:-}" = "${wanted[$k]}" ] || ok=0
    done
    [ $ok = 1 ] && return 0
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended; $(cat "$shots/quintara.log")"
    sleep 0.2
  done
  for k in "${!points[@]}"; do
    [ "${got[$k]:-}" = "${wanted[$k]}" ] ||
      echo "  at ${points[$k]}: #${got[$k]:-?}, wanted #${wanted[$k]}"
  done
  fail "$name"
}

# The colour of every crossing of the shown area (rows 2 to 15, columns 2 to 20), as
# "row column RRGGBB" lines, from the last screenshot.
crossings() {
  local points=() rows=() row column
  for row in $(seq 2 15); do
    for column in $(seq 2 20); do
      points+=("$(crossing "$row" "$column")")
      rows+=("$row $column")
    done
  done
  paste -d' ' <(printf '%s\n' "${rows[@]}") <(colours "${points[@]}")
}

# Points at crossings: "g" green, "r" red, as "g:row:column".
points() {
  local point colour
  for point in "$@"; do
    IFS=: read -r colour row column <<<"$point"
    [ "$colour" = g ] && echo "$(crossing "$row" "$column")=00FF00"
    [ "$colour" = r ] && echo "$(crossing "$row" "$column")=FF0000"
  done
}

# A finished game's frame round rows $1..$2 and columns $3..$4, in colour $5: its pen covers
# two pixels and the first of them is always wholly inside it, so that pixel is the pure colour
# (left and top 8 pixels before the crossings, right and bottom 9 after).
frame() {
  local top=$1 bottom=$2 left=$3 right=$4 colour=$5
  local middle_x=$((client_x + 24 * left + 12)) middle_y=$((client_y + 24 * top + 12))
  echo "$middle_x,$((client_y + 24 * top - 8))=$colour"
  echo "$middle_x,$((client_y + 24 * bottom + 9))=$colour"
  echo "$((client_x + 24 * left - 8)),$middle_y=$colour"
  echo "$((client_x + 24 * right + 9)),$middle_y=$colour"
}

# --- The player's hands --------------------------------------------------------------------

click() { xdotool mousemove ${1/,/ } click 1; }
# Plays "g:row:column" or "r:row:column" points with the mouse, in order.
play() {
  local point colour row column
  for point in "$@"; do
    IFS=: read -r colour row column <<<"$point"
    click "$(crossing "$row" "$column")"
  done
}
# A click on the top bar, beside the level text: the sheet takes the keyboard focus.
focus_sheet() { click "$((client_x + 400)),$((client_y + 20))"; }

# --- Against the computer, with the mouse --------------------------------------------------

expect start "$indicator=00FF00" $games_bars "$sets_green=E0E0E0" "$sets_red=E0E0E0"
echo "first window painted after $(($(now_ms) - started)) ms (polled screenshots)"

click "$(crossing 5 8)"
expect computer-reply "$(crossing 5 8)=00FF00" "$indicator=00FF00"
# The computer's point grows in; once grown its crossing is pure red.
for _ in $(seq 50); do
  reds=$(crossings | awk '$3 == "FF0000"' | wc -l)
  [ "$reds" = 1 ] && break
  sleep 0.1
  take computer-reply
done
[ "$reds" = 1 ] || fail "the computer's reply: $reds red crossings, wanted 1"
# Its chime came from the plugin beside the program, in the build folder as once installed.
grep -qF "$(dirname "$(readlink -f "$program")")/libquintara_chime.so" "/proc/$app_pid/maps" ||
  fail "the chime's plugin is not loaded"
echo "passed: green on the clicked crossing, the computer's red reply on a crossing"

# --- Partial repaints leave what a whole repaint paints ------------------------------------

# A refusal's box, closed (the box repaints the whole window before it shows), then a second
# click, whose reply grows in under the moving mouse, the cross-hair's run (back to row 3, column
# 15 in the end) and hover moves.
move_over() {
  local point
  for point in "$@"; do xdotool mousemove $(crossing ${point%:*} ${point#*:} | tr , ' '); done
}
click "$(crossing 5 8)"
wait_window "ATTENTION !!!" >/dev/null || fail "no \"ATTENTION !!!\" box on an occupied crossing"
xdotool key Return
wait_gone "ATTENTION !!!" || fail "the box stays open"
click "$(crossing 9 12)"
move_over 9:13 8:13 8:12 9:11
xdotool key Down Down Left Left Down Right Up Right Right Left Up Up
move_over 4:4 4:5 6:10 6:11 7:11
sleep 0.5
client_area="592x390+$client_x+$client_y"
take partial-repaints
partial=$shot
# One pixel wider and back: the whole window paints afresh.
eval "$(xdotool getwindowgeometry --shell "$window")"
for width in $((WIDTH + 1)) $WIDTH; do
  xdotool windowsize "$window" "$width" "$HEIGHT"
  for _ in $(seq 40); do
    sleep 0.05
    [ "$(xdotool getwindowgeometry --shell "$window" | grep WIDTH)" = "WIDTH=$width" ] && break
  done
done
sleep 0.3
take whole-repaint
convert "$partial" -crop "$client_area" +repage "$work/partial.png"
convert "$shot" -crop "$client_area" +repage "$work/whole.png"
differing=$(compare -metric AE "$work/partial.png" "$work/whole.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels of the client area differ from a whole repaint"
echo "passed: after keys, hover, growing points and a box, the client area equals a whole repaint"
# The box left no window active: a click makes the main window take the menus' keys again.
focus_sheet

# --- Two players ---------------------------------------------------------------------------

# "&Fichier" > "&Changer de niveau" from the keyboard; the game under way goes to red.
xdotool key alt+f
xdotool key c
question=$(wait_window Quintara "$window") || fail "no question before changing the level"
xdotool key Return
dialog=$(wait_window "Quintara version 2") || fail "no dialog after the question"
# The focus starts on "Ordinateur"; the arrow moves it to "Autres" and chooses it.
xdotool key Right
sleep 0.2
xdotool key Return
wait_gone "Quintara version 2" || fail "the dialog stays open after OK"
echo "passed: the question answered, two players chosen in the dialog"

# Game 1, with the mouse: green makes five across row 3 while red plays below.
focus_sheet
game1=(g:3:3 r:4:3 g:3:4 r:4:4 g:3:5 r:4:5 g:3:6 r:4:6 g:3:7)
play "${game1[@]}"
expect game-1-mouse $(points "${game1[@]}") $(frame 3 4 3 7 008000)
echo "passed: game 1 with the mouse, green's five framed in dark green"

# Game 2, with the keyboard. Red moves first now; the cross-hair starts on row 3, column 15.
xdotool key Return
expect game-2-first-point $(points r:3:15)
xdotool key Return
box=$(wait_window "ATTENTION !!!") || fail "no \"ATTENTION !!!\" box on an occupied crossing"
xdotool key Return
wait_gone "ATTENTION !!!" || fail "the box stays open"
xdotool key Down Return Down Return \
  Up Right Return Down Return Up Right Return Down Return \
  Up Right Return Down Return Up Right Return
game2=(r:3:15 g:4:15 r:5:15 g:4:16 r:5:16 g:4:17 r:5:17 g:4:18 r:5:18 g:4:19)
expect game-2-keyboard $(points "${game2[@]}") $(frame 3 5 15 19 008000)
echo "passed: game 2 with the keyboard, the refused crossing answered, green's five framed"

# Game 3: red makes five and its frame is red.
game3=(r:6:3 g:7:3 r:6:4 g:7:4 r:6:5 g:7:5 r:6:6 g:7:6 r:6:7)
play "${game3[@]}"
expect game-3-red $(points "${game3[@]}") $(frame 6 7 3 7 FF0000)
echo "passed: game 3, red's five framed in red"

# Games 4 to 6: green's third, fourth and fifth wins; the fifth wins the set.
game4=(g:9:3 r:10:3 g:9:4 r:10:4 g:9:5 r:10:5 g:9:6 r:10:6 g:9:7)
game5=(r:13:3 g:12:3 r:13:4 g:12:4 r:13:5 g:12:5 r:13:6 g:12:6 r:14:3 g:12:7)
game6=(r:7:11 g:6:11 r:7:12 g:6:12 r:7:13 g:6:13 r:7:14 g:6:14 r:8:11 g:6:15)
play "${game4[@]}"
expect game-4 $(points "${game4[@]}") $(frame 9 10 3 7 008000) "$sets_green=E0E0E0"
play "${game5[@]}"
expect game-5 $(points "${game5[@]}") $(frame 12 14 3 7 008000) "$sets_green=E0E0E0"
play "${game6[@]}"
expect set-won $(points "${game6[@]}") $(frame 6 8 11 15 008000) \
  "$sets_green=00FF00" "$sets_red=FF0000" $games_bars
echo "passed: five games to green, the \"Manches\" board is shown"

# --- The window's size ---------------------------------------------------------------------

# Dragged far too large or too small, the window keeps to its largest and smallest client
# widths (800 and 574 pixels), with no window manager to help.
for wanted in "1200 800" "200 574"; do
  set -- $wanted
  xdotool windowsize "$window" "$1" 300
  width=0
  for _ in $(seq 40); do
    sleep 0.05
    eval "$(xdotool getwindowgeometry --shell "$window")"
    width=$WIDTH
    [ "$width" = "$2" ] && break
  done
  [ "$width" = "$2" ] || fail "asked for $1 px wide, the window is $width"
  echo "asked for $1 px wide, the window keeps to $width"
done

# --- "&Quitter" ends the program -----------------------------------------------------------

focus_sheet
xdotool key alt+f
xdotool key q
for _ in $(seq 100); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$app_pid" 2>/dev/null && fail "the program is still running after \"&Quitter\""
status=0
wait "$app_pid" || status=$?
app_pid=""
[ $status = 0 ] || fail "the program ended with status $status"
echo "passed: \"&Quitter\" ends the program; $(($(now_ms) - started)) ms in all"
