#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Lirvane and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --preset default
