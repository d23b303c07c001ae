#!/usr/bin/env bash
# A player's session with the built program on a virtual X display, driven by real mouse and
# keyboard events (xdotool): edit bots and maps, page with wrap-around, add and remove entries,
# switch tabs by mouse and by keyboard, "Save INI", close the window; then start the program
# again and check that the roster, the game path and the window place come back.
#
# Usage: player_session.sh ZELVIK CLOSEWINDOW DATA_DIR
# Exits 77 (skipped) when no X display can be had; under CI (CI set, as CI services set it) that
# is a failure instead, so that CI never passes without the session.
set -euo pipefail

zelvik=$1
closewindow=$2
data=$3

# shellcheck source=session.sh
source "$(dirname "$0")/session.sh"

start_display_or_skip

set_up_addon_folder
settings=$work/config/Zelvik/Zelvik.conf

# The bots.ini the session must leave, written out from the file layout: the maps, then the
# bots, every section followed by an empty line, all lines ending in CR LF, and one more CR LF
# at the end of the file.
expected=$work/expected.ini
sed 's/$/\r/' >"$expected" <<'EOF'
[Map]
Name            = stalkyard
Quantity        = 8
Random          = Yes
InitialDelay    = 10
SpawnDelay      = 5
WaitForPlayers  = 1
KeepServerFull  = 0

[DefaultMap]
Quantity        = 2
Random          = Yes
InitialDelay    = 1
SpawnDelay      = 1
WaitForPlayers  = 0
KeepServerFull  = 0

[Map]
Name            = Map3
Quantity        = 1
Random          = No
InitialDelay    = 1
SpawnDelay      = 1
WaitForPlayers  = 0
KeepServerFull  = 0

[Bot]
Name            = Otis
Model           = scientist
TopColor        = 77
BottomColor     = 5

[Bot]
Name            = Gina
Model           = gina
TopColor        = 255
BottomColor     = 1

[Bot]
Name            = Kelly
Model           = Barney
TopColor        = 1
BottomColor     = 1

EOF
printf '\r\n' >>"$expected"

bots_ini_is_expected() {
    wait_until 100 0.05 cmp -s "$expected" "$addon/bots.ini" && return 0
    diff <(cat -A "$expected") <(cat -A "$addon/bots.ini") >&2 || true
    fail "bots.ini is not what the session should have written ($1)."
}
setting_is() {
    grep -qxF -- "$1=$2" "$settings" 2>/dev/null || {
        cat "$settings" >&2 2>/dev/null || true
        fail "the settings store does not hold $1=$2 ($3)."
    }
}

game_path=/games/Half-Life/hl.exe

step "first start beside the three-bot, three-map sample"
start_program
title_is "  (Bot  1 of 3)"
[ "$X.$Y" = "66.66" ] || fail "the window opened at $X,$Y, not at the default 66,66."

step "edit bot 1: name, model, both colours typed"
bot_name Otis
retype 110 66 scientist
retype 212 89 77
retype 212 113 5

step "page with wrap-around: left of bot 1 is the last bot, right of it is bot 1 again"
bot_left
title_is "  (Bot  3 of 3)"
bot_right
title_is "  (Bot  1 of 3)"

step "add a bot and name it"
add_entry
title_is "  (Bot  4 of 4)"
bot_name Kelly

step "remove bot 2"
bot_right
title_is "  (Bot  1 of 4)"
bot_right
title_is "  (Bot  2 of 4)"
remove_entry
title_is "  (Bot  1 of 3)"

step "Maps tab by mouse; edit map 1: name and bot quantity"
tab_maps
title_is "  (Map  1 of 3)"
retype 116 42 stalkyard
retype 112 65 8

step "remove map 2, wrap left to the default map and tick Random, add a map"
map_right
title_is "  (Map  2 of 3)"
remove_entry
title_is "  (Map  1 of 2)"
map_left
title_is "  (Map  2 of 2)"
click 160 64
add_entry
title_is "  (Map  3 of 3)"

