#!/usr/bin/env bash
# Builds and runs every benchmark (matching, listing in the window, start-up)
# and prints one table of figures and ratios. The window benchmarks run on a
# virtual display (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
build=build/default/bench
matching=$(mktemp)
listing=$(mktemp)
startup=$(mktemp)
trap 'rm -f "$matching" "$listing" "$startup"' EXIT

"$build/matching_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$matching" 2>/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$build/listing_bench" >"$listing" 2>/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  python3 bench/startup_bench.py "$build/startup_probe" >"$startup" 2>/dev/null

python3 - "$matching" "$listing" "$startup" <<'PY'
import json, re, sys
rows = []
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
ms = lambda n: runs[n]["real_time"]
for n in (10000, 100000):
    for kind, label in (("BM_MatcherPath", "matcher path"), ("BM_Floor", "floor (PCRE2 JIT)")):
        b = runs[f"{kind}/{n}"]
        rows.append((f"matching {n:,} songs, {label}",
                     f"{b['real_time']:.1f} ms, {b['bytes_per_second'] / 1e6:.0f} MB/s"))
    rows.append((f"matching {n:,} songs, matcher / floor",
                 f"{ms(f'BM_MatcherPath/{n}') / ms(f'BM_Floor/{n}'):.2f}x"))
rows.append(("matching 100,000 / 10,000 songs",
             f"{ms('BM_MatcherPath/100000') / ms('BM_MatcherPath/10000'):.1f}x"))
for line in open(sys.argv[2]):
    m = re.match(r"(\d+) songs, (shown|never shown)\s+(\d+)\s+(\S+)", line)
    if m:
        rows.append((f"listing {int(m[1]):,} songs, window {m[2]}", f"{m[3]} ms"))
        if m[4] != "-":
            rows.append((f"listing {int(m[1]):,} songs, longest UI-thread stretch", f"{m[4]} ms"))
    elif ":" in line:
        label, value = line.rsplit(":", 1)
        rows.append((f"listing, {label.strip()}", value.strip()))
for line in open(sys.argv[3]):
    m = re.match(r"(Lirvane|minimal Qt window)\s+(\d+)", line)
    if m:
        rows.append((f"start-up to first frame, {m[1]}", f"{m[2]} ms"))
    elif line.startswith("Lirvane / minimal"):
        rows.append(("start-up, Lirvane / minimal window", line.split(":")[1].strip()))
width = max(len(r[0]) for r in rows)
print(f"| {'figure':<{width}} | value |")
print(f"|{'-' * (width + 2)}|-------|")
for label, value in rows:
    print(f"| {label:<{width}} | {value} |")
PY
