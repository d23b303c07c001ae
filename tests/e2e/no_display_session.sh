#!/usr/bin/env bash
# The built program started from a terminal without a display: the command line is checked
# before any window system starts, so bad input prints its reason and ends with status 2, and
# --version still answers.
# Usage: no_display_session.sh ZELVIK
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
        HOME="$work" "$program" "$@" >"$work/out" 2>"$work/err"
}

run --bogus
status=$?
[ "$status" = 2 ] || fail "--bogus ended with $status, not 2: $(cat "$work/err")"
grep -q "Unknown option 'bogus'" "$work/err" || fail "no reason on standard error: $(cat "$work/err")"
[ "$(ls -A "$work")" = "$(printf 'err\nout')" ] || fail "bad input wrote: $(ls -A "$work")"

run "$work/missing"
[ $? = 2 ] || fail "a missing folder did not end with 2"
grep -q "does not exist." "$work/err" || fail "no reason for a missing folder: $(cat "$work/err")"

run --version
[ $? = 0 ] || fail "--version did not end with 0"
grep -q "^Zelvik " "$work/out" || fail "--version printed: $(cat "$work/out")"
echo "no-display session passed"
