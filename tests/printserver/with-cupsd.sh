#!/bin/sh
# Runs a command against a print server of its own: a cupsd whose
# configuration, spool and logs live in a temporary folder, listening only
# on a socket there, stopped by its process id on the way out. Its one queue
# is the default and writes each job it prints, as a PDF, to a file.
# The command sees CUPS_SERVER, TILLORA_TEST_QUEUE and TILLORA_TEST_JOB_FILE.
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
tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] && kill -0 "$pid" 2>/dev/null || { cat "$dir/log/error_log" >&2; exit 2; }
    sleep 0.1
done
# A PDF printer's model keeps each job a PDF (lpadmin warns that models are deprecated).
lpadmin -p "$TILLORA_TEST_QUEUE" -E -v "file://$TILLORA_TEST_JOB_FILE" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
lpadmin -d "$TILLORA_TEST_QUEUE"
"$@" || { status=$?; tail -n 20 "$dir/log/error_log" >&2; exit "$status"; }
