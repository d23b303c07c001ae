#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build-fuzz/ (or
# $ZELVIK_BUILD_DIR) and runs each for a bounded time on a copy of its seed folder, so the
# repository is never written: the bots.ini reader for $ZELVIK_FUZZ_SECONDS (60 s), sessions on
# the open roster for $ZELVIK_FUZZ_SESSION_SECONDS (60 s), the libraryfolders.vdf reader for
# $ZELVIK_FUZZ_VDF_SECONDS (30 s). Exits non-zero when a fuzzer finds a crash or a broken check;
# the input that did it is kept in <build dir>/fuzz-artifacts/. A session's input shrinks with
#   build-fuzz/tests/fuzz/fuzz_rostersession -minimize_crash=1 -runs=2000 <input>
# and, as hex, becomes a row of tests/app/tst_rostersessions.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_BUILD_DIR:-build-fuzz}
seconds=${ZELVIK_FUZZ_SECONDS:-60}
session_seconds=${ZELVIK_FUZZ_SESSION_SECONDS:-60}
vdf_seconds=${ZELVIK_FUZZ_VDF_SECONDS:-30}

bash scripts/deps.sh build fuzz
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZELVIK_FUZZ=ON -DZELVIK_TESTS=OFF
cmake --build "$build_dir" --parallel --target fuzz_botsini fuzz_rostersession fuzz_libraryfolders

artifacts="$build_dir/fuzz-artifacts/"
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fuzz <target> <seed folder> <dictionary> <seconds> <what, for the log>
fuzz() {
    local fuzzer="$build_dir/tests/fuzz/$1" seeds=$2 dict=$3 time=$4 what=$5
    # Every seed once, whole, first: some are regression inputs larger than the fuzzer's -max_len.
    echo "Running the seed and regression inputs of $1"
    "$fuzzer" -artifact_prefix="$artifacts" "$seeds"/*

    local corpus="$work/$1"
    mkdir -p "$corpus"
    # The small seeds only: a large one would have the fuzzer start out with long, slow inputs,
    # as would a session on files up to the limit, which takes seconds.
    find "$seeds" -type f -size -8k ! -name 'to-the-limit*' -exec cp {} "$corpus/" \;

    echo "Fuzzing $what for ${time} s"
    local status=0
    "$fuzzer" "$corpus" \
        -max_total_time="$time" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
        -dict="$dict" -print_final_stats=1 -artifact_prefix="$artifacts" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "The fuzzer found a failing input (exit $status); see $artifacts" >&2
        exit "$status"
    fi
}

fuzz fuzz_botsini tests/data/fuzz-seed tests/fuzz/botsini.dict "$seconds" "the bots.ini reader"
fuzz fuzz_rostersession tests/data/fuzz-seed-rostersession tests/fuzz/rostersession.dict \
    "$session_seconds" "sessions on the open roster"
fuzz fuzz_libraryfolders tests/data/fuzz-seed-libraryfolders tests/fuzz/libraryfolders.dict \
    "$vdf_seconds" "the libraryfolders.vdf reader"
echo "Fuzzing finished without a failure."
