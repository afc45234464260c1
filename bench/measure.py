#!/usr/bin/env python3
"""Runs commands alternately and reports the median wall time and peak memory of each."""
import os
import statistics
import subprocess
import sys
import time


def once(cmd, env):
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = (time.perf_counter() - start) * 1000.0
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{cmd[0]} failed with status {status}")
    return elapsed, usage.ru_maxrss / 1024.0  # ms, MiB


def main():
    runs = int(sys.argv[1])
    pairs = sys.argv[2:]  # name=command, command words split on blanks
    cmds = [(p.split("=", 1)[0], p.split("=", 1)[1].split()) for p in pairs]
    env = dict(os.environ)
    results = {name: ([], []) for name, _ in cmds}
    for name, cmd in cmds:  # warm the caches
        once(cmd, env)
    for _ in range(runs):
        for name, cmd in cmds:
            t, m = once(cmd, env)
            results[name][0].append(t)
            results[name][1].append(m)
    base_t = base_m = None
    for name, (ts, ms) in results.items():
        t, m = statistics.median(ts), statistics.median(ms)
        if base_t is None:
            base_t, base_m = t, m
        print(f"{name:16s} {t:8.1f} ms  {m:7.1f} MiB   x{t / base_t:4.2f} time  x{m / base_m:4.2f} memory")


if __name__ == "__main__":
    main()
