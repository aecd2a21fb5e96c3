#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it in workspace/, where it keeps dev.dat and
# its profiles. The instrument is the simulator on workspace/COM1, stopped when the window closes;
# with --device PATH it is a real instrument on that serial device instead.
set -euo pipefail
cd "$(dirname "$0")"

device=""
case "${1:-}" in
  "") ;;
  --device) device=${2:?"--device needs the serial device, e.g. --device /dev/ttyUSB0"} ;;
  *) echo "usage: ./run.sh [--device /dev/ttyUSB0]" >&2; exit 64 ;;
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: zorkan-config is a desktop program; start ./run.sh in a graphical session." >&2
  exit 1
fi

source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
cmake --preset run
cmake --build --preset run -j"$(nproc)"

mkdir -p workspace
if [ -n "$device" ]; then
  ln -sfn "$(realpath -m "$device")" workspace/COM1
  cd workspace
  exec ../build/app/zorkan-config
fi

[ -L workspace/COM1 ] && rm workspace/COM1
build/sim/zorkan-sim --dir workspace --name COM1 &
simulator=$!
trap 'kill "$simulator" 2>/dev/null; wait "$simulator" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  [ -e workspace/COM1 ] && break
  sleep 0.1
done
cd workspace
../build/app/zorkan-config
