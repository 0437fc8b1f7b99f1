#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz and runs each for SECONDS (default 60), as many at once as there are
# cores (ZR_FUZZ_JOBS sets another number). The corpus grows in build-fuzz/corpus; the
# seeds are the shipped files, the hand-made records of fuzz/make_seeds.py and the
# regression inputs in fuzz/regressions/TARGET (add any crash input there). Exit status
# 1 when a target found a crash, a leak or undefined behaviour. ZR_FUZZ_RESOURCES may
# name the installation folder ("resource") of another build for the shipped seeds;
# otherwise build-fuzz makes its own.
#
# usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${ZR_FUZZ_BUILD:-build-fuzz}
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(UserRecordFuzz WordDictionaryFuzz SentenceSetFuzz RomajiTableFuzz
                                     LessonTableFuzz SettingsReadFuzz SettingsRoundTripFuzz)

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DZR_SANITIZE=ON -DZR_FUZZ=ON -DZR_BUILD_TESTS=OFF -DZR_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
resources=${ZR_FUZZ_RESOURCES:-}
if [ -n "$resources" ]; then
  cmake --build "$build" --target fuzzers -j "$(nproc)"
else
  cmake --build "$build" --target fuzzers resources -j "$(nproc)"
  resources=$build/bin/resource
fi
rm -rf "$build/seeds"
python3 fuzz/make_seeds.py "$build/seeds" "$resources"

# Recording each allocation's stack is much of a run's time; two frames keep the reports
# readable. Replay an input with ASAN_OPTIONS=malloc_context_size=30 for whole stacks.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:malloc_context_size=2
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/logs" "$build/crashes"

run() {
  local t=$1
  mkdir -p "$build/corpus/$t" "fuzz/regressions/$t"
  "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$t-" "$build/corpus/$t" "$build/seeds/$t" "fuzz/regressions/$t" \
    >"$build/logs/$t.log" 2>&1
}

jobs=${ZR_FUZZ_JOBS:-$(nproc)}
pids=()
names=()
status=0
for t in "${targets[@]}"; do
  run "$t" &
  pids+=($!)
  names+=("$t")
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || { echo "${names[0]} FAILED"; status=1; }
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
  fi
done
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || { echo "${names[$i]} FAILED"; status=1; }
done

printf '%-24s %12s %10s\n' target executions exec/s
for t in "${targets[@]}"; do
  log="$build/logs/$t.log"
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-24s %12s %10s\n' "$t" "${execs:-?}" "${rate:-?}"
  if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|deadly signal' "$log"; then
    echo "  $t failed; see $log. Copy the input it names from $build/crashes into fuzz/regressions/$t/." >&2
    status=1
  fi
done
exit $status
