#!/usr/bin/env bash
# Installs what is missing, checks that includes point down the layers, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test, runs the publisher's tests
# once more under ThreadSanitizer, then builds the programs and the benchmarks once more for use
# (Release) and checks the Debian package made of them. Warnings are errors in every build;
# CMakePresets.json holds what each one is.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_locale ru_RU.UTF-8

scripts/check_layers.sh

jobs=$(nproc)
cmake --preset test
cmake --build --preset test -j"$jobs"
# Many tests wait on a pseudo-terminal, a broker or a reply time-out; twice the cores keeps them busy.
ctest --preset test -j"$((jobs * 2))"

# The publisher runs a network thread per connection; ThreadSanitizer watches them.
cmake --preset tsan
cmake --build --preset tsan -j"$jobs"
ctest --preset tsan -j"$jobs"

cmake --preset release
cmake --build --preset release -j"$jobs"
# The package as it ships: built from the Release build, what it holds, and lintian on it.
ctest --preset package -j"$jobs"
