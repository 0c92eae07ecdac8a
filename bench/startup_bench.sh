#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the game's start against a bare Qt main window of the same kind (the program
# build/bench/startup_bench), on an X server of its own without a window manager, with a home of
# its own so that nothing of the user's is read or written:
#   bench/startup_bench.sh [--build DIR] [--pairs N] [--warmup N] [--hold MS]
# DIR is the build tree (build beside bench/ when not given); the other options are the program's.
# Only the X server started here is stopped again, by its process id.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build
options=()
while [ $# -gt 0 ]; do
    case "$1" in
    --build) build=${2:?--build needs a folder}; shift 2 ;;
    *) options+=("$1"); shift ;;
    esac
done
build=$(cd "$build" && pwd) || exit 1
command -v Xvfb >/dev/null || { echo "startup_bench: Xvfb is not installed" >&2; exit 1; }
[ -x "$build/bench/startup_bench" ] ||
    { echo "startup_bench: build it first: cmake --build $build --target startup_bench" >&2; exit 1; }

home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
export XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state XDG_RUNTIME_DIR=$home/runtime
unset WAYLAND_DISPLAY DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
unset XDG_SESSION_TYPE XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE
export QT_QPA_PLATFORM=xcb
score_file=$build/game/highscores.txc
score_before=$(cksum <"$score_file" 2>/dev/null)
xvfb=
stop() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$home"
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

# Xvfb picks a display number nobody uses and says which once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >"$home/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 300); do [ -s "$home/display" ] && break; sleep 0.1; done
[ -s "$home/display" ] || { echo "startup_bench: Xvfb did not start" >&2; cat "$home/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$home/display")"

"$build/bench/startup_bench" --build "$build" --sound-socket "$home/sound-server" \
    --output "$home/programs.log" "${options[@]}"
status=$?
if [ $status != 0 ] && [ -s "$home/programs.log" ]; then
    echo "startup_bench: the last words of the programs:" >&2
    tail -n 20 "$home/programs.log" >&2
fi
[ "$(cksum <"$score_file" 2>/dev/null)" = "$score_before" ] ||
    echo "startup_bench: the game changed $score_file" >&2
exit $status
