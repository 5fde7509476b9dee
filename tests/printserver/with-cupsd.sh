#!/bin/sh
# Runs a command against a print server of its own: a cupsd with its whole
# configuration, spool and logs in a temporary folder, listening only on a
# Unix socket there, with one queue "tillora-test" that writes each job to a
# file. The queue is the server's default, so the program's default-printer
# lookup finds it. The daemon is stopped by its own process id on the way out.
#
# Usage: with-cupsd.sh command [argument...]
# The command sees:
#   CUPS_SERVER           the socket (every CUPS client, Qt's included, uses it)
#   TILLORA_TEST_QUEUE    the queue's name
#   TILLORA_TEST_JOB_FILE where the queue writes the last job it printed
#   TILLORA_TEST_CUPS_DIR the temporary folder (logs in log/)
set -eu

[ $# -gt 0 ] || { echo "usage: $0 command [argument...]" >&2; exit 2; }
# cupsd, lpadmin and cupsdisable live in sbin, which a user's PATH may lack.
PATH="$PATH:/usr/sbin:/sbin"
export PATH
command -v cupsd >/dev/null 2>&1 || { echo "$0: cupsd is not installed (Debian packages cups, cups-client)" >&2; exit 2; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/tillora-cupsd.XXXXXX")
pid=""
stop() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

# cupsd runs filters as an unprivileged user, which must reach the spool.
chmod 755 "$dir"
mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"
socket="$dir/cups.sock"

cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
FileDevice Yes
CONF

cat >"$dir/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
PreserveJobHistory Yes
PreserveJobFiles No
DefaultPolicy test
<Policy test>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
CONF

cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
pid=$!

export CUPS_SERVER="$socket"
unset PRINTER LPDEST
tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$pid" 2>/dev/null; then
        echo "$0: cupsd did not start; its log:" >&2
        cat "$dir/log/error_log" >&2 2>/dev/null || true
        exit 2
    fi
    sleep 0.1
done

export TILLORA_TEST_QUEUE=tillora-test
export TILLORA_TEST_JOB_FILE="$dir/out/job"
export TILLORA_TEST_CUPS_DIR="$dir"
# A PDF printer's model keeps the job a PDF, for pdftotext and pdfinfo.
# (lpadmin warns that printer models are deprecated; they still work.)
if ! lpadmin -p "$TILLORA_TEST_QUEUE" -E -v "file://$TILLORA_TEST_JOB_FILE" \
        -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>"$dir/log/lpadmin" \
        || ! lpadmin -d "$TILLORA_TEST_QUEUE" 2>>"$dir/log/lpadmin"; then
    echo "$0: could not set up the queue (package cups-filters has its model):" >&2
    cat "$dir/log/lpadmin" >&2
    exit 2
fi

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "$0: the command failed ($status); the end of cupsd's log:" >&2
    tail -n 20 "$dir/log/error_log" >&2 2>/dev/null || true
fi
exit "$status"
