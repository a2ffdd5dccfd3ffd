#!/bin/sh
# Runs a command on a virtual X server with the openbox window manager, so
# that tests see the stacking and focus a pupil's desktop gives. Exits 77
# (skipped) when Xvfb, openbox or xprop is missing.
#   under_window_manager.sh COMMAND [ARGS...]
for tool in Xvfb openbox xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool not found: test skipped"
        exit 77
    fi
done

work=$(mktemp -d)
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log"
    echo "Xvfb did not start"
    exit 1
fi
DISPLAY=:$(cat "$work/display")
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# The window manager is ready once it has announced itself on the root window.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"
