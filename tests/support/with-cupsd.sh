#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a cupsd of its own, kept in a temporary folder and
# listening only on a socket there. Its one queue, the default, writes each
# job as a PDF to $TILLORA_TEST_JOB_FILE.
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
export CUPS_SERVER="$dir/cups.sock" TILLORA_TEST_QUEUE=tillora-test TILLORA_TEST_JOB_FILE="$dir/out/job"
unset PRINTER LPDEST
for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
lpstat -r | grep -q "is running" || { cat "$dir/log/error_log" >&2; exit 2; }
# A PDF printer's model keeps each job a PDF (lpadmin warns that models are deprecated).
lpadmin -p "$TILLORA_TEST_QUEUE" -E -v "file://$TILLORA_TEST_JOB_FILE" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
lpadmin -d "$TILLORA_TEST_QUEUE"
"$@" || { status=$?; tail -n 20 "$dir/log/error_log" >&2 2>/dev/null; exit "$status"; }
