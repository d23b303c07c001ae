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
