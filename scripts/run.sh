#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Lirvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: Lirvane is a desktop program and needs one." >&2
  echo "Start it from a desktop session, or on a virtual display with:" >&2
  echo "  xvfb-run -a ./build/default/app/lirvane" >&2
  exit 1
fi
exec ./build/default/app/lirvane
