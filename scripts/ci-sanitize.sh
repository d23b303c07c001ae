#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (gcc) into build-asan/
# (or $ZELVIK_BUILD_DIR) and runs the whole test suite under them, leak checking included.
# Exits non-zero on any test failure or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_BUILD_DIR:-build-asan}

# The end-to-end test drives the window on a virtual display.
bash scripts/deps.sh build display session
# The sanitizers slow the tests down several times: each may take 900 s instead of 300.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVIK_SANITIZE=ON \
    -DZELVIK_TESTS=ON -DZELVIK_TEST_TIMEOUT=900
cmake --build "$build_dir" --parallel

# Leaks are reported for our code always; the suppressions cover only memory that system
# libraries below Qt keep until the process ends.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/data/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error
