#!/usr/bin/env bash
# Takes the guide's screenshots from the real program: builds it if needed, starts it on a virtual
# display beside the sample roster, clicks each tab and writes docs/images/{bots,maps,ini}.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${ZELVIK_BUILD_DIR:-build}

bash scripts/deps.sh build display session
if [ -f "$build_dir/build.ninja" ] || [ -f "$build_dir/Makefile" ]; then
    cmake --build "$build_dir" --target zelvik
else
    bash scripts/build.sh
fi

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    local pid
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The program works on the bots.ini beside itself: give it a folder of its own with the sample.
mkdir -p "$work/addon" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build_dir/zelvik" "$work/addon/zelvik"
cp tests/data/sample-bots.ini "$work/addon/bots.ini"

# A virtual display of its own; Xvfb names the display it took once it is ready.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start." >&2; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY

# Settings go to an empty store, so the INI page shows the defaults and nothing of the user's.
(
    cd "$work/addon"
    exec env XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 ./zelvik
) >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name "Vantrel Zelvik" | head -n 1)
[ -n "$window" ] || { echo "The program's window did not appear." >&2; exit 1; }

# The tab strip runs across the top of the window: "Bots", "Maps" and "INI" in 250 pixels. Each
# click is checked by the caption the page sets.
shoot() {
    local name=$1 x=$2 caption=$3
    xdotool mousemove --window "$window" "$x" 10 click 1
    local title=""
    for _ in $(seq 50); do
        title=$(xdotool getwindowname "$window")
        [[ $title == "$caption" ]] && break
        sleep 0.1
    done
    [[ $title == "$caption" ]] || {
        echo "The $name tab did not open: the caption is \"$title\"." >&2
        exit 1
    }
    # Keep the pointer off the window, so no control is drawn highlighted.
    xdotool mousemove 600 460
    sleep 0.5
    import -window "$window" -strip -define png:exclude-chunks=date,time \
        "png:$root/docs/images/$name.png"
    echo "docs/images/$name.png ($title)"
}

mkdir -p docs/images
shoot maps 125 "Vantrel Zelvik  (Map  1 of 3)"
shoot ini 208 "Vantrel Zelvik"
shoot bots 41 "Vantrel Zelvik  (Bot  1 of 3)"
