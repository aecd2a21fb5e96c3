#!/usr/bin/env bash
# Installs what is missing, builds the tool and the simulator, and starts the simulator in
# workspace/ as the instrument on COM1.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORKAN_TESTS=OFF
cmake --build build -j"$(nproc)"

mkdir -p workspace
echo "The simulated instrument serves workspace/COM1 until you press Ctrl+C."
exec build/sim/zorkan-sim --dir workspace --name COM1
