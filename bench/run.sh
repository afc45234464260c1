#!/usr/bin/env bash
# Builds the benchmarks in Release mode and prints every figure the project has targets for.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench --target nakkas_core_bench nakkas_startup_bench bare_window_bench \
  bare_cli_bench nakkas_panel_bench nakkas_tabhost_bench nakkas-cli
b=build-bench
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home

echo "== Core: object texts and slots (target: under 10 us each); a layout of 2,000 views in 11 files read and turned into text (target: under 20 ms); 20,000 presses of one record command group (target: under 0.5 s); a layout of 100,000 views with 5,000 skipped (target: under 1 s) =="
$b/bench/nakkas_core_bench --benchmark_min_time=0.05

echo
echo "== Start-up to the first painted window, median of 15 (target: x1.3 of the bare window in time and in peak memory; bench/README.md tells where the time goes and how to measure on a busy machine) =="
# "bare+text" is for reference only: the bare window with one line of text.
python3 bench/measure.py 15 bare=$b/bench/bare_window_bench "bare+text=$b/bench/bare_window_bench --text" \
  nakkas=$b/bench/nakkas_startup_bench

echo
echo "== nakkas-cli defaults, median of 30 (target: x1.5 of a bare Qt Core program) =="
python3 bench/measure.py 30 bare=$b/bench/bare_cli_bench "nakkas-cli=$b/bin/nakkas-cli defaults"

echo
echo "== Code panel with 5 MB in the running window (target: under 100 ms each) =="
$b/bench/nakkas_panel_bench

echo
echo "== Tab Host project, six tabs and six menu items (target: at most x2 of cp -r of the tree) =="
$b/bench/nakkas_tabhost_bench --benchmark_min_time=0.2 --benchmark_format=json 2>/dev/null | python3 -c '
import json, sys
runs = {r["name"]: r["real_time"] for r in json.load(sys.stdin)["benchmarks"]}
w, c = runs["BM_WriteProject"], runs["BM_CopyTree"]
print(f"write {w:8.1f} us   cp -r {c:8.1f} us   x{w / c:4.2f}")'

echo
echo "== Settings store: an 8 MB file and a FIFO at its path (no command that needs no value reads it) =="
bench/settings_reliability.sh $b/bin/nakkas-cli
