#!/usr/bin/env bash
# Runs a window test program on its own Xvfb display and D-Bus session with the accessibility
# (AT-SPI) bus up and Qt's bridge to it on, as when a screen reader listens.
# Usage: with-reader-bus.sh <test program> [arguments...]
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v Xvfb >/dev/null || ! command -v dbus-run-session >/dev/null ||
  [ ! -x $launcher ]; then
  echo "skipped: needs xvfb, dbus-daemon and at-spi2-core"
  exit 77
fi
source "$(dirname "$0")/xvfb.sh"
start_xvfb_in_temp
# The bus goes with the session; Qt's bridge waits for it to come up.
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- \
  sh -c '"$0" --launch-immediately >/dev/null 2>&1 & exec "$@"' $launcher "$@"
