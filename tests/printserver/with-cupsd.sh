#!/bin/sh
# Runs a command against a print server of its own: a cupsd with its whole
# configuration, spool and logs in a temporary folder, listening only on a
# Unix socket there, stopped by its own process id on the way out. Its one
# queue is the default and writes each job it prints, as a PDF, to a file.
# Usage: with-cupsd.sh command [argument...]
# The command sees CUPS_SERVER (the socket), TILLORA_TEST_QUEUE (the queue)
# and TILLORA_TEST_JOB_FILE (the last printed job).
set -eu
[ $# -gt 0 ] || { echo "usage: $0 command [argument...]" >&2; exit 2; }
PATH="$PATH:/usr/sbin:/sbin" # cupsd and lpadmin live in sbin
command -v cupsd >/dev/null 2>&1 || { echo "$0: cupsd is not installed (Debian packages cups, cups-client)" >&2; exit 2; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/tillora-cupsd.XXXXXX")
pid=""
stop() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

chmod 755 "$dir" # cupsd's filters run as an unprivileged user
mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"
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
Listen $dir/cups.sock
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
export CUPS_SERVER="$dir/cups.sock" TILLORA_TEST_QUEUE=tillora-test TILLORA_TEST_JOB_FILE="$dir/out/job"
unset PRINTER LPDEST
tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$pid" 2>/dev/null; then
        echo "$0: cupsd did not start:" >&2
        cat "$dir/log/error_log" >&2 2>/dev/null || true
        exit 2
    fi
    sleep 0.1
done

# A PDF printer's model keeps each job a PDF (lpadmin warns that models are
# deprecated; they still work).
if ! lpadmin -p "$TILLORA_TEST_QUEUE" -E -v "file://$TILLORA_TEST_JOB_FILE" \
        -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>"$dir/log/lpadmin" \
        || ! lpadmin -d "$TILLORA_TEST_QUEUE" 2>>"$dir/log/lpadmin"; then
    echo "$0: could not set up the queue (package cups-filters has its model):" >&2
    cat "$dir/log/lpadmin" >&2
    exit 2
fi

status=0
"$@" || status=$?
[ "$status" -eq 0 ] || { echo "$0: the command failed ($status); cupsd's log ends:" >&2; tail -n 20 "$dir/log/error_log" >&2 || true; }
exit "$status"
