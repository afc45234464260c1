#!/usr/bin/env bash
# Builds and runs every test: once in the normal build, once with AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a fixed number of runs over its seeds.
# --quick runs the normal build only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DNAKKAS_BENCH=OFF "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== Normal derleme =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo

if [ "${1:-}" != "--quick" ]; then
  echo "== AddressSanitizer + UndefinedBehaviorSanitizer derlemesi =="
  export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DNAKKAS_SANITIZE=ON

  echo "== Fuzz hedefleri (libFuzzer) =="
  scripts/fuzz.sh --suite
fi
