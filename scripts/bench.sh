#!/usr/bin/env bash
# Builds the benchmarks (Release) into build-bench/ (or $ZELVIK_BUILD_DIR), runs them on the
# offscreen platform into <build dir>/bench.json (Google Benchmark's JSON report), and prints the
# README's Markdown table made from it by scripts/bench-table.py, which holds the targets; the
# table is also kept in <build dir>/bench-report.md.
# Extra arguments go to the benchmark program, e.g. --benchmark_filter=read.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_BUILD_DIR:-build-bench}

# Google Benchmark, and inih as the reader to compare with: needed by the benchmarks alone.
bash scripts/deps.sh build bench
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVIK_BENCH=ON -DZELVIK_TESTS=OFF
cmake --build "$build_dir" --parallel 2 --target zelvik_bench

QT_QPA_PLATFORM=offscreen "$build_dir/bench/zelvik_bench" \
    --benchmark_out="$build_dir/bench.json" --benchmark_out_format=json "$@"
echo
python3 scripts/bench-table.py "$build_dir/bench.json" --load-after "$(cut -d' ' -f1 /proc/loadavg)" |
    tee "$build_dir/bench-report.md"
