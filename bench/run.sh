#!/usr/bin/env bash
# Builds and runs the benchmarks, then prints one table of figures and ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
out=$(mktemp)
trap 'rm -f "$out"' EXIT
./build/default/bench/matching_bench --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$out"
python3 - "$out" <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
def ms(name): return runs[name]["real_time"]
def mbs(name): return runs[name]["bytes_per_second"] / 1e6
print(f"{'matching':<28}{'ms':>10}{'MB/s':>10}")
for n in (10000, 100000):
    for kind in ("BM_MatcherPath", "BM_Floor"):
        name = f"{kind}/{n}"
        print(f"{name:<28}{ms(name):>10.1f}{mbs(name):>10.0f}")
for n in (10000, 100000):
    print(f"matcher / floor, {n} songs: {ms(f'BM_MatcherPath/{n}') / ms(f'BM_Floor/{n}'):.2f}x")
for kind in ("BM_MatcherPath", "BM_Floor"):
    print(f"{kind} 100000 / 10000 songs: {ms(f'{kind}/100000') / ms(f'{kind}/10000'):.1f}x")
PY
echo
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  ./build/default/bench/listing_bench 2>/dev/null
