#!/usr/bin/env bash
# A packager's build: configured without the tests, with GoogleTest, Google Benchmark and
# clang-tidy out of reach, built, then installed into a temporary DESTDIR by install-layout.sh,
# which checks the files that land and starts the installed program.
# Usage: minimal-build.sh <source folder> <generator> <make program> <C++ compiler>
set -euo pipefail

source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# clang-tidy off the PATH: a folder of links to every other program on it, and the PATH's own
# folders (and CMake's usual ones) ignored by CMake's searches.
mkdir "$work/bin"
IFS=: read -ra folders <<<"$PATH"
for folder in "${folders[@]}"; do
  [ -d "$folder" ] && { ln -s "$folder"/* "$work/bin/" 2>/dev/null || true; }
done
rm -f "$work"/bin/*clang-tidy*
ignored=$(printf '%s;' "${folders[@]}" /usr/local/bin /usr/bin /bin)

start=$SECONDS
PATH=$work/bin cmake -S "$source" -B "$work/build" -G "$2" -DCMAKE_MAKE_PROGRAM="$3" \
  -DCMAKE_CXX_COMPILER="$4" -DBUILD_TESTING=OFF "-DCMAKE_IGNORE_PATH=$ignored" \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "configuring failed"; }
echo "configured in $((SECONDS - start)) s"

start=$SECONDS
PATH=$work/bin cmake --build "$work/build" >"$work/build.log" 2>&1 ||
  { tail -n 50 "$work/build.log"; fail "building failed"; }
echo "built in $((SECONDS - start)) s"

"$(dirname "$0")/install-layout.sh" "$work/build"
