#!/usr/bin/env bash
# A player's session with zelvik.exe under Wine on a virtual X display: rename a bot, store it with
# a tab click, "Save INI", set two bots' model at once in the Roster window and save again, close; then check bots.ini byte for byte where the session changed it
# and the settings in the registry. Then kill it after an edit (SIGKILL, as a crash ends it),
# rename another bot as a text editor would, start it again: the recovery copy is restored without
# writing bots.ini, "Save INI" asks before it overwrites the rename, and Discard at closing drops
# the copy. Run by scripts/windows-test.sh, inside its throwaway WINEPREFIX, which must be set.
#
# Usage: wine_session.sh ZELVIK_EXE DATA_DIR
set -euo pipefail

exe=$1
data=$2
[ -n "${WINEPREFIX:-}" ] || { echo "FAILED: WINEPREFIX is not set" >&2; exit 1; }
# The program opens a real window: none of the settings the unit tests run offscreen with.
unset WINEQT_QPA_PLATFORM WINEQT_FORCE_STDERR_LOGGING WINEQT_QPA_FONTDIR

# shellcheck source=session.sh
source "$(dirname "$0")/session.sh"
# Each click waits a little: the window under Wine takes longer to follow.
click_pause=0.2

# The session never skips: a missing tool is a failure.
for tool in wine wineserver Xvfb xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed."
done

start_display || fail "Xvfb did not start."

# The program is dropped into the add-on folder beside bots.ini, as a player does.
addon=$work/addon
mkdir -p "$addon"
cp "$exe" "$addon/zelvik.exe"
cp "$data/sample-bots.ini" "$addon/bots.ini"
key='HKCU\Software\VB and VBA Program Settings\Zelvik\Settings'
wine reg delete 'HKCU\Software\VB and VBA Program Settings\Zelvik' /f >/dev/null 2>&1 || true

# Starts zelvik.exe, and returns at once (a question may come before the window); start_exe
# also waits for the window.
launch_exe() {
    (cd "$work" && exec wine "$addon/zelvik.exe") >>"$work/program.log" 2>&1 &
    program_pid=$!
}
start_exe() {
    launch_exe
    find_window 60 1
}

step "start zelvik.exe"
start_exe
title_is "  (Bot  1 of 3)"

step "rename bot 1, page right and back, INI tab, Save INI"
click 132 41
xdotool key ctrl+a
xdotool type --delay 30 -- "Wineguy"
click 229 44
title_is "  (Bot  2 of 3)"
click 211 44
title_is "  (Bot  1 of 3)"
click 208 10
title_is ""
click 223 148

step "bots.ini: the renamed bot, the rest as it was, CR LF line ends, one more at the end"
wait_until 100 0.1 grep -q 'Wineguy' "$addon/bots.ini" ||
    fail "Save INI did not write the renamed bot."
[ "$(grep -c $'\r$' "$addon/bots.ini")" = "$(wc -l <"$addon/bots.ini")" ] ||
    fail "a line of bots.ini does not end in CR LF."
[ "$(tail -c 4 "$addon/bots.ini" | od -An -c | tr -d ' \n')" = '\r\n\r\n' ] ||
    fail "bots.ini does not end in an empty line."
grep -q "$(printf 'Name            = Gordon\r')" "$addon/bots.ini" || fail "bot 2 was lost."
# One line for the whole file, CR as "~" and LF as "#", to look for the section's lines together.
tr '\r\n' '~#' <"$addon/bots.ini" |
    grep -qF '[Bot]~#Name            = Wineguy~#Model           = Barney~#' ||
    fail "the renamed bot's section is not as written."

step "the Roster window: two bots' model set at once with Ctrl+Enter, then Save INI"
click 40 10
title_is "  (Bot  1 of 3)"
roster_window
# The current cell is bot 1's name: Right to its model, Shift+Down takes bot 2 along.
xdotool key Right shift+Down
xdotool type --delay 30 hgrunt
xdotool key ctrl+Return
xdotool key ctrl+l
xdotool windowfocus --sync "$window" 2>/dev/null || true
click 208 10
title_is ""
click 223 148
wait_until 100 0.1 grep -q 'Model           = hgrunt' "$addon/bots.ini" ||
    fail "Save INI did not write the models set in the Roster window."
[ "$(grep -c 'Model           = hgrunt' "$addon/bots.ini")" = 2 ] ||
    fail "the Roster window set the model of other than the two bots selected."

step "close with Alt+F4: nothing unsaved, the program ends and the registry holds the settings"
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key alt+F4
wait_for_exit
settings=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for name in HLPath HLParameters MainLeft MainTop MainWidth MainHeight; do
    grep -q "^ *$name" <<<"$settings" || fail "the registry has no $name: $settings"
done
grep -q 'HLParameters *REG_SZ *-nointro$' <<<"$settings" ||
    fail "HLParameters is not the shown -nointro: $settings"
grep -q 'MainWidth *REG_SZ *3750$' <<<"$settings" || fail "MainWidth is not 250 px in twips: $settings"

step "killed after an edit, bots.ini changed meanwhile: the next start offers the recovery copy; Restore leaves bots.ini alone"
cp "$addon/bots.ini" "$work/saved.ini"
copies=("$WINEPREFIX"/drive_c/users/*/AppData/Roaming)
copy_holds() { grep -qs 'Name            = Crashguy' "${copies[0]}"/Zelvik/recovery/*.recovery; }
start_exe
click 132 41
xdotool key ctrl+a
xdotool type --delay 30 -- "Crashguy"
wait_until 50 0.1 copy_holds || fail "no recovery copy of the edit was kept."
kill_program
sed -i 's/= Gordon\r$/= Gordo\r/' "$addon/bots.ini"
cp "$addon/bots.ini" "$work/saved.ini"
launch_exe
answer_question "Recover unsaved edits" Return
find_window 60 1
cmp -s "$work/saved.ini" "$addon/bots.ini" || fail "bots.ini changed before Save INI."

step "Save INI asks before it overwrites the text editor's change: Escape keeps it"
click 208 10
title_is ""
click 223 148
answer_question "Save INI" Escape
cmp -s "$work/saved.ini" "$addon/bots.ini" || fail "Save INI overwrote the text editor's change."

step "closing asks about the restored edit: Discard closes, and the copy goes with it"
xdotool key alt+F4
answer_question "Unsaved changes" alt+d
wait_for_exit
cmp -s "$work/saved.ini" "$addon/bots.ini" || fail "Discard at closing wrote bots.ini."
copy_holds && fail "the recovery copy outlived Discard at closing."

echo "PASSED: the player's session under Wine gave the expected bots.ini and registry values."
