#!/usr/bin/env python3
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
"""Start-up benchmark: time from exec to the first mapped, painted window, and
peak memory, of tavilo and of a bare Qt dialog with the same 29 controls,
interleaved in one run on the same display.

Usage: bench/startup.py BUILD_DIR [runs]   (run under a real X server, e.g.
       xvfb-run -a bench/startup.py build/release 30)
"""
import os
import statistics
import subprocess
import sys
import time


def measure(program):
    start = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    line = child.stdout.readline()
    elapsed = time.perf_counter() - start
    _, status, usage = os.wait4(child.pid, 0)
    if line.strip() != b"painted" or status != 0:
        sys.exit(f"{program} did not report a painted window (status {status})")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0  # ms, MiB


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    programs = {
        "tavilo": os.path.join(build, "bench", "startup_tavilo"),
        "bare Qt dialog": os.path.join(build, "bench", "startup_bare_dialog"),
    }
    for program in programs.values():  # warm the page cache and font caches
        measure(program)
    results = {name: [] for name in programs}
    for _ in range(runs):
        for name, program in programs.items():
            results[name].append(measure(program))
    medians = {}
    for name, samples in results.items():
        times = [t for t, _ in samples]
        peaks = [m for _, m in samples]
        medians[name] = (statistics.median(times), statistics.median(peaks))
        print(f"{name:>15}: start to painted window median {medians[name][0]:7.1f} ms "
              f"(min {min(times):.1f}, max {max(times):.1f}), peak RSS median "
              f"{medians[name][1]:6.1f} MiB over {runs} runs")
    t_ratio = medians["tavilo"][0] / medians["bare Qt dialog"][0]
    m_ratio = medians["tavilo"][1] / medians["bare Qt dialog"][1]
    print(f"ratio tavilo / bare: time {t_ratio:.3f} (target <= 1.15), "
          f"peak memory {m_ratio:.3f} (target <= 1.10)")


if __name__ == "__main__":
    main()
