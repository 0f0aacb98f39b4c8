#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Lirvane and runs
# every test: the whole suite, the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and each fuzzer briefly from its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --preset default

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

bash fuzz/run.sh "${LIRVANE_FUZZ_SECONDS:-15}"
