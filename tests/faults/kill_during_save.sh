#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills a process with SIGKILL at random moments while it saves the score file in a loop as the
# best-times flow does. After every kill the file must read as one whole version: the one it
# started from or one of the two the saver writes in turn. Temporary files left behind are
# listed; the next save must go through and remove them, and only them.
#   kill_during_save.sh SCORE_SAVER [KILLS]
set -euo pipefail

saver=$(realpath "$1")
kills=${2:-40}

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-kill.XXXXXX")
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

folder=$work/folder
mkdir "$folder" "$work/versions"
block() { printf 'Tolvane\r\nkept\r\n\r\ns\r\nhigh\r\n%s\r\n%s\r\nBo\r\n86400\r\n\r\n86400\r\ntail\r\n' "$1" "$2"; }
block Old 300 >"$work/versions/start"
block Alpha 100 >"$work/versions/alpha"
block Beta 200 >"$work/versions/beta"
cp "$work/versions/start" "$folder/highscores.txc"
cd "$folder"

declare -A seen=([start]=0 [alpha]=0 [beta]=0) left=()
shopt -s nullglob dotglob
for round in $(seq "$kills"); do
    "$saver" >"$work/saver.log" 2>&1 &
    pid=$!
    # Wait until it is saving, then let it run for 1 to 150 ms.
    for _ in $(seq 500); do
        grep -q saving "$work/saver.log" 2>/dev/null && break
        kill -0 "$pid" 2>/dev/null || fail "the saver ended: $(cat "$work/saver.log")"
        sleep 0.01
    done
    sleep "0.$(printf '%03d' $((RANDOM % 150 + 1)))"
    kill -KILL "$pid"
    status=0
    wait "$pid" 2>/dev/null || status=$?
    pid=""
    [ "$status" = 137 ] || fail "round $round: the saver ended with $status: $(cat "$work/saver.log")"
    version=""
    for name in start alpha beta; do
        if cmp -s highscores.txc "$work/versions/$name"; then
            version=$name
            break
        fi
    done
    [ -n "$version" ] || fail "round $round: the score file is damaged: $(od -c highscores.txc | head -20)"
    seen[$version]=$((seen[$version] + 1))
    # QSaveFile writes an unnamed file and gives it a temporary name just before the rename; a
    # kill in between leaves that name behind, holding a whole version. The next saver's first
    # save removes it.
    for name in *; do
        [ "$name" = highscores.txc ] && continue
        [[ "$name" =~ ^highscores\.txc\.[A-Za-z]{6}$ ]] || fail "an unexpected file was left: $name"
        cmp -s "$name" "$work/versions/alpha" || cmp -s "$name" "$work/versions/beta" ||
            fail "the left-behind $name holds no whole version: $(od -c "$name" | head -20)"
        left[$name]=1
    done
done
echo "after $kills kills the file was whole every time: start ${seen[start]}, alpha ${seen[alpha]}, beta ${seen[beta]}"
echo "left behind by the kills, one by one: ${#left[@]} file(s) ${!left[*]}"
# Without saves between the kills the test would show nothing.
[ $((seen[alpha] + seen[beta])) -gt 0 ] || fail "no save completed before any kill"

# A half-written stray, as a kill leaves one where the file system has no unnamed temporary files
# and Qt names the file from the start, and a file of the player's that only looks alike: the
# next saves go through, remove every leftover and keep the player's file.
printf 'half a save' >highscores.txc.ZqaXyW
printf 'mine' >highscores.txc.backup
"$saver" 3 >"$work/saver.log" 2>&1 || fail "saving beside a stray file failed: $(cat "$work/saver.log")"
grep -q "saved 3" "$work/saver.log" || fail "the saver said: $(cat "$work/saver.log")"
cmp -s highscores.txc "$work/versions/alpha" || fail "after three saves the file is not the first record"
left=$(ls -A | grep -vx -e highscores.txc -e highscores.txc.backup || true)
[ -z "$left" ] || fail "the next save left these behind: $left"
[ "$(cat highscores.txc.backup)" = mine ] || fail "the player's file was changed"
echo "PASS"
