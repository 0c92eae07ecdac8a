# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers of the packaging tests, sourced by each test script (bash).

SKIP=77
failures=0

say() { printf '%s\n' "$*"; }

# A failed check is reported and counted; the test goes on so that one run shows every fault.
check() {
    local what=$1
    shift
    if "$@"; then
        say "ok   - $what"
    else
        say "FAIL - $what"
        failures=$((failures + 1))
    fi
}

not() { ! "$@"; }

fatal() {
    say "FAIL - $*"
    exit 1
}

finish() {
    if [ "$failures" -gt 0 ]; then
        say "$failures check(s) failed"
        exit 1
    fi
    say "all checks passed"
    exit 0
}

need_tools() {
    local tool missing=
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    [ -z "$missing" ] || fatal "missing tools:$missing (see tools/install-packages test)"
}

# Waits until a command succeeds, checking ten times a second; false after the timeout.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# Line N (from 0) of a file whose lines end with CR LF, without the line end.
line_of() {
    sed -n "$(($2 + 1))p" "$1" | tr -d '\r'
}

# Starts an X server of its own (a free display number, chosen by the server) and, when
# present, a window manager. Sets DISPLAY. stop_display ends both.
display_pids=()
start_display() {
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    display_pids+=($!)
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        fatal "Xvfb did not start"
    fi
    rm -f "$fifo"
    export DISPLAY=:$number
    if command -v icewm >/dev/null 2>&1; then
        icewm >/dev/null 2>&1 &
        display_pids+=($!)
        wait_for 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
    fi
}

stop_display() {
    local pid
    for pid in "${display_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${display_pids[@]}"; do
        wait "$pid" 2>/dev/null
    done
    display_pids=()
}

# The absolute paths that an installed manual page names, one a line, as a reader sees them: the
# page is formatted wide enough that no path is broken across lines.
manual_paths() { # PAGE
    MANWIDTH=1000 man -l "$1" 2>/dev/null | col -b |
        grep -oE '(^|[[:space:]("])/[^[:space:]]+' | sed -E 's/^[[:space:]("]//; s/[.,;:)"]+$//' |
        sort -u
}

# Checks that every absolute path of an installed manual page exists below ROOT (the staging
# folder, or / for the installed package).
check_manual_paths() { # PAGE ROOT
    local path paths count=0
    paths=$(manual_paths "$1")
    for path in $paths; do
        check "the manual page's $path exists" [ -e "$2$path" ]
        count=$((count + 1))
    done
    # The launcher, the program, the data folder and the copyright file at least.
    check "the manual page names the installed files ($count paths)" [ "$count" -ge 4 ]
}
