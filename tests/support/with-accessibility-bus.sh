#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as on a desktop where a screen reader is running: a private X display, a session D-Bus, and the
# accessibility (AT-SPI) bus with its registry. Every process started here is stopped and reaped on the way out.
set -eu
for tool in Xvfb dbus-daemon dbus-send xdotool /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null || { echo "$0: no $tool (Debian: xvfb dbus xdotool at-spi2-core)" >&2; exit 2; }
done
dir=$(mktemp -d "${TMPDIR:-/tmp}/tillora-a11y.XXXXXX")
# shellcheck disable=SC2086 # a process never started is left out
cleanup() {
    set +e # to the end, whatever has already stopped
    # The launcher stops when its bus does, and reaps it; stopped first, it would leave the bus to die unreaped.
    kill ${registry-} ${bus:-${launcher-}} 2>/dev/null
    [ -z "${launcher-}" ] || wait "$launcher"
    kill ${session-} ${xvfb-} 2>/dev/null
    wait
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
fail() { echo "$0: $1 did not start" >&2; tail -n 20 "$dir/log" >&2; exit 2; }
# Waits up to ten seconds for a command to succeed.
await() { for _ in $(seq 100); do "$@" 2>/dev/null && return 0; sleep 0.1; done; "$@"; }

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display" >>"$dir/log" 2>&1 &
xvfb=$!
# A session bus that starts no service on demand: a service started so is no child of this script's, and would
# outlive it. (It says that it cannot raise its file limit, as for an unprivileged user.)
printf '<busconfig><listen>unix:path=%s</listen><policy context="default"><allow send_destination="*"/>%s\n' \
    "$dir/bus" '<allow receive_sender="*"/><allow own="*"/></policy></busconfig>' >"$dir/session.conf"
dbus-daemon --config-file="$dir/session.conf" --nofork --nopidfile >>"$dir/log" 2>&1 &
session=$!
await test -s "$dir/display" || fail Xvfb
await test -S "$dir/bus" || fail "the session bus"
read -r display <"$dir/display"
# With AT_SPI_BUS_ADDRESS empty, Qt and the reader look for the bus as on a desktop, not at this desktop's own.
export DISPLAY=":$display" XDG_RUNTIME_DIR="$dir" DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/bus" AT_SPI_BUS_ADDRESS=

# The launcher starts the accessibility bus, tells programs on the session bus where it is, and says that a screen
# reader is running, so that Qt joins the bus as it would on a desktop.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 --screen-reader=1 >>"$dir/log" 2>&1 &
launcher=$!
launched() { address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress); }
await launched || fail "the accessibility bus"
address=${address##* } # printed after a margin
bus=$(grep -l "^PPid:[[:space:]]*$launcher\$" /proc/[0-9]*/status 2>/dev/null | cut -d/ -f3)
# Started here rather than by the bus on first use, so that it is ours to stop.
/usr/libexec/at-spi2-registryd >>"$dir/log" 2>&1 &
registry=$!
registered() { dbus-send --bus="$address" --print-reply=literal --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry | grep -q true; }
await registered || fail "the accessibility registry"
QT_QPA_PLATFORM=xcb "$@" # the offscreen platform, the other tests' own, has no input
