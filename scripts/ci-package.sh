#!/usr/bin/env bash
# Builds the packages into build-pkg/, installs the .deb, checks what it put where, validates the
# desktop entry and the AppStream metadata, checks that a bots.ini is of the program's own MIME
# type, which GLib and xdg-mime open with the program, and that other text files are not; starts
# the installed program through GLib from its desktop entry, as a menu does, on a home with the
# game installed (it must open and save the add-on's bots.ini, copying nothing), and removes it
# again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=build-pkg

# The build's packages, the package tools and validators, and a virtual display the installed
# program is driven on.
bash scripts/deps.sh build package display session

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
as_root() { "${sudo_cmd[@]}" "$@"; }

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
ok() { echo "ok: $*"; }
# not COMMAND...: succeeds when the command fails.
not() { ! "$@"; }
# check DESCRIPTION COMMAND...: counts a failure when the command fails.
check() {
    local description=$1
    shift
    if "$@"; then ok "$description"; else fail "$description"; fi
}

# ---- Build and pack ---------------------------------------------------------------------------
# The prefix the .deb installs to, so the program knows its installed folder.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVIK_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr
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
check "the .tar.gz holds the program" grep -q '/bin/zelvik$' <<<"$contents"

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
expect_file "program" '^/usr/bin/zelvik$'
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
expect_file "MIME type of bots.ini" '^/usr/share/mime/packages/[^/]+\.xml$'
mime_xml=$found
if [ -z "$program" ] || [ -z "$desktop" ] || [ -z "$metainfo" ] || [ -z "$mime_xml" ]; then
    echo "FAIL: the package is incomplete; not going on." >&2
    exit 1
fi

check "the program is executable" test -x "$program"
check "the program is an ELF executable" grep -q ELF <<<"$(file -L "$program")"

# ---- Validate the metadata --------------------------------------------------------------------
check "desktop-file-validate $desktop" desktop-file-validate "$desktop"
check "appstreamcli validate --no-net $metainfo" appstreamcli validate --no-net "$metainfo"
app_id=$(basename "$desktop" .desktop)
check "the desktop entry names the icon $app_id" grep -qx "Icon=$app_id" "$desktop"
check "the desktop entry opens a file named to it" grep -qx "Exec=zelvik %f" "$desktop"
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_xml")
check "the desktop entry opens bots.ini, of type ${mime_type:-(none)}, and nothing else" \
    grep -qx "MimeType=$mime_type;" "$desktop"
check "the metadata names the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "the metadata carries the project version" \
    grep -q "<release version=\"$project_version\"" "$metainfo"

# ---- Start the installed program --------------------------------------------------------------
# A home where the store client installed the game with the bot add-on, and nothing set up for
# Zelvik: started from the menu entry, the program must find the add-on's bots.ini on its own,
# open it and save it there. Everything stays inside $work.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
# The store client lives in the user's data folder, $XDG_DATA_HOME where it is set.
game="$XDG_DATA_HOME/Steam/steamapps/common/Half-Life"
mkdir -p "$game/vantrel" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '#!/bin/sh\n' >"$game/hl_linux"
chmod 755 "$game/hl_linux"
cp tests/data/sample-bots.ini "$game/vantrel/bots.ini"
bots=$(grep -ci '^\[bot\]' tests/data/sample-bots.ini)

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
program_pid=""
stop_session() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    cleanup
}
trap stop_session EXIT

# A file manager's "Open with": a bots.ini in any letter case is of the program's own type, which
# the desktop entry opens, and other text files are not offered the program. xdg-mime asks GLib
# for a file's type as the desktops that use GLib do (otherwise it would ask file(1), which knows
# no names). GLib must load the entry: a TryExec it cannot find on the PATH, or a malformed
# entry, hides it.
mkdir -p "$work/files"
for name in bots.ini Bots.ini BOTS.INI notes.txt; do
    cp tests/data/sample-bots.ini "$work/files/$name"
