#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as on a desktop where a screen reader is running: a private
# X display, a session D-Bus, and the accessibility (AT-SPI) bus with its
# registry. Everything lives in a temporary folder, and every process
# started here is stopped and reaped on the way out.
set -eu
launcher=/usr/libexec/at-spi-bus-launcher
registryd=/usr/libexec/at-spi2-registryd
for tool in Xvfb dbus-daemon dbus-send "$launcher" "$registryd"; do
    command -v "$tool" >/dev/null || { echo "$0: no $tool (Debian packages xvfb dbus at-spi2-core)" >&2; exit 2; }
done
dir=$(mktemp -d "${TMPDIR:-/tmp}/tillora-a11y.XXXXXX")
xvfb="" session="" spi="" bus="" registry=""
stop() { [ -z "$1" ] || { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null || :; }; }
cleanup() {
    set +e # to the end, whatever has already stopped
    stop "$registry"
    # The launcher reaps its bus and stops when the bus does; stopped
    # itself first, it would leave the bus to die unreaped.
    if [ -n "$bus" ]; then
        kill "$bus" 2>/dev/null || :
        wait "$spi" 2>/dev/null || :
    else
        stop "$spi"
    fi
    stop "$session"
    stop "$xvfb"
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
fail() { echo "$0: $1" >&2; tail -n 20 "$dir"/*.log >&2 2>/dev/null; exit 2; }
# Waits up to ten seconds for a command to succeed.
await() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; "$@"; }

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
await test -s "$dir/display" || fail "Xvfb did not start"
DISPLAY=":$(cat "$dir/display")"
export DISPLAY XDG_RUNTIME_DIR="$dir"
unset AT_SPI_BUS_ADDRESS # which would lead Qt and the reader to the bus of the desktop this runs in

# A session bus that starts no service on demand: a service started so is
# no child of this script's, and would outlive it. (dbus-daemon says on
# stderr that it cannot raise its file limit, as for an unprivileged user.)
cat >"$dir/session.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:path=$dir/session-bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy>
</busconfig>
EOF
dbus-daemon --config-file="$dir/session.conf" --nofork --nopidfile >"$dir/session-bus.log" 2>&1 &
session=$!
export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/session-bus"
await test -S "$dir/session-bus" || fail "the session bus did not start"

# The launcher starts the accessibility bus, tells programs on the session
# bus where it is, and says that a screen reader is running, so that Qt
# joins the bus as it would on a desktop.
"$launcher" --launch-immediately --a11y=1 --screen-reader=1 >"$dir/launcher.log" 2>&1 &
spi=$!
launched() {
    bus=$(grep -l "^PPid:[[:space:]]*$spi\$" /proc/[0-9]*/status 2>/dev/null | cut -d/ -f3)
    address=$(dbus-send --session --reply-timeout=1000 --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | tr -d '[:space:]')
    [ -n "$bus" ] && [ -n "$address" ]
}
await launched || fail "the accessibility bus did not start"

# Started here rather than by the bus on first use, so that it is ours to stop.
"$registryd" >"$dir/registry.log" 2>&1 &
registry=$!
registered() {
    dbus-send --bus="$address" --reply-timeout=1000 --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry 2>/dev/null | grep -q true
}
await registered || fail "the accessibility registry did not start"

export QT_QPA_PLATFORM=xcb # the offscreen platform, the other tests' own, has no input
"$@"
