#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test:
# the unit, scenario, GUI and randomised tests; then the same suite once more with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the number-text fuzzer for a fixed
# budget; the Debian package, built, checked by lintian, unpacked and started; the Windows
# edition under Wine (scripts/windows.sh). MORVANE_QUICK=1 runs the first stage only.
set -euo pipefail
cd "$(dirname "$0")/.."
MORVANE_SANITIZE=1 scripts/deps.sh
jobs=$(nproc)

echo "== Build and test"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DMORVANE_WERROR=ON >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"
[ "${MORVANE_QUICK:-0}" = 1 ] && exit 0

echo "== Debian package"
scripts/package.sh
tests/packaging/check_package.sh dist/morvane_*_amd64.deb

# The Windows edition: cross-built and tested under Wine (MORVANE_WINDOWS=0 skips it).
[ "${MORVANE_WINDOWS:-1}" = 1 ] && scripts/windows.sh

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DMORVANE_WERROR=ON -DMORVANE_SANITIZE=ON \
  -DMORVANE_BENCH=OFF >/dev/null
cmake --build build/asan -j"$jobs"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
MORVANE_RANDOM_EVENTS=500 MORVANE_RANDOM_GUI_EVENTS=150 ctest --test-dir build/asan --output-on-failure -j"$jobs"

echo "== Fuzz number texts"
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DMORVANE_FUZZ=ON -DMORVANE_QT=OFF \
  -DMORVANE_BENCH=OFF >/dev/null
cmake --build build/fuzz -j"$jobs" --target number_text_fuzz
mkdir -p build/fuzz/corpus
status=0
build/fuzz/fuzz/number_text_fuzz -runs=500000 -max_len=80 -print_final_stats=1 \
  build/fuzz/corpus fuzz/corpus >build/fuzz/fuzz.log 2>&1 || status=$?
grep -E 'Done|number_of_executed_units|ERROR|SUMMARY' build/fuzz/fuzz.log || true
[ "$status" -eq 0 ] || { tail -40 build/fuzz/fuzz.log; exit "$status"; }

echo "== Final test run"
# clang-tidy has read the same sources in the first stage.
ctest --test-dir build/test -j"$jobs" -LE tidy
