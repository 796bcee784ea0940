#!/usr/bin/env bash
# Runs a window test program on its own Xvfb display and D-Bus session with the accessibility
# (AT-SPI) bus up and Qt's bridge to it on, as when a screen reader listens.
# Usage: with-reader-bus.sh <test program> [arguments...]
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v Xvfb >/dev/null || ! command -v dbus-run-session >/dev/null || [ ! -x "$launcher" ]; then
  echo "skipped: needs xvfb, dbus-daemon and at-spi2-core"
  exit 77
fi
if [ "${1:-}" != --in-session ]; then
  source "$(dirname "$0")/xvfb.sh"
  start_xvfb_in_temp
  status=0
  dbus-run-session -- "$0" --in-session "$@" || status=$?
  exit $status
fi
shift
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
trap 'kill "$bus_pid" 2>/dev/null; wait "$bus_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
  sleep 0.05
done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
