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

fuzzer="$build_dir/tests/fuzz/fuzz_botsini"
artifacts="$build_dir/fuzz-artifacts/"
mkdir -p "$artifacts"

# Every seed once, whole, first: some are regression inputs larger than the fuzzer's -max_len.
echo "Running the seed and regression inputs"
"$fuzzer" -artifact_prefix="$artifacts" tests/data/fuzz-seed/*

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
# The small seeds only: a large one would have the fuzzer start out with long, slow inputs.
find tests/data/fuzz-seed -type f -size -8k -exec cp {} "$work/corpus/" \;

echo "Fuzzing the bots.ini reader for ${seconds} s"
status=0
"$fuzzer" "$work/corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -dict=tests/fuzz/botsini.dict -print_final_stats=1 -artifact_prefix="$artifacts" || status=$?
if [ "$status" -ne 0 ]; then
    echo "The fuzzer found a failing input (exit $status); see $artifacts" >&2
    exit "$status"
fi
echo "Fuzzing finished without a failure."
