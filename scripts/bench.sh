#!/usr/bin/env bash
# Builds the benchmarks (Release) into build-bench/ (or $ZELVIK_BUILD_DIR) and runs them on the
# offscreen platform. Prints Google Benchmark's report, then a Markdown table against the targets;
# the whole output is also kept in <build dir>/bench-report.md.
# Extra arguments go to the benchmark program, e.g. --benchmark_filter=read.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_BUILD_DIR:-build-bench}

# Google Benchmark, and inih as the reader to compare with: needed by the benchmarks alone.
ZELVIK_EXTRA_PACKAGES="${ZELVIK_EXTRA_PACKAGES:-} libbenchmark-dev libinih-dev" bash scripts/deps.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVIK_BENCH=ON -DZELVIK_TESTS=OFF
cmake --build "$build_dir" --parallel --target zelvik_bench

QT_QPA_PLATFORM=offscreen "$build_dir/bench/zelvik_bench" "$@" | tee "$build_dir/bench-report.md"
