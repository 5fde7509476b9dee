# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the set-up scripts: installs the Debian packages that are missing,
# through sudo when not run as root.
# Usage: need_packages pkg...
need_packages() {
    missing=""
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing="$missing $pkg"
    done
    [ -z "$missing" ] && return 0
    # Only installing takes root: a user asks sudo for it, and builds as themself.
    as_root=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Missing:$missing. Installing them takes root: run this once as root, or install sudo." >&2
            exit 1
        }
        as_root="sudo"
    fi
    echo "Installing:$missing"
    $as_root apt-get update -qq
    # sudo leaves the caller's environment behind, so the setting goes through env.
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
}

# What building and running the program needs, with Qt's own translations for
# its standard buttons and file dialog, and its Wayland platform.
RUN_PACKAGES="cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-qpa-plugins qt6-wayland libgl-dev
  fonts-liberation libcups2-dev qt6-translations-l10n"

# What the tests need besides: the formatter, Qt's own translations, PDF tools, Google Benchmark and Xlib for the
# benchmarks, clang with libFuzzer and the sanitizer runtimes, a print server
# of their own, the packaging checks' validators and .deb tools, a desktop
# of their own for the screen reader's test: an X server, D-Bus, the
# accessibility bus, a client of it and X input; and a Wayland compositor
# with a client that asks it whether it runs.
TEST_PACKAGES="clang-format qt6-translations-l10n poppler-utils libbenchmark-dev libx11-dev clang-14 libclang-rt-14-dev cups cups-client
  desktop-file-utils appstream dpkg-dev file lintian xvfb dbus at-spi2-core python3-pyatspi xdotool
  weston wayland-utils"
