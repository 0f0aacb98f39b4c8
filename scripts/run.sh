#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Lirvane and starts it.
# Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
exec ./build/default/app/lirvane "$@"
