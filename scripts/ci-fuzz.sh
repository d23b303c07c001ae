#!/usr/bin/env bash
# Builds the bots.ini fuzz target with clang (libFuzzer, ASan, UBSan) into build-fuzz/ (or
# $ZELVIK_BUILD_DIR) and runs it for a bounded time on a copy of tests/data/fuzz-seed, so the
# repository is never written. Exits non-zero when the fuzzer finds a crash or a broken check;
# the input that did it is kept in <build dir>/fuzz-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_BUILD_DIR:-build-fuzz}
seconds=${ZELVIK_FUZZ_SECONDS:-60}

bash scripts/deps.sh
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZELVIK_FUZZ=ON -DZELVIK_TESTS=OFF
cmake --build "$build_dir" --parallel --target fuzz_botsini

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$build_dir/fuzz-artifacts"
cp tests/data/fuzz-seed/* "$work/corpus/"

echo "Fuzzing the bots.ini reader for ${seconds} s"
status=0
"$build_dir/tests/fuzz/fuzz_botsini" "$work/corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/" || status=$?
if [ "$status" -ne 0 ]; then
    echo "The fuzzer found a failing input (exit $status); see $build_dir/fuzz-artifacts/" >&2
    exit "$status"
fi
echo "Fuzzing finished without a failure."
