#!/usr/bin/env bash
# Checks that every library links what it includes (scripts/check-links.sh) and that every C++
# file is formatted with .clang-format and clean under .clang-tidy, using the compile commands of
# the build in build/ (or $ZELVIK_BUILD_DIR), which must exist.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_BUILD_DIR:-build}

bash scripts/check-links.sh

mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')
echo "Checking the format of ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}"

# Only what the build compiles: a file of a target that is not configured here (the benchmarks,
# the fuzz target) has no compile command.
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' |
    while read -r f; do grep -q "\"file\": \"$PWD/$f\"" "$build_dir/compile_commands.json" && echo "$PWD/$f"; done)
echo "Running clang-tidy on ${#units[@]} files"
run-clang-tidy -quiet -j "$(nproc)" -p "$build_dir" "${units[@]}" >"$build_dir/clang-tidy.log" 2>&1 || {
    grep -E 'error:|warning:' "$build_dir/clang-tidy.log" | sort -u >&2
    echo "clang-tidy found the problems above (full log: $build_dir/clang-tidy.log)." >&2
    exit 1
}
echo "Format and clang-tidy: clean."
