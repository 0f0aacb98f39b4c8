#!/usr/bin/env bash
# Closes the window at random moments of a fetch of 20,000 songs from the
# sample service (downloading, matching, listing), many times over, and
# checks that each run exits with 0 within a second of the close and without
# a sanitizer report.
#   bash app/tests/stress/close_while_fetching.sh [RUNS] [BUILD_DIR]
# BUILD_DIR defaults to build/asan (run `cmake --build --preset asan` first).
set -uo pipefail
cd "$(dirname "$0")/../../.."
runs=${1:-50}
build=${2:-build/asan}
probe=$build/app/tests/lirvane_run_probe
service_log=$(mktemp)
"$build/tools/lirvane-sample-service" --port 0 >"$service_log" &
service=$!
trap 'kill $service 2>/dev/null; rm -f "$service_log"' EXIT
for _ in $(seq 50); do [ -s "$service_log" ] && break; sleep 0.1; done
export http_proxy=$(head -n 1 "$service_log") QT_QPA_PLATFORM=offscreen
unset no_proxy NO_PROXY

failures=0
delays=()
for run in $(seq "$runs"); do
  delay=$((RANDOM % 3000))
  out=$(mktemp)
  err=$(mktemp)
  "$probe" fetch-close 20000 "$delay" >"$out" 2>"$err"
  code=$?
  ended=$(date +%s.%N)
  closed=$(sed -n 's/^closed at //p' "$out")
  took=$(python3 -c "print(f'{$ended - ${closed:-$ended}:.3f}')")
  reports=$(grep -cE 'AddressSanitizer|LeakSanitizer|ThreadSanitizer|runtime error' "$err")
  slow=$(python3 -c "print(int($took >= 1.0))")
  if [ "$code" -ne 0 ] || [ -z "$closed" ] || [ "$reports" -ne 0 ] || [ "$slow" -ne 0 ]; then
    failures=$((failures + 1))
    echo "run $run: close after ${delay} ms, exit $code, ${took}s to exit, $reports reports"
    tail -n 20 "$err"
  fi
  delays+=("$took")
  rm -f "$out" "$err"
done
python3 - "${delays[@]}" <<'PY'
import statistics, sys
t = sorted(float(x) for x in sys.argv[1:])
print(f"close to exit over {len(t)} runs: median {statistics.median(t)*1000:.0f} ms, "
      f"max {t[-1]*1000:.0f} ms")
PY
echo "$failures of $runs runs failed"
[ "$failures" -eq 0 ]
