#!/usr/bin/env bash
# Cross-builds zelvik.exe and its tests for 64-bit Windows into build-win/ (or $ZELVIK_WIN_BUILD_DIR)
# against the static Qt that scripts/windows-qt.sh makes, then packs the ZIP a player downloads:
# build-win/zelvik-<version>-windows-x64.zip. Extra arguments go to the CMake configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${ZELVIK_WIN_BUILD_DIR:-build-win}

qt_prefix=$(bash scripts/windows-qt.sh | tail -n 1)

# Wine runs the test programs for CTest, which are always configured; the ZIP's contents come
# from the install rules. qt-cmake passes its toolchain file again on each run, which CMake would
# call unused.
"$qt_prefix/bin/qt-cmake" -S . -B "$build_dir" -G Ninja --no-warn-unused-cli \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
    -DZELVIK_TESTS=ON \
    "$@"
cmake --build "$build_dir" --parallel

# ---- The player's ZIP ---------------------------------------------------------------------------
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
name=zelvik-$version-windows-x64
stage="$build_dir/package"
rm -rf "$stage" "$build_dir/$name.zip"
cmake --install "$build_dir" --prefix "$stage/$name"
# The symbols are for debugging here, not for players: stripping halves the download.
x86_64-w64-mingw32-strip "$stage/$name/zelvik.exe"
(cd "$stage" && cmake -E tar cf "../$name.zip" --format=zip "$name")
rm -rf "$stage"
echo "Package: $build_dir/$name.zip"