done
file_type() { XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$work/files/$1"; }
for name in bots.ini Bots.ini BOTS.INI; do
    check "xdg-mime: $name is a $mime_type" test "$(file_type "$name")" = "$mime_type"
done
check "xdg-mime: notes.txt is text/plain" test "$(file_type notes.txt)" = text/plain
# The applications GLib registers for a type (gio mime TYPE lists them, one a line after a tab).
registered() {
    gio mime "$1" | sed -n '/^Registered applications:/,/^[^[:space:]]/p' | grep -qxF $'\t'"$2"
}
check "gio mime: the program opens a $mime_type" registered "$mime_type" "$app_id.desktop"
check "xdg-mime: the program is the default for a $mime_type" \
    test "$(xdg-mime query default "$mime_type")" = "$app_id.desktop"
# GLib lists a type's handlers only once the type has a default: for text/plain a stand-in of
# our own, in $XDG_DATA_HOME and $XDG_CONFIG_HOME, inside $work.
mkdir -p "$XDG_DATA_HOME/applications"
printf '%s\n' "[Desktop Entry]" "Type=Application" "Name=Stand-in" "Exec=true %f" \
    "NoDisplay=true" "MimeType=text/plain;" >"$XDG_DATA_HOME/applications/stand-in.desktop"
gio mime text/plain stand-in.desktop >/dev/null
check "gio mime: text/plain has handlers, the stand-in among them" \
    registered text/plain stand-in.desktop
check "gio mime: the program is not offered for text/plain" \
    not registered text/plain "$app_id.desktop"

# Started as a menu starts it: GLib reads the entry and runs its Exec line with no file named.
# The program is then GLib's child, not this shell's; its window names its process. Qt's own look
# at 96 dpi, so the clicks below land on their controls.
launched() {
    (cd "$work" && exec env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR \
        QT_QPA_PLATFORM=xcb gio launch "$desktop") >"$work/run.log" 2>&1
}
check "gio launch $desktop" launched
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantrel Zelvik' | head -n 1) ||
    true
program_pid=$(xdotool getwindowpid "$window" 2>/dev/null) || true
check "the program opened the add-on's bots.ini ($bots bots)" \
    test "$(xdotool getwindowname "$window" 2>/dev/null)" = "Vantrel Zelvik  (Bot  1 of $bots)"

# Adds "zz" to the first bot's name, then presses Save INI on the INI page.
X=0 Y=0
eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || true
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1 || true; }
xdotool windowfocus "$window" 2>/dev/null || true
click 190 41
xdotool key End type --delay 15 zz || true
click 208 10
click 223 148
saved() {
    for _ in $(seq 50); do
        grep -q $'^Name            = Barneyzz\r$' "$game/vantrel/bots.ini" && return 0
        sleep 0.1
    done
    return 1
}
check "Save INI wrote the add-on's bots.ini" saved
check "the add-on folder is kept for the next start" \
    grep -qx "AddonFolder=$game/vantrel" "$XDG_CONFIG_HOME/Zelvik/Zelvik.conf"
# Not this shell's child, so polled until it has ended (or is left for its parent to reap).
if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    for _ in $(seq 50); do
        state=$(awk '{ print $3 }' "/proc/$program_pid/stat" 2>/dev/null) || state=""
        [ -z "$state" ] || [ "$state" = Z ] && break
        sleep 0.1
    done
fi
program_pid=""
if [ -s "$work/run.log" ]; then cat "$work/run.log" >&2; fi
copies=$(find "$work" -name zelvik ! -type d)
check "no program file was copied anywhere${copies:+: $copies}" test -z "$copies"

# Bad input: the reason on standard error and in a message box, status 2 once it is closed.
(cd "$work" && exec env QT_QPA_PLATFORM=xcb zelvik "$work/missing") 2>"$work/bad.log" &
program_pid=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantrel Zelvik$' | head -n 1) || true
for _ in 1 2 3 4 5; do
    kill -0 "$program_pid" 2>/dev/null || break
    xdotool windowfocus "$box" 2>/dev/null || true
    sleep 0.3
    xdotool key Return 2>/dev/null || true
done
status=0
wait "$program_pid" || status=$?
program_pid=""
check "a folder that does not exist ends the program with status 2" test "$status" = 2
check "and says why" grep -q "missing does not exist" "$work/bad.log"
help_works() { zelvik --help | grep -q 'FOLDER | FILE'; }
check "zelvik --help" help_works

# ---- Remove -----------------------------------------------------------------------------------
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zelvik
installed_by_us=0
gone() { [ ! -e "$program" ] && [ ! -e "$desktop" ] && [ ! -e "$metainfo" ] && [ ! -e "$mime_xml" ]; }
check "removing the package removed its files" gone

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed." >&2
    exit 1
fi
echo "All package checks passed."
