#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a desktop of its own, with what its options ask for:
#   --screen-reader    an X display, a session D-Bus, and the accessibility bus (AT-SPI) with its registry;
#   --wayland          a Wayland compositor (weston, headless) as the display, instead of X;
#   --print-server     a cupsd on a socket of its own, a queue tillora-<paper> for each paper of
#                      tests/data/papers.txt (none the default), each job a PDF in $TILLORA_TEST_JOBS/<queue>;
#   --no-print-server  a print service that does not run: its socket is not there;
#   --silent-print-server  a print server elsewhere that takes the connection and never answers;
#   --small-disks      in a private mount namespace (a user namespace too, without root), an empty 64 KiB
#                      file system at $TILLORA_TEST_SMALL_DISK to fill, a read-only one at $TILLORA_TEST_READ_ONLY.
# Each part answers a request before the command starts; one that does not within ten seconds stops the run
# with status 2, saying which, and its log. Everything lives in a temporary folder, and every process started
# here is stopped and reaped on the way out.
set -eu
PATH="$PATH:/usr/sbin:/sbin"
reader="" wayland="" cups="" disks="" silent="" seen=""
while [ $# -gt 0 ]; do
    case $1 in
    --screen-reader) reader=1 ;;
    --wayland) wayland=1 ;;
    --print-server) cups=1 ;;
    --no-print-server) export TILLORA_TEST_NO_PRINT_SERVICE=1 ;;
    --silent-print-server) silent=1 ;;
    --small-disks)
        disks=1
        as_root=$([ "$(id -u)" -eq 0 ] || echo --user --map-root-user)
        # shellcheck disable=SC2086
        [ -n "${TILLORA_DESKTOP_NAMESPACE:-}" ] || exec env TILLORA_DESKTOP_NAMESPACE=1 unshare $as_root --mount \
            --propagation private sh "$0" $seen "$@"
        ;;
    *) break ;;
    esac
    seen="$seen $1"
    shift
