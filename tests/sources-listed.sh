#!/usr/bin/env bash
# Every source and header under src/ is in a target's list, where the build names them one by
# one: a file left out would escape clang-tidy, and a header the check that it compiles alone.
# Usage: sources-listed.sh <src folder> <file of the listed paths, relative to it>
set -euo pipefail

unlisted=$(cd "$1" && find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort |
  comm -23 - <(sort "$2"))
[ -z "$unlisted" ] || { echo "FAIL: in no target's list of sources:"; echo "$unlisted"; exit 1; }
