#!/bin/sh
# Peak memory of the started program: runs ./build/tillora under a virtual
# display for a few seconds and prints GNU time's maximum resident set size.
# Usage: bench/peak-memory.sh [seconds] [runs]
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages time xvfb
seconds=${1:-4}
runs=${2:-5}
[ -x build/tillora ] || { echo "build first: cmake --build build --target tillora" >&2; exit 1; }
i=0
while [ "$i" -lt "$runs" ]; do
    # timeout waits for the program, so its peak counts among GNU time's children.
    xvfb-run -a /usr/bin/time -v timeout -s TERM "$seconds" ./build/tillora 2>&1 >/dev/null \
        | sed -n 's/.*Maximum resident set size (kbytes): //p'
    i=$((i + 1))
done
