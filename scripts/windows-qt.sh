#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source, so that the host tools
# (moc, uic, rcc from qt6-base-dev-tools) and the target libraries are the same Qt. The result is
# cached outside the repository; a second run finds it and only prints where it is.
#
#   scripts/windows-qt.sh                 build if needed; the last line printed is the Qt prefix
#   scripts/windows-qt.sh --print-prefix  print the prefix the current inputs give, build nothing
#
# Progress goes to stderr, the prefix alone to stdout. Environment:
#   ZELVIK_QT_CACHE  where built Qts are kept (default /var/cache/zelvik)
#   ZELVIK_QT_JOBS   parallel build jobs (default 2)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${ZELVIK_QT_CACHE:-/var/cache/zelvik}
jobs=${ZELVIK_QT_JOBS:-2}
toolchain_src="$repo/cmake/mingw-w64-x86_64.cmake"

print_only=false
case "${1:-}" in
--print-prefix) print_only=true ;;
"") ;;
*)
    echo "usage: $0 [--print-prefix]" >&2
    exit 2
    ;;
esac

log() { echo "windows-qt: $*" >&2; }

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# The cross compilers, Wine for the tests, and the host Qt whose tools the Windows Qt reuses.
bash "$repo/scripts/deps.sh" windows >&2

# The source must be the very version of the host Qt, or moc's output would not fit the headers.
qt_source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
# The upstream part of the package version (6.4.2 of 6.4.2+dfsg-10) names the folder.
qt_version=${qt_source_version%%[+~-]*}
qt_version=${qt_version#*:}
# Which of Debian's patches are applied: its security fixes, named for their CVE. The others are
# for Debian's own build. A patch the rule selects that does not apply stops the build.
security_patch_rule='^[Cc][Vv][Ee]-[0-9]{4}-[0-9]+'
mingw_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)

configure_options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=OFF
    -DFEATURE_static_runtime=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF
    -DINPUT_opengl=no
    # Debian's repacked source drops the third-party tablet headers, so tablet input stays off.
    -DFEATURE_tabletevent=OFF
    # Without direct2d the Windows platform plugin misses its DirectWrite font database at link
    # time; direct2d1_1 is not needed by it.
    -DFEATURE_direct2d=ON
    -DFEATURE_direct2d1_1=OFF
)
for feature in opengl vulkan network sql xml dbus printsupport concurrent zstd system_zlib jpeg; do
    configure_options+=("-DFEATURE_$feature=OFF")
done

# Anything that changes the built libraries changes the key, and so the folder.
key=$({
    echo "qt6-base $qt_source_version"
    echo "mingw $mingw_version"
    echo "patches $security_patch_rule"
    printf '%s\n' "${configure_options[@]}"
    cat "$toolchain_src"
} | sha256sum | cut -c1-12)
prefix="$cache/qt-$qt_version-mingw-$key"

if $print_only; then
    echo "$prefix"
    exit 0
fi

"${sudo_cmd[@]}" mkdir -p "$cache"
"${sudo_cmd[@]}" chown "$(id -u):$(id -g)" "$cache"
# Two worktrees may ask for the same Qt at once: one builds, the other waits for it.
exec 9>"$cache/.lock"
flock 9

stamp="$prefix/.zelvik-complete"
if [ -f "$stamp" ]; then
    log "cached: $prefix"
    echo "$prefix"
    exit 0
fi

work="$cache/work-$key"
mkdir -p "$work"
build_log="$work/build.log"

# ---- Source: Debian's package, checked, with Debian's security fixes ----------------------------
src_dir="$work/src"
if [ ! -f "$work/.source-ready" ]; then
    rm -rf "$src_dir" "$work/download"
    mkdir -p "$work/download"
    # Source entries are only needed for this download: add one for the archive this machine
    # already uses, and take it away again whatever happens.
    # shellcheck disable=SC2016 # $(...) are apt's field names, not the shell's.
    archive=$(apt-get indextargets --format '$(REPO_URI) $(CODENAME) $(COMPONENT)' |
        awk '$2 == "bookworm" && $3 == "main" { print $1; exit }')
    [ -n "$archive" ] || {
        log "no bookworm main archive in the apt sources"
        exit 1
    }
    sources_file=/etc/apt/sources.list.d/zelvik-qt-source.sources
    remove_sources() {
        "${sudo_cmd[@]}" rm -f "$sources_file"
        "${sudo_cmd[@]}" apt-get update -qq >&2 || true
    }
    trap remove_sources EXIT
    printf '%s\n' "Types: deb-src" "URIs: $archive" "Suites: bookworm" "Components: main" \
        "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
        "${sudo_cmd[@]}" tee "$sources_file" >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq >&2
    # apt checks each file against the signed index; the .dsc's own sums are checked below too.
    (cd "$work/download" && apt-get source -qq --download-only "qt6-base=$qt_source_version" >&2)
    remove_sources
    trap - EXIT

    dsc=$(ls "$work/download"/qt6-base_*.dsc)
    (
        cd "$work/download"
        awk '/^Checksums-Sha256:/ { on = 1; next } /^[^ ]/ { on = 0 } on { print $1 "  " $3 }' \
            "$dsc" | sha256sum --check --strict >&2
    )

    mkdir -p "$src_dir" "$work/debian"
    tar -xf "$work/download"/qt6-base_*.orig.tar.* -C "$src_dir" --strip-components=1
    tar -xf "$work/download"/qt6-base_*.debian.tar.* -C "$work/debian" --strip-components=1
    # Debian's security fixes for this version, in the order of its series.
    mapfile -t patches < <(sed -e 's/#.*//' -e 's/[[:space:]]*$//' "$work/debian/patches/series" |
        grep -E "$security_patch_rule" || true)
    [ ${#patches[@]} -gt 0 ] || log "no patch in Debian's series matches $security_patch_rule"
    for p in "${patches[@]}"; do
        log "applying $p"
        patch -d "$src_dir" -p1 --quiet --forward <"$work/debian/patches/$p" || {
            log "Debian's patch $p does not apply to qt6-base $qt_source_version; stopping"
            exit 1
        }
    done
    touch "$work/.source-ready"
fi

# ---- Configure, build, install ------------------------------------------------------------------
mkdir -p "$prefix"
# Qt records its toolchain file's path; a copy inside the prefix keeps the Qt usable wherever the
# repository goes.
cp "$toolchain_src" "$prefix/mingw-w64-x86_64.cmake"

log "configuring Qt $qt_version (log: $build_log)"
start=$SECONDS
cmake -S "$src_dir" -B "$work/build" "${configure_options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" >>"$build_log" 2>&1 || {
    tail -n 40 "$build_log" >&2
    exit 1
}
log "configured in $((SECONDS - start)) s; building with $jobs jobs"
start=$SECONDS
cmake --build "$work/build" --parallel "$jobs" >>"$build_log" 2>&1 || {
    tail -n 40 "$build_log" >&2
    exit 1
}
log "built in $((SECONDS - start)) s; installing"
cmake --install "$work/build" >>"$build_log" 2>&1 || {
    tail -n 40 "$build_log" >&2
    exit 1
}
cp "$build_log" "$prefix/zelvik-build.log"
{
    echo "qt6-base $qt_source_version"
    echo "mingw $mingw_version"
    printf '%s\n' "${configure_options[@]}"
} >"$stamp"
rm -rf "$work"
log "installed: $prefix"
echo "$prefix"
