#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in a mount namespace of its own, with two small file systems
# that nobody outside it sees: an empty 64 KiB one at $TILLORA_TEST_SMALL_DISK,
# for the command to fill as far as it likes, and a read-only one at
# $TILLORA_TEST_READ_ONLY. Both go with the namespace when the command ends.
# Without root it asks for a user namespace, where it is root.
set -eu
if [ "${1:-}" != --inside ]; then
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root="--user --map-root-user"
    # shellcheck disable=SC2086
    exec unshare $as_root --mount --propagation private sh "$0" --inside "$@"
fi
shift
dir=$(mktemp -d "${TMPDIR:-/tmp}/tillora-disks.XXXXXX")
trap 'umount "$dir/small" "$dir/read-only" 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 130' INT TERM HUP
mkdir "$dir/small" "$dir/read-only"
mount -t tmpfs -o size=64k,mode=0755 tillora-small "$dir/small"
mount -t tmpfs -o size=16k,ro tillora-read-only "$dir/read-only"
export TILLORA_TEST_SMALL_DISK="$dir/small" TILLORA_TEST_READ_ONLY="$dir/read-only"
"$@"
