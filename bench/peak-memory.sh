#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Peak memory of the started program: runs ./build/tillora under a virtual
# display for a few seconds and prints GNU time's maximum resident set size
# in kilobytes, one line per run. With -t the VAT calculator, the markup
# calculator and the About window are opened too, by clicking their buttons.
# Usage: bench/peak-memory.sh [-t] [seconds] [runs]
set -eu
cd "$(dirname "$0")/.."
tools=0
[ "${1:-}" = "-t" ] && { tools=1; shift; }
seconds=${1:-4}
runs=${2:-5}

# Inside one virtual display: the program under GNU time, and the clicks
# (with no window manager the window stands at the display's corner).
if [ -n "${PEAK_MEMORY_RUN:-}" ]; then
    # timeout waits for the program, so its peak counts among GNU time's children.
    /usr/bin/time -v timeout -s TERM "$seconds" ./build/tillora 2>"$PEAK_MEMORY_RUN" >/dev/null &
    if [ "$tools" = 1 ]; then
        window=$(xdotool search --sync --name '^Tillora$' | head -n 1)
        # Start VAT Calculator, Start Markup Program, About
        for button in "672 220" "672 252" "676 436"; do
            # shellcheck disable=SC2086
            xdotool mousemove --window "$window" $button click 1
            sleep 0.3
        done
        if [ -n "${PEAK_MEMORY_SCREENSHOT:-}" ]; then import -window root "$PEAK_MEMORY_SCREENSHOT"; fi
    fi
    wait
    exit 0
fi

. scripts/deps.sh
need_packages time xvfb xdotool imagemagick
[ -x build/tillora ] || { echo "build first: cmake --build build --target tillora" >&2; exit 1; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
flag=""
[ "$tools" = 1 ] && flag="-t"
i=0
while [ "$i" -lt "$runs" ]; do
    # shellcheck disable=SC2086
    PEAK_MEMORY_RUN="$log" xvfb-run -a "$0" $flag "$seconds"
    sed -n 's/.*Maximum resident set size (kbytes): //p' "$log"
    i=$((i + 1))
done
