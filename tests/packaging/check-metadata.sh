#!/bin/sh
# The desktop entry and the AppStream metainfo pass their validators and agree
# with each other and with the project's version.
# Usage: check-metadata.sh PACKAGING_DIR PROJECT_VERSION
set -eu
. "$(dirname "$0")/common.sh"
need_tool desktop-file-validate desktop-file-utils
need_tool appstreamcli appstream
dir=$1 version=$2
app_id=org.tillora.Tillora
desktop=$dir/$app_id.desktop
metainfo=$dir/$app_id.metainfo.xml

# desktop-file-validate exits 0 after hints and warnings; any of them fails here.
report=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"

# --strict fails on everything but pedantic notes.
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects $metainfo"

newest=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "newest release in the metainfo is '$newest', the project is $version"

grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $app_id.desktop"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
echo "desktop entry and metainfo are valid and agree (version $version)"
