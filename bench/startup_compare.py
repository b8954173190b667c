#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time to the first shown window and peak memory of the game,
against a bare QMainWindow program and against a QMainWindow with one menu
and one label, run alternately side by side.

Usage: bench/startup_compare.py BUILD_DIR [RUNS]   (default 30 runs each)
Runs on the platform in QT_QPA_PLATFORM (offscreen when unset)."""

import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
env = dict(os.environ)
env.setdefault("QT_QPA_PLATFORM", "offscreen")
programs = {
    "vovodi": os.path.join(build, "bench", "startup_probe"),
    "bare": os.path.join(build, "bench", "startup_probe_bare"),
    "text": os.path.join(build, "bench", "startup_probe_text"),
}


def run(path):
    start = time.perf_counter()
    proc = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{path} exited with status {status}")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0  # ms, MiB


results = {name: ([], []) for name in programs}
for name, path in programs.items():  # warm the file cache once
    run(path)
for _ in range(runs):
    for name, path in programs.items():
        ms, mib = run(path)
        results[name][0].append(ms)
        results[name][1].append(mib)

med = {name: (statistics.median(t), statistics.median(m)) for name, (t, m) in results.items()}
for name, (t, m) in med.items():
    print(f"{name:7s} start-up median {t:7.1f} ms   peak RSS median {m:6.1f} MiB   ({runs} runs)")
for base in ("bare", "text"):
    print(f"vovodi/{base:4s} start-up {med['vovodi'][0] / med[base][0]:.3f}   "
          f"peak memory {med['vovodi'][1] / med[base][1]:.3f}")
