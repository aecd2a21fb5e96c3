#!/usr/bin/env bash
# Builds the Debian package of the build tree given into the folder given, afresh, installing
# nothing on this machine: the package's tests then look at the one package.
set -euo pipefail
source "$(dirname "$0")/built_package.sh"
rm -rf "$2"
mkdir -p "$2"
build_package "$1" "$2"
