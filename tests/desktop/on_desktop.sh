#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
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
# Xvfb picks a display number nobody uses, neither by lock file nor by socket, and says which
# (two tests may start at once); -nolisten tcp keeps the server off the network.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >"$home/xvfb.log" 2>&1 &
xvfb=$!
wmpid=""
stop() {
    [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$home"
}
trap stop EXIT
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
[ -s "$home/display" ] || { echo "on_desktop: Xvfb did not start" >&2; cat "$home/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$home/display")"
for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done

# The window manager with its own settings folder, so that no setting of the user's is read.
# It is ready once it announces itself on the root window; a start that failed is tried again.
start_wm() {
    HOME=$home XDG_CONFIG_HOME=$home XDG_CACHE_HOME=$home "$wm" >>"$home/wm.log" 2>&1 &
    wmpid=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        kill -0 "$wmpid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$wmpid" 2>/dev/null
    wait "$wmpid" 2>/dev/null
    wmpid=""
    return 1
}
start_wm || { sleep 1; start_wm; } || {
    echo "on_desktop: $wm did not start on $DISPLAY" >&2
    cat "$home/wm.log" "$home/xvfb.log" >&2
    exit 1
}
sleep 0.3

TOLVANE_DESKTOP_WM=$wm QT_QPA_PLATFORM=xcb "$@"
