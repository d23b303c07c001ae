#!/usr/bin/env bash
# Cross-builds for Windows (scripts/windows-build.sh) and runs the unit tests under Wine, in a
# throwaway Wine prefix so that the player's own Wine settings and registry are never touched.
# Extra arguments go to CTest (for example -R tst_botsini).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_WIN_BUILD_DIR:-build-win}

# Liberation fonts for the offscreen platform, and the virtual display and xdotool the player's
# session runs on; scripts/windows-qt.sh installs the cross compilers and Wine.
bash scripts/deps.sh build display session
bash scripts/windows-build.sh

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/zelvik-wine.XXXXXX")
export WINEPREFIX
export WINEDEBUG=-all
# Wine names the Unix files in the locale's encoding: in a shell with no UTF-8 locale (a bare CI
# shell may have none) a file name with accents, as the tests make, cannot be written.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
*UTF-8* | *utf8*) ;;
*) export LC_ALL=C.UTF-8 ;;
esac
# A server that is ending may still write the registry into the prefix while it is removed: try
# again until nothing is left, and never let the tidying decide the run's outcome.
cleanup() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    for _ in 1 2 3 4 5; do
        rm -rf "$WINEPREFIX" 2>/dev/null && [ ! -e "$WINEPREFIX" ] && return 0
        sleep 1
    done
    echo "windows-test: could not remove $WINEPREFIX" >&2
}
trap cleanup EXIT

# No .NET or browser engine: the tests need neither, and their installers would ask for downloads.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i
# Wine reports Windows 7 unless told otherwise; Qt 6 expects Windows 10.
wine winecfg -v win10
# Wine maps the whole Unix file system as drive Z:, where a stray path (a registry key taken for a
# file name, say) would quietly find whatever an earlier run left below /. The tests get only the
# drives they need instead: S: the checkout (test data), B: the build folder (the programs), and
# the fonts inside C:; anything else is not there for them. tests/CMakeLists.txt names the same
# drives. wineboot makes z: only with a new prefix, so it stays gone.
wineserver -w
rm -f "$WINEPREFIX/dosdevices/z:"
ln -s "$PWD" "$WINEPREFIX/dosdevices/s:"
ln -s "$(cd "$build_dir" && pwd)" "$WINEPREFIX/dosdevices/b:"
ln -s /usr/share/fonts/truetype/liberation "$WINEPREFIX/drive_c/fonts"
# A persistent server and Wine's helper processes, started before CTest: started by the first
# test instead, they would inherit CTest's output pipe and hold that test open until its timeout.
# The server wineboot started is gone (above), so the persistent one can start.
wineserver -p
wine cmd /c exit

# Wine hands Unix variables named QT_* to Windows programs only as WINEQT_*. Without a console,
# QtTest would log to the debugger instead of stderr. On Windows the offscreen platform finds
# fonts only in QT_QPA_FONTDIR.
export WINEQT_QPA_PLATFORM=offscreen
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR='C:\fonts'

# A filter that matches nothing, or a build without tests, fails rather than passing on nothing.
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error "$@"

# A player's session with zelvik.exe on a virtual display, its file and registry checked. Wine's
# desktop process, started above without a display, would keep the program's window off the
# screen: the session starts Wine afresh.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
# Its work folder lies inside the prefix, on C:, the one drive that is there for it.
TMPDIR="$WINEPREFIX/drive_c" bash tests/e2e/wine_session.sh "$build_dir/zelvik.exe" tests/data
