# Sourced by the packaging checks.
fail() { echo "FAIL: $*" >&2; exit 1; }

# need_tool program debian-package
need_tool() {
    command -v "$1" >/dev/null || fail "$1 is missing: install the Debian package $2 (./scripts/test does)"
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tillora-packaging.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
