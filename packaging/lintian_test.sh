#!/usr/bin/env bash
# Runs lintian on the Debian package that package_build.sh left in the folder given: no error and no
# warning may remain (information tags may).
set -euo pipefail
source "$(dirname "$0")/built_package.sh"
built_package "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Exit status 2 is a tag at or above --fail-on; anything else but 0 is lintian's own failure. Its
# remark that it runs as root is no finding.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/tags" 2>"$work/errors" || status=$?
grep -v "running with root privileges is not recommended" "$work/errors" >&2 || true
[ $status -eq 0 ] || fail "lintian exited with $status:
$(grep -E '^[EW]: ' "$work/tags" || cat "$work/tags")"