step "INI tab by keyboard: Tab from the map name to the tab strip, then Right"
click 116 42
xdotool key Tab
xdotool key Right
title_is ""

step "type the game path and parameters, Save INI"
retype 136 137 "$game_path"
retype 136 161 "-dev"
save_ini
bots_ini_is_expected "after Save INI"
setting_is HLPath "$game_path" "after Save INI"
setting_is HLParameters "-dev" "after Save INI"
grep -q '^MainLeft=' "$settings" && fail "Save INI stored the window place; only closing does."

step "change the parameters and close the window"
retype 136 161 "-dev -console"
close_program
bots_ini_is_expected "closing must leave bots.ini alone"
setting_is HLPath "$game_path" "after closing"
setting_is HLParameters "-dev -console" "after closing"
setting_is MainLeft 990 "the place the window had, in twips"
setting_is MainTop 990 "the place the window had, in twips"
setting_is MainWidth 3750 "250 px in twips"
setting_is MainHeight 2670 "178 px in twips"

step "start again at a stored place; the roster comes back"
sed -i -e 's/^MainLeft=.*/MainLeft=1500/' -e 's/^MainTop=.*/MainTop=750/' "$settings"
start_program
[ "$X.$Y" = "100.50" ] || fail "the window opened at $X,$Y, not at the stored 100,50."
title_is "  (Bot  1 of 3)"
bot_left
title_is "  (Bot  3 of 3)"
tab_maps
title_is "  (Map  1 of 3)"
map_left
title_is "  (Map  3 of 3)"

step "Save INI over another program's edit asks first: Escape keeps that edit, Overwrite writes"
# Spoil the file on disk: only the roster the program holds can bring it back.
printf 'stale\r\n' >"$addon/bots.ini"
tab_ini
title_is ""
save_ini
answer_question "Save INI" Escape
[ "$(od -An -c "$addon/bots.ini" | tr -d ' \n')" = 'stale\r\n' ] ||
    fail "Cancel let Save INI overwrite the other program's edit."
save_ini
answer_question "Save INI" alt+o
bots_ini_is_expected "saved again after the restart"

step "the Roster window: two bots' model set at once with Ctrl+Enter, then Save INI"
tab_bots
title_is "  (Bot  3 of 3)"
roster_window
# The current cell is bot 3's name: Right to its model, Shift+Up takes bot 2 along.
xdotool key Right shift+Up
xdotool type --delay 15 hgrunt
xdotool key ctrl+Return
xdotool key ctrl+l
xdotool windowfocus --sync "$window" 2>/dev/null || true
title_is "  (Bot  3 of 3)"
tab_ini
save_ini
wait_until 100 0.05 grep -c 'Model           = hgrunt' "$addon/bots.ini" >/dev/null ||
    fail "Save INI did not write the models set in the Roster window."
[ "$(grep -c 'Model           = hgrunt' "$addon/bots.ini")" = 2 ] ||
    fail "the Roster window set the model of other than the two bots selected."

step "close with an unsaved edit: Escape keeps the window open, Enter saves and closes"
tab_maps
retype 116 42 crossfire
"$closewindow" "$window" || fail "could not send the close request."
answer_question "Unsaved changes" Escape
title_is "  (Map  3 of 3)"
grep -q crossfire "$addon/bots.ini" && fail "the file was written although the player cancelled."
tab_ini
"$closewindow" "$window" || fail "could not send the close request."
answer_question "Unsaved changes" Return
wait_for_exit
grep -q 'Name            = crossfire' "$addon/bots.ini" || fail "Save at closing did not save."

step "the game path and parameters shown on the INI page were stored again at closing"
setting_is HLPath "$game_path" "the path box showed the stored path"
setting_is HLParameters "-dev -console" "the parameters box showed the stored parameters"
setting_is MainLeft 1500 "the window stayed where it opened"
setting_is MainTop 750 "the window stayed where it opened"

echo "PASSED: the player's session gave the expected bots.ini and settings."
