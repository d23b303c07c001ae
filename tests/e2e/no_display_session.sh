#!/usr/bin/env bash
# Bad input from a terminal without a display: the reason on standard error, exit status 2, and
# nothing written. Usage: no_display_session.sh ZELVIK
set -u
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
    HOME="$home" "$1" --bogus 2>"$home/err"
status=$?
cat "$home/err"
[ "$status" = 2 ] || { echo "FAILED: exit status $status, not 2" >&2; exit 1; }
grep -q "Unknown option 'bogus'" "$home/err" || { echo "FAILED: no reason printed" >&2; exit 1; }
[ "$(ls -A "$home")" = err ] || { echo "FAILED: wrote $(ls -A "$home")" >&2; exit 1; }
