#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a given time.
#   bash fuzz/run.sh SECONDS [TARGET...]    (all four targets when none is named)
# Each target starts from its seeds in fuzz/corpus/ and keeps what it finds
# in build/fuzz/corpus/; a crash leaves its input in build/fuzz/findings/ and
# makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(request_fuzzer cp936_fuzzer regexp_fuzzer matcher_fuzzer)

bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

status=0
for target in "${targets[@]}"; do
  work=build/fuzz/corpus/$target
  findings=build/fuzz/findings/$target
  mkdir -p "$work" "$findings"
  echo "== $target, ${seconds}s"
  if ! ./build/fuzz/fuzz/$target "$work" "fuzz/corpus/$target" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
      2>"build/fuzz/$target.log"; then
    status=1
    tail -n 40 "build/fuzz/$target.log"
  fi
  grep -E '^#[0-9]+.*(DONE|pulse)|stat::number_of_executed_units|stat::average_exec_per_sec|cov:' \
    "build/fuzz/$target.log" | tail -n 3
done
exit $status
