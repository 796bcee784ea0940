#!/usr/bin/env bash
# Runs a command on an Xvfb display of its own (Qt's xcb platform, as on a desktop).
# Usage: bench/under-xvfb.sh <command> [arguments...]
set -euo pipefail
source "$(dirname "$0")/../tests/ui/xvfb.sh"
start_xvfb_in_temp
export QT_QPA_PLATFORM=xcb
"$@"
