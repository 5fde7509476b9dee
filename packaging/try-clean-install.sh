#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built Tillora .deb into a fresh, minimal Debian 12 (made with
# debootstrap in a scratch folder), then starts the installed program there:
# once headless, and once under Xvfb by its menu entry's command, waiting for
# its window. Needs root, debootstrap and a reachable Debian mirror.
#
# Usage: packaging/try-clean-install.sh build-release/tillora_*.deb [apt-get options]
#   e.g. --no-install-recommends, to check that Depends alone is enough.
# MIRROR overrides the Debian mirror (default http://deb.debian.org/debian).
set -eu
[ $# -ge 1 ] && [ -f "$1" ] || { echo "usage: $0 PACKAGE.deb [apt-get options]" >&2; exit 2; }
deb=$(realpath "$1"); shift
apt_options="$*"
mirror=${MIRROR:-http://deb.debian.org/debian}

work=$(mktemp -d /var/tmp/tillora-clean.XXXXXX)
root=$work/root
cleanup() {
    umount "$root/dev/pts" "$root/proc" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

echo "== debootstrap bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 \
    || { tail -20 "$work/debootstrap.log"; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts" 2>/dev/null || true  # only quietens apt
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

echo "== apt-get install $apt_options ./$(basename "$deb")"
in_root apt-get update -qq
# shellcheck disable=SC2086
(cd "$root/tmp" && in_root sh -c "cd /tmp && apt-get install -y $apt_options ./$(basename "$deb")")
in_root dpkg-query -W -f='installed: ${Package} ${Version} ${Status}\n' tillora

echo "== headless start (QT_QPA_PLATFORM=offscreen), stopped after 5 s"
status=0
in_root timeout 5 env QT_QPA_PLATFORM=offscreen tillora || status=$?
# 124: timeout had to stop it, so it was still running in its event loop.
[ "$status" -eq 124 ] || { echo "FAIL: tillora ended by itself with status $status" >&2; exit 1; }
echo "still running after 5 s: started"

echo "== start by the menu entry's command under Xvfb"
# shellcheck disable=SC2086
in_root apt-get install -y -qq $apt_options xvfb xauth x11-utils >/dev/null
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.tillora.Tillora.desktop")
echo "Exec=$command"
in_root xvfb-run -a sh -c "
    $command &
    app=\$!
    for i in \$(seq 100); do
        if xwininfo -root -tree | grep -q '\"Tillora\")'; then
            xwininfo -root -tree | grep '\"Tillora\")'
            kill \$app
            exit 0
        fi
        sleep 0.1
    done
    kill \$app 2>/dev/null
    echo 'FAIL: no Tillora window within 10 s' >&2
    exit 1
"
echo "PASS: installed and started in a clean Debian 12"
