#!/usr/bin/env bash
# Builds the Debian package from a build folder with `cpack -G DEB` into <build>/package (left
# there, not installed) and checks its dependencies and its files.
# Usage: package-deb.sh <build folder>
set -euo pipefail

out=$1/package
fail() { echo "FAIL: $*"; exit 1; }
rm -f "$out"/*.deb
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 ||
  { cat "$out.log"; fail "cpack failed"; }
deb=$(echo "$out"/quintara_2.0_*.deb)

# dpkg-shlibdeps found the libraries of the program and of its sound plugin; Qt's French texts
# are added, and the window needs the package of Qt's X11 platform plugin on this machine.
depends=$(dpkg-deb -f "$deb" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
xcb=$(dpkg-query -S "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqxcb.so" | cut -d: -f1)
for package in libqt6widgets6 libqt6multimedia6 libc6 qt6-translations-l10n "$xcb"; do
  grep -qx -- "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done

contents=$(dpkg-deb -c "$deb")
id=org.quintara.Quintara
for file in ./usr/libexec/quintara/{quintara,libquintara_chime.so,Chimes.wav} \
  "./usr/bin/quintara -> ../libexec/quintara/quintara" ./usr/share/applications/$id.desktop \
  ./usr/share/{icons/hicolor/scalable/apps/$id.svg,metainfo/$id.metainfo.xml}; do
  grep -qF -- "$file" <<<"$contents" || fail "the package lacks $file"
done
