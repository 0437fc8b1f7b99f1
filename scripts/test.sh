#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test, then each fuzz target briefly, then
# builds the Debian package once and runs it. Ends with the time each step took.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each step's wall-clock and processor time (user + system, its child processes
# included), so a slow run shows where the time went.
timings=()
times_file=$(mktemp)
trap 'rm -f "$times_file"' EXIT
step() {
  local name=$1
  shift
  local start=$SECONDS
  children_cpu
  local before=$cpu
  "$@"
  children_cpu
  timings+=("$(printf '%-20s %5d s wall %7.1f s processor' "$name" $((SECONDS - start)) \
    "$(awk -v a="$cpu" -v b="$before" 'BEGIN { print a - b }')")")
}
# Sets cpu to the processor time of this shell's finished child processes so far. The
# times builtin must run in this shell itself (a pipe or $(...) would ask a fresh
# subshell), so it writes to a file.
children_cpu() {
  times >"$times_file"
  cpu=$(awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/); print u[1] * 60 + u[2] + s[1] * 60 + s[2] }' "$times_file")
}

# ccache makes a second run quick. Paths are hashed relative to this clone, so a fresh
# clone anywhere on the machine finds what an earlier one compiled with the same flags.
step "set-up" scripts/deps.sh ccache
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$PWD
fi
# Line tables are all a sanitizer's report needs; full debug information would make
# every object and every link several times larger.
step "configure" cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DZR_SANITIZE=ON "${launcher[@]}" >/dev/null
step "build (sanitizers)" cmake --build build-test

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_tests() {
  ctest --test-dir build-test --output-on-failure -j "$(nproc)" | tee build-test/ctest-summary.log
}
step "tests" run_tests

# Every fuzz target for a short while (ZR_FUZZ_SECONDS each, 0 skips): a reader that
# crashes, leaks or misbehaves on a damaged file is caught on every run. The seeds come
# from the installation folder the test build made.
fuzz_seconds=${ZR_FUZZ_SECONDS:-20}
if [ "$fuzz_seconds" -gt 0 ]; then
  step "fuzz" env ZR_FUZZ_RESOURCES="$PWD/build-test/bin/resource" scripts/fuzz.sh "$fuzz_seconds"
fi

# The Debian package: built once (no tests, no sanitizers), unpacked and run.
step "package" scripts/package-test.sh

echo
echo "Time taken:"
printf '  %s\n' "${timings[@]}"

# The test count once more at the very end, so it closes the output.
summary=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' build-test/ctest-summary.log | tail -1)
failed=${summary%% *}
total=${summary##* }
echo "ctest: $((total - failed)) passed, $failed failed"
