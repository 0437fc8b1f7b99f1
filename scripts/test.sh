#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test, then each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZR_SANITIZE=ON >/dev/null
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j "$(nproc)" | tee build-test/ctest-summary.log
# Every fuzz target for a short while (ZR_FUZZ_SECONDS each, 0 skips): a reader that
# crashes, leaks or misbehaves on a damaged file is caught on every run.
fuzz_seconds=${ZR_FUZZ_SECONDS:-20}
if [ "$fuzz_seconds" -gt 0 ]; then
  scripts/fuzz.sh "$fuzz_seconds"
fi

# The Debian package: built once (no tests, no sanitizers), unpacked and run.
scripts/package-test.sh

# The test count once more at the very end, so it closes the output.
summary=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' build-test/ctest-summary.log | tail -1)
failed=${summary%% *}
total=${summary##* }
echo "ctest: $((total - failed)) passed, $failed failed"
