#!/usr/bin/env bash
# Checks that every library links what it includes (scripts/check-links.sh), that every C++ file
# is formatted with .clang-format and that every file a build compiles is clean under .clang-tidy:
# the program, the tests and the benchmarks (a build of its own in build-lint/, or
# $ZELVIK_LINT_BUILD_DIR, configured with them and built, so that build/ stays as
# scripts/build.sh makes it) and the fuzz targets, which need clang (the build in build-fuzz/, or
# $ZELVIK_FUZZ_BUILD_DIR, as scripts/ci-fuzz.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_LINT_BUILD_DIR:-build-lint}
fuzz_dir=${ZELVIK_FUZZ_BUILD_DIR:-build-fuzz}

# The benchmarks' libraries, clang for the fuzz targets, clang-format and clang-tidy.
bash scripts/deps.sh build bench fuzz lint
bash scripts/check-links.sh

mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' \
    'bench/*.h')
echo "Checking the format of ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}"

# The sources include headers that uic and moc generate, so both builds are built, not only
# configured.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVIK_TESTS=ON \
    -DZELVIK_BENCH=ON >/dev/null
cmake --build "$build_dir" --parallel 2
CC=clang CXX=clang++ cmake -S . -B "$fuzz_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZELVIK_FUZZ=ON -DZELVIK_TESTS=OFF >/dev/null
cmake --build "$fuzz_dir" --parallel 2

# The files of a compile database that lie in src/, tests/ or bench/, less those already listed.
units_of() {
    python3 - "$1/compile_commands.json" "$PWD" "${@:2}" <<'EOF'
import json, os, sys
database, root, known = sys.argv[1], sys.argv[2], set(sys.argv[3:])
with open(database, encoding="utf-8") as f:
    files = {os.path.normpath(os.path.join(c["directory"], c["file"])) for c in json.load(f)}
for path in sorted(files):
    relative = os.path.relpath(path, root)
    if relative.split(os.sep)[0] in ("src", "tests", "bench") and path not in known:
        print(path)
EOF
}
mapfile -t units < <(units_of "$build_dir")
mapfile -t fuzz_units < <(units_of "$fuzz_dir" "${units[@]}")

# A tracked source no build here compiles (one for another platform) is named, not hidden.
mapfile -t uncompiled < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' |
    while read -r f; do printf '%s\n' "${units[@]}" "${fuzz_units[@]}" | grep -qxF "$PWD/$f" || echo "$f"; done)
[ ${#uncompiled[@]} -eq 0 ] || echo "Not compiled on this platform, so not checked: ${uncompiled[*]}"

tidy() { # <build dir> <files...>
    local dir=$1
    shift
    [ $# -gt 0 ] || return 0 # run-clang-tidy given no file would take every file of the database
    echo "Running clang-tidy on $# files of $dir"
    run-clang-tidy -quiet -j "$(nproc)" -p "$dir" "$@" >"$dir/clang-tidy.log" 2>&1 || {
        grep -E 'error:|warning:' "$dir/clang-tidy.log" | sort -u >&2
        echo "clang-tidy found the problems above (full log: $dir/clang-tidy.log)." >&2
        return 1
    }
}
status=0
tidy "$build_dir" "${units[@]}" || status=1
tidy "$fuzz_dir" "${fuzz_units[@]}" || status=1
[ "$status" -eq 0 ] || exit 1
echo "Format and clang-tidy: clean."
