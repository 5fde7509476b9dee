#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the program, measured from outside under a virtual
# display by bench/startup_time.cpp: process start to window mapped, and to
# window drawn with the event loop idle. A bare Qt window of the same size
# (bench/bare_window.cpp) is measured in the same series, its runs taking
# turns with the program's, and the program's median is given as a multiple
# of the bare window's.
# Usage: bench/startup-time.sh [runs]
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages xvfb
[ -x build/tillora ] && [ -x build/bench/startup_time ] && [ -x build/bench/bare_window ] || {
    echo "build first: cmake -S . -B build -DTILLORA_BUILD_BENCHMARKS=ON && cmake --build build" >&2
    exit 1
}
xvfb-run -a ./build/bench/startup_time -n "${1:-30}" -b ./build/bench/bare_window ./build/tillora
