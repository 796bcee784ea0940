#!/usr/bin/env bash
# Installs the game from a build folder into a temporary DESTDIR under the prefix /usr, as the
# package does, and checks what lands there: the program with its chime and its sound plugin
# beside it, the link to it in bin/, the menu entry, the icon and the store description, and
# nothing else. Then starts the installed program through the link, as the menu entry does: it
# starts without the sound libraries and loads its plugin from beside itself.
# Usage: install-layout.sh <build folder>
set -euo pipefail

build=$1
stage=$(mktemp -d)
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  rm -rf "$stage"
  return 0
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage/install.log" ||
  { cat "$stage/install.log"; fail "cmake --install failed"; }

id=org.quintara.Quintara
expected="usr/bin/quintara
usr/libexec/quintara/Chimes.wav
usr/libexec/quintara/libquintara_chime.so
usr/libexec/quintara/quintara
usr/share/applications/$id.desktop
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$stage" && find usr \( -type f -o -type l \) | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  fail "installed files differ from the expected layout (< expected, > installed)"
fi

program=$stage/usr/libexec/quintara/quintara
[ -L "$stage/usr/bin/quintara" ] || fail "bin/quintara is not a link"
[ "$(readlink -f "$stage/usr/bin/quintara")" = "$program" ] ||
  fail "bin/quintara points to $(readlink "$stage/usr/bin/quintara")"
[ -x "$program" ] || fail "the program is not executable"
[ "$(head -c 4 "$stage/usr/libexec/quintara/Chimes.wav")" = RIFF ] ||
  fail "Chimes.wav is not a wave file"
plugin=$stage/usr/libexec/quintara/libquintara_chime.so
ldd "$program" | grep -q libQt6Multimedia && fail "the program loads the sound libraries at start"
ldd "$plugin" | grep -q libQt6Multimedia || fail "the sound plugin lacks the sound libraries"

# The menu entry starts the program by the link's name and shows the installed icon.
desktop=$stage/usr/share/applications/$id.desktop
grep -qx "Exec=quintara" "$desktop" || fail "the menu entry does not start bin/quintara"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the installed icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$stage/usr/share/metainfo/$id.metainfo.xml" || fail "the metadata does not launch the entry"

# Started through the link, the installed program is still running a second later.
mkdir -p "$stage/home"
HOME=$stage/home XDG_DATA_HOME=$stage/home/.local/share QT_QPA_PLATFORM=offscreen \
  "$stage/usr/bin/quintara" >"$stage/run.log" 2>&1 &
app_pid=$!
sleep 1
kill -0 "$app_pid" 2>/dev/null || { cat "$stage/run.log"; app_pid=""; fail "the program stopped"; }
# Once its window has painted, the chime gets ready with the plugin beside the program.
grep -qF "$plugin" "/proc/$app_pid/maps" || fail "the installed program did not load its plugin"
echo "installed layout OK"
