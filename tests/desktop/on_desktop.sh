#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private desktop under a real window manager, as a player's desktop would
# show the game:
#   on_desktop.sh icewm|openbox|xfwm4|kwin_x11|mutter COMMAND [ARGS...]   Xvfb and that window manager
#   on_desktop.sh mutter-wayland COMMAND [ARGS...]   a headless GNOME Wayland session with XWayland
# The command finds DISPLAY (and WAYLAND_DISPLAY in the Wayland session) set, and no platform
# chosen for Qt, as a player's session has it. Only what is started here is stopped again, by
# process id, and everything it writes stays in one temporary folder.
set -u
wm=$1
shift
binary=$wm
case "$wm" in
mutter-wayland) binary=mutter; needs="Xwayland dbus-daemon" ;;
xfwm4 | kwin_x11 | mutter) needs="Xvfb dbus-daemon" ;;
*) needs="Xvfb" ;;
esac
for tool in $binary $needs xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "on_desktop: $tool is not installed" >&2; exit 1; }
done

# A home of its own, so that no setting of the user's is read and nothing of the user's written.
home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
export XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS
unset XDG_SESSION_TYPE XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP
pids=()
stop() {
    # The window manager first, then the bus and the server it uses.
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[$i]}" 2>/dev/null
        for _ in $(seq 30); do kill -0 "${pids[$i]}" 2>/dev/null || break; sleep 0.1; done
        kill -9 "${pids[$i]}" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$home"
}
trap stop EXIT
fail() {
    echo "on_desktop: $*" >&2
    cat "$home"/*.log >&2 2>/dev/null
    exit 1
}

# Waits until a command succeeds, for up to SECONDS: a loaded machine can take many seconds to
# start a server or a window manager. False when the time is up or the process PID has ended.
#   within SECONDS PID COMMAND...
within() {
    local until=$((SECONDS + $1)) pid=$2
    shift 2
    until "$@"; do
        kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$until" ] || return 1
        sleep 0.1
    done
}

# A private session bus for the window managers that want one; its process id comes from the
# daemon itself, since it forks.
session_bus() {
    dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
        3>"$home/bus" 4>"$home/bus.pid" 2>>"$home/bus.log" || fail "no session bus"
    pids+=("$(cat "$home/bus.pid")")
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$home/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# Xvfb picks a display number nobody uses, neither by lock file nor by socket, and says which
# (two tests may start at once); -nolisten tcp keeps the server off the network. A server that
# ends, or does not answer within a minute, has failed.
x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >"$home/xvfb.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    within 60 "$pid" test -s "$home/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$home/display")"
    within 60 "$pid" eval 'xprop -root >/dev/null 2>&1' || fail "the X server $DISPLAY does not answer"
}

# The window manager is ready once it announces itself on the root window (a loaded machine can
# take many seconds); a start that failed is tried again.
announced() {
    within 60 "$1" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
}
start_wm() {
    local command
    case "$wm" in
    xfwm4) command=(xfwm4 --sm-client-disable) ;;
    kwin_x11) command=(kwin_x11 --replace) ;;
    mutter) command=(mutter --x11 --replace --sm-disable) ;;
    *) command=("$wm") ;;
    esac
    "${command[@]}" >>"$home/wm.log" 2>&1 &
    local pid=$!
    if announced "$pid"; then
        pids+=("$pid")
        return 0
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 1
}

case "$wm" in
mutter-wayland) ;;
xfwm4 | kwin_x11 | mutter) x_server; session_bus; start_wm || { sleep 1; start_wm; } || fail "$wm did not start on $DISPLAY" ;;
*) x_server; start_wm || { sleep 1; start_wm; } || fail "$wm did not start on $DISPLAY" ;;
esac
export TOLVANE_DESKTOP_WM=$wm
if [ "$wm" != mutter-wayland ]; then
    sleep 0.3
    "$@"
    exit
fi

# GNOME's Wayland session without a screen: mutter is the compositor and starts XWayland, of
# which it is the window manager. It runs the command in the session, with DISPLAY, XAUTHORITY
# and WAYLAND_DISPLAY set, and ends with it; its status is the command's success or failure.
session_bus
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
mutter --wayland --headless --virtual-monitor 1024x768 --wayland-display="tolvane-$$" -- "$@" \
    2>>"$home/wm.log"
status=$?
[ $status = 0 ] || cat "$home/wm.log" >&2
exit $status
