#!/usr/bin/env bash
# Runs accessibility_test.py: the real program on its own Xvfb display and D-Bus session, with
# the accessibility (AT-SPI) bus, read and driven the way a screen reader does, then played by
# ear with Orca.
# Usage: accessibility-under-xvfb.sh <quintara> <work folder>
set -euo pipefail

program=$1
folder=$2
here=$(cd "$(dirname "$0")" && pwd)
skip=77

# Without these the test cannot run (scripts/install-deps --tests brings them); CI must run it.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
missing=""
command -v Xvfb >/dev/null || missing+=" xvfb"
command -v dbus-run-session >/dev/null || missing+=" dbus-daemon"
[ -x "$launcher" ] || missing+=" at-spi2-core"
{ [ -x "$python" ] && "$python" -c 'import pyatspi' 2>/dev/null; } || missing+=" python3-pyatspi"
for tool in orca speech-dispatcher pulseaudio; do
  command -v $tool >/dev/null || missing+=" $tool"
done
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || missing+=" speech-dispatcher-espeak-ng"
"$python" -c 'import speechd' 2>/dev/null || missing+=" python3-speechd"
if [ -n "$missing" ]; then
  echo "the test needs$missing, which are not installed"
  [ -n "${CI:-}" ] && exit 1
  exit $skip
fi

mkdir -p "$folder"
rm -rf "${folder:?}"/*
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ "$HOME" = "$folder/home" ] && pulseaudio --kill 2>/dev/null
  return 0
}
trap cleanup EXIT

source "$here/xvfb.sh"
start_xvfb "$folder"
unset QT_QPA_PLATFORM

# Orca speaks through speech-dispatcher to PulseAudio, into a null sink, from a home of its own.
export HOME="$folder/home" XDG_RUNTIME_DIR="$folder/runtime"
mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load="module-null-sink sink_name=nul" \
  --load=module-native-protocol-unix 2>"$folder/pulseaudio.log"

# A session bus of its own; the test starts the accessibility bus inside it.
status=0
dbus-run-session -- "$python" "$here/accessibility_test.py" "$program" "$folder" "$launcher" ||
  status=$?
exit $status