done
unset TILLORA_DESKTOP_NAMESPACE
export TILLORA_TEST_DESKTOP="${seen# }"
[ $# -gt 0 ] || { echo "usage: $0 [option]... command... (the options at the top of $0)" >&2; exit 2; }
launcher=/usr/libexec/at-spi-bus-launcher registryd=/usr/libexec/at-spi2-registryd
for tool in ${reader:+Xvfb xdotool dbus-daemon dbus-send $launcher $registryd} ${wayland:+weston wayland-info} \
    ${cups:+cupsd lpstat lpadmin}; do
    command -v "$tool" >/dev/null || { echo "$0: no $tool (see TEST_PACKAGES in scripts/deps.sh)" >&2; exit 2; }
done
dir=$(mktemp -d "${TMPDIR:-/tmp}/tillora-desktop.XXXXXX")
started="" bus="" spi=""
cleanup() {
    set +e # to the end, whatever has already stopped
    # The accessibility bus's launcher reaps the bus and stops when it does;
    # stopped itself first, it would leave the bus to die unreaped.
    [ -z "$bus" ] || { kill "$bus" && wait "$spi"; } 2>/dev/null
    for pid in $started; do kill "$pid"; wait "$pid"; done 2>/dev/null # the latest first
    [ -z "$disks" ] || umount "$dir/small" "$dir/read-only" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
# Runs a part in the background, its output to its log in the folder.
start() { log=$1; shift; "$@" >"$dir/$log.log" 2>&1 & started="$! $started"; }
# Asks until the probe answers, ten seconds at most; each probe has a timeout of its own.
await() {
    what=$1 log=$2 deadline=$(($(date +%s) + 10)) && shift 2
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -lt "$deadline" ] && sleep 0.1 && continue
        echo "$0: $what did not answer within ten seconds" >&2
        tail -n 20 "$dir/$log"*.log >&2
        exit 2
    done
}

if [ -n "$disks" ]; then
    mkdir "$dir/small" "$dir/read-only"
    mount -t tmpfs -o size=64k,mode=0755 tillora-small "$dir/small"
    mount -t tmpfs -o size=16k,ro tillora-read-only "$dir/read-only"
    export TILLORA_TEST_SMALL_DISK="$dir/small" TILLORA_TEST_READ_ONLY="$dir/read-only"
fi

if [ -n "$reader" ]; then
    start xvfb Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display"
    await "the X server (Xvfb)" xvfb test -s "$dir/display"
    DISPLAY=":$(cat "$dir/display")"
    export DISPLAY XDG_RUNTIME_DIR="$dir"
    await "the X server (Xvfb) on $DISPLAY" xvfb timeout 2 xdotool getdisplaygeometry
    unset AT_SPI_BUS_ADDRESS # which would lead Qt and the reader to the bus of the desktop this runs in

    # A session bus that starts no service on demand: a service started so is
    # no child of this script's, and would outlive it.
    cat >"$dir/session.conf" <<EOF
<busconfig><type>session</type><listen>unix:path=$dir/session-bus</listen><auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy>
</busconfig>
EOF
    start session-bus dbus-daemon --config-file="$dir/session.conf" --nofork --nopidfile
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/session-bus"
    # Asks the bus, $1, a question of its own.
    ask() { on=$1 && shift && timeout 2 dbus-send "$on" --print-reply=literal --dest=org.freedesktop.DBus / "$@"; }
    await "the session bus" session-bus ask --session org.freedesktop.DBus.GetId

    # The launcher starts the accessibility bus, tells programs on the session
    # bus where it is, and says that a screen reader is running, so that Qt
    # joins the bus as it would on a desktop.
    start launcher "$launcher" --launch-immediately --a11y=1 --screen-reader=1
    spi=${started%% *}
    launched() {
        bus=$(grep -l "^PPid:[[:space:]]*$spi\$" /proc/[0-9]*/status 2>/dev/null | cut -d/ -f3)
        a11y=$(timeout 2 dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress | tr -d '[:space:]')
        [ -n "$bus" ] && [ -n "$a11y" ] && ask --bus="$a11y" org.freedesktop.DBus.GetId
    }
    await "the accessibility bus" launcher launched
    # Started here rather than by the bus on first use, so that it is ours to stop.
    start registry "$registryd"
    registered() { ask --bus="$a11y" org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry | grep -q true; }
    await "the accessibility registry" registry registered
    export QT_QPA_PLATFORM=xcb # the offscreen platform, the other tests' own, has no input
fi

if [ -n "$wayland" ]; then
    mkdir -m 700 "$dir/wayland" # a runtime folder of its own, for the compositor's socket
    export XDG_RUNTIME_DIR="$dir/wayland" WAYLAND_DISPLAY=tillora QT_QPA_PLATFORM=wayland
    unset DISPLAY # so that nothing reaches an X server instead
    start weston weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 \
        --idle-time=0 --no-config
    await "the Wayland compositor (weston)" weston timeout 2 wayland-info
    # The headless compositor has no seat, so no keyboard, and Qt 6.4's
    # Wayland text input then crashes on the first key, asking the missing
    # seat; Qt's own compose input is what it uses without an input method.
    export QT_IM_MODULE=compose
fi

[ -z "${TILLORA_TEST_NO_PRINT_SERVICE:-}" ] || export CUPS_SERVER="$dir/no-print-service.sock"
if [ -n "$cups" ]; then
    chmod 755 "$dir" # the filters run as an unprivileged user
    mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/out"
    # Its administrators are the caller's group, so that a user without root may add the queues.
    printf '%s\n' "ServerRoot $dir" "RequestRoot $dir/spool" "TempDir $dir/spool/tmp" "CacheDir $dir/cache" \
        "StateDir $dir/state" "ErrorLog $dir/cupsd-errors.log" "AccessLog $dir/access.log" "PageLog $dir/page.log" \
        "Printcap $dir/printcap" "FileDevice Yes" "SystemGroup $(id -gn)" >"$dir/cups-files.conf"
    printf '%s\n' "Listen $dir/cups.sock" "Browsing No" "WebInterface No" "DefaultAuthType None" \
        "PreserveJobHistory Yes" "<Location />" "Order allow,deny" "Allow all" "</Location>" >"$dir/cupsd.conf"
    start cupsd cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf"
    export CUPS_SERVER="$dir/cups.sock" TILLORA_TEST_JOBS="$dir/out"
    unset PRINTER LPDEST
    running() { timeout 2 lpstat -r | grep -q "is running"; }
    await "the print server (cupsd)" cupsd running
    # One queue a paper: a PDF printer's model cut down to that paper alone
    # (lpadmin warns that drivers are deprecated).
    while read -r paper size width height area; do
        case $paper in '#'* | '') continue ;; esac
        sed -e '/^\*\(PageSize\|PageRegion\|ImageableArea\|PaperDimension\) /d' \
            -e "s/^\*Default\(PageSize\|PageRegion\): .*/*Default\1: $size\n*\1 $size: \"\"/" \
            -e "s/^\*DefaultImageableArea: .*/*DefaultImageableArea: $size\n*ImageableArea $size: \"$area\"/" \
            -e "s/^\*DefaultPaperDimension: .*/*DefaultPaperDimension: $size\n*PaperDimension $size: \"$width $height\"/" \
            /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd >"$dir/$paper.ppd"
        lpadmin -p "tillora-$paper" -E -v "file://$TILLORA_TEST_JOBS/tillora-$paper" -P "$dir/$paper.ppd" 2>/dev/null
    done <"$(dirname "$0")/../data/papers.txt"
fi

# The silent server's socket listens, so the kernel takes connections to it; the command holds it and never reads.
[ -z "$silent" ] || set -- python3 -c 'import os, socket, sys; s = socket.create_server(("127.0.0.1", 0))
s.set_inheritable(True); os.environ["CUPS_SERVER"] = "127.0.0.1:%d" % s.getsockname()[1]
os.execvp(sys.argv[1], sys.argv[1:])' "$@"
"$@" || { status=$?; [ -z "$cups" ] || tail -n 20 "$dir"/cupsd*.log >&2 2>/dev/null; exit "$status"; }
