#!/usr/bin/env bash
# Installs what is missing, checks that includes point down the layers, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test, then builds the programs
# once more as a user would for use (Release). Warnings are errors in both builds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_locale ru_RU.UTF-8

scripts/check_layers.sh

jobs=$(nproc)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DZORKAN_SANITIZE=ON -DZORKAN_BENCH=OFF \
  -DZORKAN_WARNINGS_AS_ERRORS=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DZORKAN_TESTS=OFF \
  -DZORKAN_WARNINGS_AS_ERRORS=ON
cmake --build build-release -j"$jobs"
