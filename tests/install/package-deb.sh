#!/usr/bin/env bash
# Builds the Debian package from a build folder with `cpack -G DEB` into <build>/package and
# checks its control fields and its files. The package is left there; it is not installed.
# Usage: package-deb.sh <build folder>
set -euo pipefail

build=$1
out=$build/package
fail() { echo "FAIL: $*"; exit 1; }

rm -f "$out"/*.deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 ||
  { cat "$out.log"; fail "cpack failed"; }
debs=("$out"/quintara_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one quintara_*.deb in $out"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quintara ] || fail "Package: $(field Package)"
[ "$(field Version)" = 2.0 ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
# dpkg-shlibdeps found the Qt libraries the program and its sound plugin are linked with; the
# French translation of Qt's texts is added. The window cannot open without Qt's X11 platform
# plugin: the package that holds it on this machine must be a dependency too.
depends=$(field Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
plugin=$(qtpaths6 --query QT_INSTALL_PLUGINS)
xcb_package=$(dpkg-query -S "$plugin/platforms/libqxcb.so" | cut -d: -f1)
for package in libqt6widgets6 libqt6multimedia6 libc6 qt6-translations-l10n "$xcb_package"; do
  grep -qx -- "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
done

contents=$(dpkg-deb -c "$deb")
for file in ./usr/libexec/quintara/quintara ./usr/libexec/quintara/Chimes.wav \
  ./usr/libexec/quintara/libquintara_chime.so \
  "./usr/bin/quintara -> ../libexec/quintara/quintara" \
  ./usr/share/applications/org.quintara.Quintara.desktop \
  ./usr/share/icons/hicolor/scalable/apps/org.quintara.Quintara.svg \
  ./usr/share/metainfo/org.quintara.Quintara.metainfo.xml; do
  grep -qF -- "$file" <<<"$contents" || fail "the package lacks $file"
done
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, Installed-Size $(field Installed-Size) KiB"
