#!/usr/bin/env bash
# Builds the packages into build-pkg/, installs the .deb, checks what it put where, validates the
# desktop entry and the AppStream metadata, starts the installed program, and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=build-pkg

ZELVIK_EXTRA_PACKAGES="desktop-file-utils appstream dpkg-dev file ${ZELVIK_EXTRA_PACKAGES:-}" \
    bash scripts/deps.sh

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
as_root() { "${sudo_cmd[@]}" "$@"; }

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
ok() { echo "ok: $*"; }
# check DESCRIPTION COMMAND...: counts a failure when the command fails.
check() {
    local description=$1
    shift
    if "$@"; then ok "$description"; else fail "$description"; fi
}

# ---- Build and pack ---------------------------------------------------------------------------
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVIK_TESTS=OFF
cmake --build "$build_dir" --parallel
rm -f "$build_dir"/zelvik_*.deb "$build_dir"/zelvik-*.tar.gz "$build_dir"/*.sha256
(cd "$build_dir" && cpack)

debs=("$build_dir"/zelvik_*.deb)
tarballs=("$build_dir"/zelvik-*.tar.gz)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ] || [ ${#tarballs[@]} -ne 1 ] ||
    [ ! -f "${tarballs[0]}" ]; then
    echo "FAIL: cpack did not make one .deb and one .tar.gz in $build_dir" >&2
    exit 1
fi
deb=${debs[0]}
echo "Packages: $deb ${tarballs[0]}"

dpkg-deb --info "$deb"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6; do
    check "the package depends on $library" grep -qw "$library" <<<"$depends"
done
project_version=$(sed -n 's/^project(zelvik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
check "the package version follows the project ($project_version)" \
    test "$(dpkg-deb --field "$deb" Version)" = "$project_version-1"
contents=$(tar -tzf "${tarballs[0]}")
check "the .tar.gz holds the launcher" grep -q '/bin/zelvik$' <<<"$contents"
check "the .tar.gz holds the program" grep -q '/lib/zelvik/zelvik$' <<<"$contents"

# ---- Install ----------------------------------------------------------------------------------
work=$(mktemp -d)
installed_by_us=0
cleanup() {
    if [ "$installed_by_us" = 1 ]; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zelvik >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

if dpkg-query -W -f='${Status}' zelvik 2>/dev/null | grep -q "install ok installed"; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zelvik
fi
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$root/$deb"
installed_by_us=1

files=$(dpkg -L zelvik)
# expect_file DESCRIPTION PATTERN: the one installed file matching PATTERN, left in $found.
expect_file() {
    found=$(grep -E "$2" <<<"$files" | head -n 1 || true)
    if [ -n "$found" ] && [ -f "$found" ]; then
        ok "$1: $found"
    else
        fail "$1: nothing installed matching $2"
    fi
}
expect_file "launcher" '^/usr/bin/zelvik$'
launcher=$found
expect_file "program" '^/usr/lib/zelvik/zelvik$'
program=$found
expect_file "desktop entry" '^/usr/share/applications/[^/]+\.desktop$'
desktop=$found
expect_file "AppStream metadata" '^/usr/share/metainfo/[^/]+\.metainfo\.xml$'
metainfo=$found
for size in 16x16 32x32 48x48; do
    expect_file "$size icon" "^/usr/share/icons/hicolor/$size/apps/[^/]+\\.png\$"
done
expect_file "scalable icon" '^/usr/share/icons/hicolor/scalable/apps/[^/]+\.svg$'
expect_file "player's guide" '^/usr/share/doc/zelvik/guide\.md$'
if [ -z "$launcher" ] || [ -z "$program" ] || [ -z "$desktop" ] || [ -z "$metainfo" ]; then
    echo "FAIL: the package is incomplete; not going on." >&2
    exit 1
fi

check "the launcher is executable" test -x "$launcher"
check "the program is an ELF executable" grep -q ELF <<<"$(file -L "$program")"

# ---- Validate the metadata --------------------------------------------------------------------
check "desktop-file-validate $desktop" desktop-file-validate "$desktop"
check "appstreamcli validate --no-net $metainfo" appstreamcli validate --no-net "$metainfo"
app_id=$(basename "$desktop" .desktop)
check "the desktop entry names the icon $app_id" grep -qx "Icon=$app_id" "$desktop"
check "the metadata names the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "the metadata carries the project version" \
    grep -q "<release version=\"$project_version\"" "$metainfo"

# ---- Start the installed program --------------------------------------------------------------
# It runs on the bots.ini beside it, so the launcher puts a copy into the add-on folder set for
# it, or into the per-user data folder while none is set. Everything stays inside $work.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$work/addon" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cp tests/data/sample-bots.ini "$work/addon/bots.ini"

# Runs the launcher for about three seconds; the program must still be open when time is up.
start_for_a_while() {
    local description=$1 status=0
    shift
    (cd "$work" && xvfb-run -a env "$@" timeout 3 zelvik) >"$work/run.log" 2>&1 || status=$?
    if [ "$status" = 124 ]; then
        ok "$description: the program was still running after three seconds"
    else
        cat "$work/run.log" >&2
        fail "$description: the program ended with status $status"
    fi
}

set_and_show() {
    zelvik --set-addon-folder "$work/addon" && test "$(zelvik --show-addon-folder)" = "$work/addon"
}
check "zelvik --set-addon-folder" set_and_show
start_for_a_while "offscreen, add-on folder set" QT_QPA_PLATFORM=offscreen
start_for_a_while "X11, add-on folder set" QT_QPA_PLATFORM=xcb
check "the program was copied into the add-on folder" cmp -s "$program" "$work/addon/zelvik"
check "starting left bots.ini alone" cmp -s tests/data/sample-bots.ini "$work/addon/bots.ini"

check "zelvik --clear-addon-folder" zelvik --clear-addon-folder
start_for_a_while "offscreen, no add-on folder" QT_QPA_PLATFORM=offscreen
check "without an add-on folder the program runs from $XDG_DATA_HOME/zelvik" \
    cmp -s "$program" "$XDG_DATA_HOME/zelvik/zelvik"

refuses_missing_folder() { ! zelvik --set-addon-folder "$work/missing" 2>/dev/null; }
check "a folder that does not exist is refused" refuses_missing_folder

# ---- Remove -----------------------------------------------------------------------------------
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zelvik
installed_by_us=0
gone() { [ ! -e "$launcher" ] && [ ! -e "$program" ] && [ ! -e "$desktop" ] && [ ! -e "$metainfo" ]; }
check "removing the package removed its files" gone

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed." >&2
    exit 1
fi
echo "All package checks passed."
