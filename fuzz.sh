#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer + UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each one for SECONDS (default 60), starting from its seeds in
# fuzz/corpus/NAME. Prints the executions of every target and each crash; exits non-zero
# when a target crashed, hung or ran out of memory.
#
#   ./fuzz.sh [SECONDS] [NAME...]      e.g. ./fuzz.sh 600, ./fuzz.sh 30 settings_file
#
# Each target runs as one fuzzer a core (FUZZ_WORKERS=N for another number), all
# sharing the target's corpus, so every core works for the whole time; the executions
# printed are theirs together.
#
# New inputs go to build-fuzz/corpus/NAME, crashes to build-fuzz/crashes/NAME/, each
# fuzzer's output to build-fuzz/logs/NAME.W.log. Reproduce a crash with
#   build-fuzz/fuzz/fuzz_NAME build-fuzz/crashes/NAME/crash-...
set -euo pipefail
cd "$(dirname "$0")"

seconds=${1:-60}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: ./fuzz.sh [SECONDS] [NAME...]" >&2; exit 2; }
shift $(($# > 0 ? 1 : 0))
workers=${FUZZ_WORKERS:-$(nproc)}
[[ "$workers" =~ ^[1-9][0-9]*$ ]] || { echo "FUZZ_WORKERS must be a positive number" >&2; exit 2; }

./scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARDECK_FUZZ=ON -DVARDECK_BUILD_UI=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_targets

# A small quarantine keeps the allocation-heavy targets fast; it still catches a use
# after free within one input.
export ASAN_OPTIONS="quarantine_size_mb=16:malloc_context_size=8:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=0
printf '%-18s %14s %10s  %s\n' target executions exec/s result
while read -r name max_len; do
  [ -n "$name" ] || continue
  if (($# > 0)) && ! printf '%s\n' "$@" | grep -qx "$name"; then continue; fi
  corpus=build-fuzz/corpus/$name crashes=build-fuzz/crashes/$name
  mkdir -p "$corpus" "$crashes" build-fuzz/logs
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  pids=()
  for ((w = 0; w < workers; w++)); do
    "build-fuzz/fuzz/fuzz_$name" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -max_len="$max_len" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" \
      >"build-fuzz/logs/$name.$w.log" 2>&1 &
    pids+=($!)
  done
  runs=0 rate=0 result=ok errors=
  for ((w = 0; w < workers; w++)); do
    log=build-fuzz/logs/$name.$w.log
    rc=0
    wait "${pids[$w]}" || rc=$?
    worker_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    worker_rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    runs=$((runs + ${worker_runs:-0})) rate=$((rate + ${worker_rate:-0}))
    if ((rc != 0)); then
      failed=1
      artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
      result="FAILED (exit $rc) ${artifact:-see $log}"
      errors+=$(grep -m 3 -E 'ERROR: |runtime error|check failed' "$log" | sed 's/^/    /' || true)
    fi
  done
  printf '%-18s %14s %10s  %s\n' "$name" "$runs" "$rate" "$result"
  [ -z "$errors" ] || printf '%s\n' "$errors"
done <build-fuzz/fuzz/targets.txt
exit $failed
