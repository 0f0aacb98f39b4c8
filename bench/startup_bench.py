#!/usr/bin/env python3
"""Start-up time: from starting the process to the first painted frame of
its window, for Lirvane and for a minimal Qt window of the same size, in the
same run, alternating. Run it on an X display (xvfb-run in bench/run.sh).
    startup_bench.py PROBE [RUNS]"""
import statistics
import subprocess
import sys
import time

probe = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
times = {"lirvane": [], "minimal": []}
for _ in range(runs):
    for kind in times:
        started = time.time()
        out = subprocess.run([probe, kind], capture_output=True, text=True, timeout=60).stdout
        times[kind].append((float(out.strip().splitlines()[-1]) - started) * 1000)
lirvane = statistics.median(times["lirvane"])
minimal = statistics.median(times["minimal"])
print(f"{'start to first frame':<26} {'median ms':>12}")
print(f"{'Lirvane':<26} {lirvane:>12.0f}")
print(f"{'minimal Qt window':<26} {minimal:>12.0f}")
print(f"Lirvane / minimal window: {lirvane / minimal:.2f}x")
