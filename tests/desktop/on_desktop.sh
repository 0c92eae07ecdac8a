#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) under a real window manager, as a player's desktop
# would show the game:  on_desktop.sh icewm|openbox COMMAND [ARGS...]
# Only the server and the window manager started here are stopped again, by their process ids.
set -u
wm=$1
shift
for tool in Xvfb "$wm" xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "on_desktop: $tool is not installed" >&2; exit 1; }
done

home=$(mktemp -d)
# A display number nobody uses; -nolisten tcp keeps the server off the network.
n=71
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$home/xvfb.log" 2>&1 &
xvfb=$!
wmpid=""
stop() {
    [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$home"
}
trap stop EXIT
export DISPLAY=":$n"
for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done

# The window manager with its own settings folder, so that no setting of the user's is read.
HOME=$home XDG_CONFIG_HOME=$home XDG_CACHE_HOME=$home "$wm" >"$home/wm.log" 2>&1 &
wmpid=$!
# Ready once it announces itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || {
    echo "on_desktop: $wm did not start" >&2
    cat "$home/wm.log" >&2
    exit 1
}
sleep 0.3

TOLVANE_DESKTOP_WM=$wm QT_QPA_PLATFORM=xcb "$@"
