#!/usr/bin/env bash
# A crash with unsaved edits, on a virtual X display: the program is killed (SIGKILL) after an
# edit, once its recovery copy is kept; a text editor then renames another bot. The next start
# offers the copy: "Restore" shows the edit without writing bots.ini, and "Save INI" asks before
# it overwrites the text editor's change. Killed again after another edit, "Discard" drops the
# copy and leaves bots.ini as saved, with nothing left to ask at closing.
#
# Usage: recovery_session.sh ZELVIK CLOSEWINDOW DATA_DIR
# Exits 77 (skipped) when no X display can be had, except under CI.
set -euo pipefail

zelvik=$1
closewindow=$2
data=$3

# shellcheck source=session.sh
source "$(dirname "$0")/session.sh"

start_display_or_skip
set_up_addon_folder
copies=$work/home/.local/share/Zelvik/recovery

copy_kept() { compgen -G "$copies/*.recovery" >/dev/null; }
copy_holds() { copy_kept && grep -q "Name            = $1" "$copies"/*.recovery; }
bots_ini_unchanged() {
    cmp -s "$1" "$addon/bots.ini" || fail "bots.ini changed before Save INI ($2)."
}

step "edit bot 1's name: a copy is kept within two seconds; then the program is killed"
start_program
bot_name Zed
wait_until 30 0.1 copy_holds Zed || fail "no recovery copy of the edit was kept."
kill_program
bots_ini_unchanged "$data/sample-bots.ini" "after the kill"
copy_kept || fail "the kill took the recovery copy with it."

step "a text editor renames bot 2 in bots.ini"
sed -i 's/= Gordon\r$/= Gordo\r/' "$addon/bots.ini"
cp "$addon/bots.ini" "$work/changed.ini"

step "start again: Enter restores the edit, and bots.ini is not written"
launch_program
answer_question "Recover unsaved edits" Return
show_window
title_is "  (Bot  1 of 3)"
sleep 1.5
bots_ini_unchanged "$work/changed.ini" "after Restore"

step "Save INI asks first: Escape keeps the text editor's change"
tab_ini
title_is ""
save_ini
answer_question "Save INI" Escape
bots_ini_unchanged "$work/changed.ini" "after Cancel"

step "Alt+O writes the restored roster over it and removes the copy"
save_ini
answer_question "Save INI" alt+o
wait_until 50 0.1 grep -q 'Name            = Zed' "$addon/bots.ini" ||
    fail "Save INI did not write the restored edit."
grep -q 'Name            = Gordon' "$addon/bots.ini" || fail "the older roster was not put back."
wait_until 30 0.1 eval '! copy_kept' || fail "the recovery copy outlived Save INI."
cp "$addon/bots.ini" "$work/saved.ini"

step "edit again, killed; Alt+D discards the copy and bots.ini stays as saved"
tab_bots
title_is "  (Bot  1 of 3)"
bot_name Yan
wait_until 30 0.1 copy_holds Yan || fail "no recovery copy of the second edit was kept."
kill_program
launch_program
answer_question "Recover unsaved edits" alt+d
show_window
copy_kept && fail "Discard left the recovery copy."
bots_ini_unchanged "$work/saved.ini" "after Discard"

step "nothing is unsaved: the window closes without a question"
close_program
bots_ini_unchanged "$work/saved.ini" "after closing"
copy_kept && fail "closing left a recovery copy."

echo "PASSED: a killed program's edits came back through the recovery copy, and only on request."
