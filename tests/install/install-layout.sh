#!/usr/bin/env bash
# Installs a build under a temporary DESTDIR/usr as the package does, then starts the program
# through its link in bin/ as the menu does: it loads its plugin from beside itself.
# Usage: install-layout.sh <build folder>
set -euo pipefail

stage=$(mktemp -d)
app_pid=""
trap 'kill $app_pid 2>/dev/null || true; wait; rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$stage cmake --install "$1" --prefix /usr >"$stage/install.log" ||
  { cat "$stage/install.log"; fail "cmake --install failed"; }
game=$stage/usr/libexec/quintara
id=org.quintara.Quintara
for file in libexec/quintara/{quintara,libquintara_chime.so,Chimes.wav} \
  share/{applications/$id.desktop,icons/hicolor/scalable/apps/$id.svg,metainfo/$id.metainfo.xml}; do
  [ -s "$stage/usr/$file" ] || fail "usr/$file is not installed"
done
[ "$(readlink -f "$stage/usr/bin/quintara")" = "$game/quintara" ] || fail "no bin/quintara link"

mkdir "$stage/home"
HOME=$stage/home XDG_DATA_HOME=$stage/home/.local/share QT_QPA_PLATFORM=offscreen \
  "$stage/usr/bin/quintara" >"$stage/run.log" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
  grep -qF "$game/libquintara_chime.so" "/proc/$app_pid/maps" 2>/dev/null && exit 0
  kill -0 "$app_pid" 2>/dev/null || { cat "$stage/run.log"; fail "the installed program stopped"; }
  sleep 0.1
done
fail "the installed program did not load its plugin"
