#!/usr/bin/env python3
"""Start-up time and memory of Rechnado beside a bare Qt Widgets window with the same widgets.

On a fresh Xvfb it starts the two programs in turn, many times, and measures for each run the time
from starting the process to its window being mapped (a MapNotify on the root window, seen by xev),
and the resident memory one second later. It prints medians, the spread and the ratio
Rechnado / bare.

    bench/startup.py [RUNS] [BUILD_DIR]      (defaults: 20 runs, build/release)
"""
import os
import queue
import statistics
import subprocess
import sys
import threading
import time

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 20
build = sys.argv[2] if len(sys.argv) > 2 else "build/release"
programs = {
    "Rechnado": [os.path.join(build, "src/rechnado")],
    "bare": [os.path.join(build, "bench/bench_bare")],
}
for name, command in programs.items():
    if not os.access(command[0], os.X_OK):
        sys.exit(f"startup.py: {command[0]} is missing; build it first (see the README)")

display = f":{150 + os.getpid() % 100}"
xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
time.sleep(1.0)

# xev reports every window mapped on the root; a reader thread stamps each report as it arrives.
xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"], env=env,
                       stdout=subprocess.PIPE, text=True)
maps = queue.Queue()


def read_xev():
    for line in xev.stdout:
        if line.startswith("MapNotify"):
            maps.put(time.monotonic())


threading.Thread(target=read_xev, daemon=True).start()
time.sleep(0.5)


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def measure(command):
    while not maps.empty():
        maps.get()
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = maps.get(timeout=30)
    time.sleep(1.0)
    rss = resident_kib(process.pid)
    process.terminate()
    process.wait()
    return (mapped - start) * 1000.0, rss / 1024.0


results = {name: ([], []) for name in programs}
try:
    for i in range(runs + 1):
        order = list(programs) if i % 2 == 0 else list(reversed(programs))
        for name in order:
            ms, mib = measure(programs[name])
            if i > 0:  # the first round only warms the caches
                results[name][0].append(ms)
                results[name][1].append(mib)
finally:
    xev.terminate()
    xvfb.terminate()


def spread(values):
    q = statistics.quantiles(values, n=4)
    return f"{q[0]:.1f}-{q[2]:.1f}"


print(f"{runs} interleaved runs each, after one warm-up round")
print(f"{'':10} {'start-up ms (median, IQR)':>28} {'RSS MiB (median, IQR)':>26}")
for name, (ms, mib) in results.items():
    print(f"{name:10} {statistics.median(ms):12.1f} {spread(ms):>15} {statistics.median(mib):12.1f} {spread(mib):>13}")
r_ms = statistics.median(results["Rechnado"][0]) / statistics.median(results["bare"][0])
d_mib = statistics.median(results["Rechnado"][1]) - statistics.median(results["bare"][1])
print(f"Rechnado/bare start-up: {r_ms:.2f}; memory: {d_mib:+.1f} MiB")
