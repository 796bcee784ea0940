#!/usr/bin/env bash
# Every text of the sources has a finished translation, and no translation is left over: the
# translation file, brought up to date from the sources by lupdate, is unchanged.
# Usage: complete.sh <lupdate> <sources folder> <.ts file> <lupdate options...>
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/updated.ts"
"$lupdate" -silent "$@" -extensions cpp,h "$sources" -ts "$work/updated.ts"
if ! diff -u "$ts" "$work/updated.ts"; then
  echo "FAILED: $(basename "$ts") is not up to date: run 'cmake --build <build> --target" \
    "update_translations', then translate every entry marked unfinished and drop the vanished ones"
  exit 1
fi
if grep -q 'type="unfinished"' "$ts"; then
  echo "FAILED: $(basename "$ts") has unfinished translations"
  exit 1
fi
