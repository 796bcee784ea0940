#!/usr/bin/env bash
# Runs accessibility_test.py on an Xvfb display and a D-Bus session of its own, with Orca
# speaking through speech-dispatcher into a PulseAudio null sink (CI has no sound device).
# Usage: accessibility-under-xvfb.sh <quintara> <work folder>
set -euo pipefail
folder=$2
missing=""
# (orca brings python3-pyatspi, python3-speechd and speech-dispatcher)
for tool in Xvfb xdotool dbus-run-session orca pulseaudio /usr/libexec/at-spi-bus-launcher \
  /usr/lib/speech-dispatcher-modules/sd_espeak-ng; do
  command -v $tool >/dev/null || missing+=" $tool"
done
if [ -n "$missing" ]; then
  echo "the test needs$missing (scripts/install-deps --tests)"
  [ -n "${CI:-}" ] && exit 1
  exit 77
fi

# Orca and its sound server in a home of their own (as root too: -n --load, no system setup).
export HOME="$folder/home" XDG_RUNTIME_DIR="$folder/runtime"
rm -rf "${folder:?}" && mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill $xvfb_pid; pulseaudio --kill 2>/dev/null; true' EXIT
source "$(dirname "$0")/xvfb.sh"
start_xvfb "$folder"
unset QT_QPA_PLATFORM
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load="module-null-sink sink_name=nul" \
  --load=module-native-protocol-unix 2>"$folder/pulseaudio.log"
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/accessibility_test.py" "$@"
