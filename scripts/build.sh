#!/usr/bin/env bash
# Configures and builds into build/ (or $ZELVIK_BUILD_DIR) with the tests, always: a build
# without them would leave CTest nothing to run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVIK_TESTS=ON "$@"
cmake --build "$build_dir" --parallel
