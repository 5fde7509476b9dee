#!/bin/sh
# `cmake --install` puts exactly the expected files under the prefix: the
# program, its menu entry and metainfo (valid, agreeing with each other and
# with the project's version), its icons at their true sizes, and no tests
# or benchmarks.
# Usage: check-install.sh CMAKE_COMMAND BUILD_DIR EXPECTED_FILES PROJECT_VERSION
set -eu
. "$(dirname "$0")/common.sh"
need_tool file file
need_tool appstreamcli appstream
need_tool desktop-file-validate desktop-file-utils
cmake=$1 build=$2 expected=$3 version=$4
app_id=org.tillora.Tillora
root=$scratch/root
prefix=$root/usr

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" \
    || { cat "$scratch/install.log"; fail "cmake --install failed"; }

(cd "$prefix" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$scratch/installed"
sort "$expected" >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/installed" >&2 \
    || fail "installed files differ from $expected (- missing, + unexpected)"
[ -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files installed outside the prefix"
file -b "$prefix/bin/tillora" | grep -q '^ELF .* executable' || fail "bin/tillora is not an executable"
[ -x "$prefix/bin/tillora" ] || fail "bin/tillora is not executable"

# A desktop shows whichever size it asks for, so each must really be that size.
for png in "$prefix"/share/icons/hicolor/*x*/apps/$app_id.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    actual=$(file -b "$png" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
    [ "$actual" = "$size" ] || fail "$png is ${actual:-not a PNG}, not $size"
done
file -b "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q SVG \
    || fail "the scalable icon is not an SVG"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
# desktop-file-validate exits 0 after hints and warnings; any of them fails here.
report=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$command" ] || fail "the menu entry runs '$command', which is not installed in bin"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $app_id.desktop"
newest=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "newest release in the metainfo is '$newest', the project is $version"
# --strict fails on everything but pedantic notes.
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli rejects the installed tree"
echo "installed $(wc -l <"$scratch/installed") files as expected; menu entry and metainfo valid (version $version)"
