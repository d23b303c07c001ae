# shellcheck shell=bash
# Sourced by the end-to-end sessions: a work folder and a virtual X display of their own, both
# gone when the session ends, with the program it started, and the steps both sessions take.
# Sets work, DISPLAY and program_pid (for the session to fill in); window, X, Y, WIDTH and HEIGHT
# once find_window has found the program's window.
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
# shellcheck disable=SC2034 # set for the sessions that source this file
{
    window=""
    X=0
    Y=0
    WIDTH=0
    HEIGHT=0
}
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    [ -s "$work/program.log" ] && { echo "program output:" >&2; cat "$work/program.log" >&2; }
    exit 1
}
step() { echo "-- $*"; }

# Runs the command until it succeeds, at most TRIES times PAUSE seconds apart; false when it
# never did. Usage: wait_until TRIES PAUSE COMMAND...
wait_until() {
    local tries=$1 pause=$2
    shift 2
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep "$pause"
    done
    return 1
}

# A display of its own: Xvfb picks a free number and writes it to fd 3 once it is ready. False,
# with Xvfb's words printed, when it did not start.
display_ready() { [ -s "$work/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; }
start_display() {
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_until 100 0.1 display_ready || true
    [ -s "$work/display" ] || { cat "$work/xvfb.log"; return 1; }
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
}

# Waits up to SECONDS for the program's window, lets it settle SETTLE seconds (default none),
# reads its place and size and gives it the keyboard: no window manager runs here to do that.
find_window() {
    window=$(timeout "$1" xdotool search --sync --onlyvisible --name '^Vantrel Zelvik' |
        head -n 1) || true
    [ -n "$window" ] || fail "the program's window did not appear."
    sleep "${2:-0}"
    # shellcheck disable=SC2034 # getwindowgeometry sets them too; only the place and size count
    local WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool windowfocus "$window" 2>/dev/null || true
}

# A left click at x y inside the window, then a pause of click_pause seconds (default none).
click() {
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep "${click_pause:-0}"
}

# Waits for the window title to read "Vantrel Zelvik" followed by $1.
title_is() {
    local want="Vantrel Zelvik$1" got=""
    for _ in $(seq 100); do
        got=$(xdotool getwindowname "$window" 2>/dev/null) || got="(no window)"
        [ "$got" = "$want" ] && return 0
        sleep 0.05
    done
    fail "the window title is \"$got\", expected \"$want\"."
}

# Kills the program as a crash would (SIGKILL), leaving whatever it had on disk.
kill_program() {
    kill -KILL "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    window=""
}

# Waits for the program to end once its window was closed; it must end without an error.
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
wait_for_exit() {
    wait_until 100 0.1 program_ended ||
        fail "the program did not end when its window was closed."
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status."
}

# The sessions of the Linux program (player_session.sh, recovery_session.sh) from here on; they
# set zelvik, closewindow and data first.

# Exits 77 (skipped) when no X display can be had; under CI (CI set, as CI services set it) that
# is a failure instead, so that CI never passes without the session.
start_display_or_skip() {
    local tool
    for tool in Xvfb xdotool; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps.sh installs it)."
    done
    start_display || skip "Xvfb did not start."
}
skip() {
    case "${CI:-}" in
    "" | false | 0) ;;
    *) fail "$* Under CI the session may not be skipped." ;;
    esac
    echo "SKIPPED: $*"
    exit 77
}

# The add-on folder holds the program and the sample bots.ini; the settings store, home and
# runtime folders are private to this run. Sets addon.
# shellcheck disable=SC2154 # zelvik and data are the session's
set_up_addon_folder() {
    addon=$work/addon
    mkdir -p "$addon" "$work/config" "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    cp "$zelvik" "$addon/zelvik"
    cp "$data/sample-bots.ini" "$addon/bots.ini"
}

# Starts the program from another folder: it must find bots.ini beside itself, and returns at
# once (a question may come before the window). start_program also waits for the window.
launch_program() {
    (
        cd "$work/home" || exit
        # The clicks assume Qt's own look at 96 dpi: no desktop theme, style or scaling.
        exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE \
            -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
            HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
            QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$addon/zelvik"
    ) >>"$work/program.log" 2>&1 &
    program_pid=$!
}
start_program() {
    launch_program
    show_window
}
show_window() {
    find_window 20
    [ "$WIDTH.$HEIGHT" = "250.178" ] || fail "the window is ${WIDTH}x$HEIGHT, not 250x178."
}

# Closes the window as a window manager's close button would, and waits for the program to end.
# shellcheck disable=SC2154 # closewindow is the session's
close_program() {
    "$closewindow" "$window" || fail "could not send the close request."
    wait_for_exit
}

# Window-relative places: the tab strip runs across the top; the Bots and Maps frames start at
# y=16 and the INI frame at y=24, so a control's centre is frame offset + its geometry centre.
retype() { # x y text: click into a text box, select all it holds and type over it
    click "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 15 -- "$3"
}

# Waits for the question box titled $1, gives it the keyboard, presses the keys $2 (one or more,
# as xdotool names them) and waits for it to go.
answer_question() {
    local box
    box=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
    [ -n "$box" ] || fail "the question \"$1\" did not appear."
    # A key sent while the box is still being mapped can be lost: send it again until it goes.
    for _ in 1 2 3 4 5; do
        xdotool windowfocus "$box" 2>/dev/null || true
        sleep 0.3
        # shellcheck disable=SC2086 # one key or several
        xdotool key $2 2>/dev/null || true
        for _ in $(seq 20); do
            xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || break 2
            sleep 0.05
        done
    done
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && fail "the question \"$1\" stayed."
    [ -z "$window" ] || xdotool windowfocus "$window" 2>/dev/null || true
}

# Opens the Roster window with Ctrl+L from the main window and gives it the keyboard; sets
# roster.
roster_window() {
    xdotool key ctrl+l
    roster=$(timeout 10 xdotool search --sync --onlyvisible --name '^Roster - Vantrel Zelvik$' |
        head -n 1) || true
    [ -n "$roster" ] || fail "the Roster window did not appear."
    sleep 0.3
    xdotool windowfocus --sync "$roster" 2>/dev/null || true
}

tab_bots() { click 40 10; }
tab_maps() { click 125 10; }
tab_ini() { click 208 10; }
bot_name() { retype 132 41 "$1"; }
bot_left() { click 211 44; }   # botPager's arrows
bot_right() { click 229 44; }
map_left() { click 211 46; }   # mapPager's arrows
map_right() { click 229 46; }
add_entry() { click 40 140; }  # addMapButton / addBotButton sit at the same place on their pages
remove_entry() { click 120 140; }
save_ini() { click 223 148; }
