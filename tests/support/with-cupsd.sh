#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a cupsd of its own, kept in a temporary folder and
# listening only on a socket there. Its queues, one a paper (tillora-a4 the
# default), write each job as a PDF to $TILLORA_TEST_JOBS/<queue>.
set -eu
PATH="$PATH:/usr/sbin:/sbin"
command -v cupsd >/dev/null || { echo "$0: cupsd is not installed (Debian packages cups, cups-client)" >&2; exit 2; }
dir=$(mktemp -d "${TMPDIR:-/tmp}/tillora-cupsd.XXXXXX")
pid=""
trap '[ -z "$pid" ] || { kill "$pid"; wait "$pid"; } 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 130' INT TERM HUP
chmod 755 "$dir" # the filters run as an unprivileged user
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"
printf '%s\n' "ServerRoot $dir" "RequestRoot $dir/spool" "TempDir $dir/spool/tmp" "CacheDir $dir/cache" "StateDir $dir/state" \
    "ErrorLog $dir/log/error_log" "AccessLog $dir/log/access_log" "PageLog $dir/log/page_log" "Printcap $dir/printcap" \
    "FileDevice Yes" >"$dir/cups-files.conf"
printf '%s\n' "Listen $dir/cups.sock" "Browsing No" "WebInterface No" "DefaultAuthType None" "PreserveJobHistory Yes" \
    "<Location />" "Order allow,deny" "Allow all" "</Location>" >"$dir/cupsd.conf"
cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
pid=$!
export CUPS_SERVER="$dir/cups.sock" TILLORA_TEST_JOBS="$dir/out"
unset PRINTER LPDEST
for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
lpstat -r | grep -q "is running" || { cat "$dir/log/error_log" >&2; exit 2; }
# One queue a paper: a PDF printer's model cut down to that paper alone, its
# size and printable area in points from the bottom left, as a receipt or
# label printer's PPD declares them (lpadmin warns that drivers are deprecated).
while read -r paper size width height area; do
    sed -e '/^\*\(PageSize\|PageRegion\|ImageableArea\|PaperDimension\) /d' \
        -e "s/^\*Default\(PageSize\|PageRegion\): .*/*Default\1: $size\n*\1 $size: \"\"/" \
        -e "s/^\*DefaultImageableArea: .*/*DefaultImageableArea: $size\n*ImageableArea $size: \"$area\"/" \
        -e "s/^\*DefaultPaperDimension: .*/*DefaultPaperDimension: $size\n*PaperDimension $size: \"$width $height\"/" \
        /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd >"$dir/$paper.ppd"
    lpadmin -p "tillora-$paper" -E -v "file://$TILLORA_TEST_JOBS/tillora-$paper" -P "$dir/$paper.ppd" 2>/dev/null
done <<PAPERS
a4 A4 595 842 18 36 577 806
a3 A3 842 1191 18 36 824 1155
letter Letter 612 792 18 36 594 756
a5 A5 420 595 18 36 402 559
roll80 80x297mm 227 842 11 6 216 836
roll58 58x210mm 164 595 14 6 150 589
label 62x29mm 176 82 4 4 172 78
PAPERS
lpadmin -d tillora-a4
"$@" || { status=$?; tail -n 20 "$dir/log/error_log" >&2 2>/dev/null; exit "$status"; }
