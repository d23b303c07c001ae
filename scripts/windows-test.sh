#!/usr/bin/env bash
# Cross-builds for Windows (scripts/windows-build.sh) and runs the unit tests under Wine, in a
# throwaway Wine prefix so that the player's own Wine settings and registry are never touched.
# Extra arguments go to CTest (for example -R tst_botsini).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZELVIK_WIN_BUILD_DIR:-build-win}

# Liberation fonts for the offscreen platform, besides what the build needs.
bash scripts/deps.sh
bash scripts/windows-build.sh

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/zelvik-wine.XXXXXX")
export WINEPREFIX
export WINEDEBUG=-all
cleanup() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

# No .NET or browser engine: the tests need neither, and their installers would ask for downloads.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i
# Wine reports Windows 7 unless told otherwise; Qt 6 expects Windows 10.
wine winecfg -v win10
# A persistent server and Wine's helper processes, started before CTest: started by the first
# test instead, they would inherit CTest's output pipe and hold that test open until its timeout.
# The server wineboot started must be gone first, or the persistent one cannot start.
wineserver -w
wineserver -p
wine cmd /c exit

# Wine hands Unix variables named QT_* to Windows programs only as WINEQT_*. Without a console,
# QtTest would log to the debugger instead of stderr. On Windows the offscreen platform finds
# fonts only in QT_QPA_FONTDIR.
export WINEQT_QPA_PLATFORM=offscreen
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR=/usr/share/fonts/truetype/liberation

# A filter that matches nothing, or a build without tests, fails rather than passing on nothing.
ctest --test-dir "$build_dir" --output-on-failure --timeout 300 --no-tests=error "$@"

# A player's session with zelvik.exe on a virtual display, its file and registry checked. Wine's
# desktop process, started above without a display, would keep the program's window off the
# screen: the session starts Wine afresh.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
bash tests/e2e/wine_session.sh "$build_dir/zelvik.exe" tests/data
