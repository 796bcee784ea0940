#!/usr/bin/env bash
# Runs a command on an Xvfb display of its own (Qt's xcb platform, as on a desktop).
# Usage: bench/under-xvfb.sh <command> [arguments...]
set -euo pipefail
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
  return 0
}
trap cleanup EXIT
source "$(dirname "$0")/../tests/ui/xvfb.sh"
start_xvfb "$work"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work"
"$@"
