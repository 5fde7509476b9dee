#!/bin/sh
# `cpack -G DEB` makes a tillora package of the project's version that holds
# the installed files, depends on what the program links (found by
# dpkg-shlibdeps) and on the package holding Qt's xcb platform plugin, and
# passes lintian without an error or a warning (an unstripped program too).
# Usage: check-deb.sh CPACK_COMMAND BUILD_DIR PROJECT_VERSION EXPECTED_FILES
set -eu
. "$(dirname "$0")/common.sh"
need_tool dpkg-deb dpkg
need_tool dpkg-shlibdeps dpkg-dev
need_tool lintian lintian
cpack=$1 build=$2 version=$3 expected=$4

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$scratch/tillora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$scratch"/*.deb 2>/dev/null)"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tillora ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "package version is '$(field Version)'"
for name in Maintainer Section Description Homepage; do
    [ -n "$(field "$name")" ] || fail "the package has no $name"
done

# "pkg (>= v), other" -> one package name a line
names() { echo "$1" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | grep . || true; }
depends=$(names "$(field Depends)")
has() { echo "$1" | grep -qx "$2"; }
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
    has "$depends" "$lib" || fail "Depends lacks $lib, so dpkg-shlibdeps did not run: $(field Depends)"
done
plugin_package=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | cut -d: -f1 | head -n 1)
[ -n "$plugin_package" ] || fail "cannot tell which package holds Qt's xcb plugin"
has "$depends" "$plugin_package" \
    || fail "Depends lacks $plugin_package, which holds Qt's xcb platform plugin: $(field Depends)"
has "$(names "$(field Recommends)")" fonts-liberation || fail "Recommends lacks fonts-liberation"

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort >"$scratch/packaged"
sort "$expected" >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/packaged" >&2 || fail "packaged files differ from $expected"
lintian --fail-on error,warning "$deb" >&2 || fail "lintian finds errors or warnings in the package (above)"
echo "$(basename "$deb"): Depends: $(field Depends); Recommends: $(field Recommends)"
