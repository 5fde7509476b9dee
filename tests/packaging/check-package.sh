#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What a distribution checks before it ships the program: the installed files,
# their validators, and a Debian package of them that lintian passes.
# Usage: check-package.sh BUILD_DIR EXPECTED_FILES PROJECT_VERSION
set -eu
build=$1 expected=$2 version=$3 id=org.tillora.Tillora
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tillora-packaging.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root prefix=$scratch/root/usr

DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/log" || { cat "$scratch/log"; fail "cmake --install failed"; }
(cd "$root" && find . ! -type d | sed 's|^\./usr/||' | sort) >"$scratch/installed"
sort "$expected" | diff -u - "$scratch/installed" >&2 || fail "installed files differ from $expected (- missing, + unexpected)"
for png in "$prefix"/share/icons/hicolor/*x*/apps/$id.png; do # a desktop takes the size it asks for
    size=$(basename "$(dirname "$(dirname "$png")")")
    file -b "$png" | grep -q "PNG image data, ${size%x*} x ${size#*x}," || fail "$png is not $size"
done
report=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx "Exec=tillora" "$prefix/share/applications/$id.desktop" && [ -x "$prefix/bin/tillora" ] || fail "the menu entry runs no installed program"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo's release is not $version"
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli rejects the installed tree"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/log" 2>&1 || { cat "$scratch/log"; fail "cpack failed"; }
deb=$scratch/tillora_${version}_$(dpkg --print-architecture).deb
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' | sort | diff -u "$scratch/installed" - >&2 || fail "the package holds other files"
lintian --fail-on error,warning "$deb" >&2 || fail "lintian finds errors or warnings in the package (above)"
plugin=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | cut -d: -f1 | head -n 1)
dpkg-deb -f "$deb" Depends | grep -q "\b$plugin\b" || fail "Depends lacks $plugin, which holds Qt's xcb platform plugin"
dpkg-deb -f "$deb" Recommends | grep -q fonts-liberation || fail "Recommends lacks fonts-liberation"
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || fail "Recommends lacks qt6-wayland, Qt's Wayland platform"
echo "$(basename "$deb"): $(wc -l <"$scratch/installed") files; Depends: $(dpkg-deb -f "$deb" Depends)"
