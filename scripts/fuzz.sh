#!/usr/bin/env bash
# Builds the libFuzzer targets (build-fuzz/, clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs them.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   each target for SECONDS (default 600), one after the
#                                           other; new inputs are merged into its corpus under
#                                           fuzz/corpus/TARGET (not kept in git)
#   scripts/fuzz.sh --runs N [TARGET...]    the same, for N inputs each instead
#   scripts/fuzz.sh --suite                 each target for a short fixed number of runs over its
#                                           seeds, as the test suite does
#
# A crash stops the run and names the reproducer; feed it back to the target alone to see it
# again: build-fuzz/fuzz/fuzz_TARGET CRASH-FILE
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(layout tabhost sqlite cli text settings)
# Runs per target in the suite: about ten seconds each on a two-core machine.
declare -A suite_runs=([layout]=20000 [tabhost]=6000 [sqlite]=3000 [cli]=8000 [text]=40000
                       [settings]=10000)
# Qt keeps each settings file it has parsed in a cache, so to libFuzzer's check after every
# input each one looks like a leak, and the heap is searched after every input (eight times
# slower). Leaks are still looked for once, when the run ends.
declare -A target_flags=([settings]="-detect_leaks=0")

suite=false
limit=(-max_total_time=600)
if [ "${1:-}" = "--suite" ]; then
  suite=true
  shift
elif [ "${1:-}" = "--runs" ] && [[ "${2:-}" =~ ^[0-9]+$ ]]; then
  limit=(-runs="$2")
  shift 2
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  limit=(-max_total_time="$1")
  shift
fi
[ $# -gt 0 ] && targets=("$@")

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNAKKAS_FUZZ=ON "${launcher[@]}" >/dev/null
# Quiet when it builds; the compiler's own words when it does not.
if ! built=$(cmake --build build-fuzz -j "$(nproc)" 2>&1); then
  echo "$built" | grep -E -A3 "error|Error" | head -n 60 >&2
  echo "HATA: fuzz hedefleri derlenemedi" >&2
  exit 1
fi

crashes=build-fuzz/crashes
mkdir -p "$crashes"

# Runs one target; its log is kept, and a crash names the input that caused it. NICE is put
# before the target's command (empty in the suite).
run_target() {
  local name=$1
  shift
  local bin=build-fuzz/fuzz/fuzz_$name log=build-fuzz/${LOG_KIND:-fuzz}-$name.log
  local dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  local flags=()
  read -r -a flags <<<"${target_flags[$name]:-}"
  local started=$SECONDS
  if ! ${NICE:-} "$bin" "${dict[@]}" "${flags[@]}" -artifact_prefix="$crashes/$name-" -timeout=10 \
       -print_final_stats=1 "$@" >"$log" 2>&1; then
    tail -n 40 "$log"
    local found
    found=$(grep -ao "Test unit written to .*" "$log" | tail -n 1 | cut -d' ' -f5- || true)
    echo "HATA: fuzz_$name bir çökme buldu. Yeniden üretmek için: $bin ${found:-(bkz. $log)}" >&2
    return 1
  fi
  # libFuzzer's own figures: inputs run and coverage reached (edges), and the time it took.
  local runs cov
  runs=$(grep -ao "stat::number_of_executed_units: *[0-9]*" "$log" | grep -o "[0-9]*$" || echo "?")
  cov=$(grep -ao "cov: [0-9]*" "$log" | tail -n 1 | grep -o "[0-9]*$" || echo "?")
  printf '  %-9s %10s girdi  %6s kapsam (cov)  %6s sn\n' "$name" "$runs" "$cov" \
    "$((SECONDS - started))"
}

if $suite; then
  echo "Fuzz hedefleri, tohumlar ve sabit sayıda deneme ile:"
  for t in "${targets[@]}"; do
    work=$(mktemp -d)
    # New inputs land in the first folder; the seeds in git are only read.
    # A log of its own, so that the suite can run beside a long run of the same target.
    LOG_KIND=suite run_target "$t" -runs="${suite_runs[$t]}" -seed=1 "$work" "tests/data/fuzz/$t" || {
      rm -rf "$work"
      exit 1
    }
    rm -rf "$work"
  done
  exit 0
fi

echo "Fuzz hedefleri, sırayla ve nice ile (${limit[*]}):"
for t in "${targets[@]}"; do
  corpus=fuzz/corpus/$t
  mkdir -p "$corpus"
  NICE="nice -n 10" run_target "$t" "${limit[@]}" "$corpus" "tests/data/fuzz/$t"
  # Keeps the corpus small: only inputs that add coverage stay.
  merged=$(mktemp -d)
  nice "build-fuzz/fuzz/fuzz_$t" -merge=1 "$merged" "$corpus" >/dev/null 2>&1 &&
    rm -rf "$corpus" && mv "$merged" "$corpus" || rm -rf "$merged"
  echo "            derlem: $(find "$corpus" -type f | wc -l) girdi ($corpus)"
done
