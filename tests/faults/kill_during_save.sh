#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills a process with SIGKILL at random moments while it saves the score file in a loop as the
# best-times flow does. After every kill the file must read as one whole version: the one it
# started from or one of the two the saver writes in turn. A kill may leave the game's own
# temporary behind, whole or cut short; the next start must remove it, whatever its letters. Then
# two savers run at once, each counting its own level up, and no count may be lost: with the lock
# file as the game makes it, with the player's own lock file open to all, and with one that
# another user planted in a folder everyone may write to. A change made while another game saves
# without pause lands within moments. Last, a game whose changes wait for the lock is killed: the
# next start saves them.
#   kill_during_save.sh SCORE_SAVER KEPT_SAVER [KILLS]
set -euo pipefail

# As root the test plants in /tmp what another user could: in a /tmp of its own, which goes with it.
# The test and the savers may lie in /tmp themselves (a fresh clone there): their folders at the
# top of /tmp are bound into the new one from the old, which stays reachable at /mnt meanwhile.
if [ "$(id -u)" = 0 ] && [ -z "${TOLVANE_OWN_TMP:-}" ]; then
    tops=""
    for path in "$0" "$1" "$2"; do
        case "$(realpath "$path")" in
        /tmp/*/*) top=$(realpath "$path"); top=${top#/tmp/}; tops="$tops ${top%%/*}" ;;
        esac
    done
    TOLVANE_OWN_TMP=1 TOLVANE_TMP_TOPS=$tops exec unshare --mount --propagation private bash -c '
        set -e
        mount --bind /tmp /mnt
        mount -t tmpfs -o mode=1777 tolvane-test /tmp
        for top in $TOLVANE_TMP_TOPS; do
            [ -d "/tmp/$top" ] || { mkdir "/tmp/$top" && mount --bind "/mnt/$top" "/tmp/$top"; }
        done
        exec bash "$0" "$@"' "$0" "$@"
fi

saver=$(realpath "$1")
kept_saver=$(realpath "$2")
kills=${3:-40}

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-kill.XXXXXX")
pid=""
steady=""
cleanup() {
    local started
    for started in $pid $steady; do
        kill -KILL "$started" 2>/dev/null || true
        wait "$started" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

folder=$work/folder
mkdir "$folder" "$work/versions"
block() { printf 'Tolvane\r\nkept\r\n\r\ns\r\nhigh\r\n%s\r\n%s\r\nBo\r\n%s\r\n\r\n%s\r\ntail\r\n' "$1" "$2" "${3:-86400}" "${3:-86400}"; }
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
    # Wait until it has started and is saving, then let it run for 1 to 150 ms.
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
    # Only the temporary of the save that was killed may be there: the start of this round's
    # saver removed the one the last kill left.
    temporaries=0
    for name in *; do
        [ "$name" = highscores.txc ] || [ "$name" = .highscores.txc.lock ] && continue
        [[ "$name" =~ ^\.highscores\.txc\.saving-[A-Za-z0-9]{6}$ ]] || fail "an unexpected file was left: $name"
        temporaries=$((temporaries + 1))
        left[$name]=1
    done
    [ "$temporaries" -le 1 ] || fail "round $round: $temporaries temporaries, the start left some behind"
done
echo "after $kills kills the file was whole every time: start ${seen[start]}, alpha ${seen[alpha]}, beta ${seen[beta]}"
echo "left behind by the kills, one by one: ${#left[@]} file(s) ${!left[*]}"
# Without saves between the kills the test would show nothing.
[ $((seen[alpha] + seen[beta])) -gt 0 ] || fail "no save completed before any kill"

# The next start removes the last leftover, whatever its letters.
printf 'half a save' >.highscores.txc.saving-ZQAXYW
"$saver" 0 >"$work/saver.log" 2>&1 || fail "the start failed: $(cat "$work/saver.log")"
left=$(ls -A | grep -vx -e highscores.txc -e .highscores.txc.lock || true)
[ -z "$left" ] || fail "the next start left these behind: $left"

# Two games saving at once: each counts its own level up from 0, under the lock, so neither loses
# a save of the other, also where only one has a runtime folder. A saver that hangs fails the test
# within two minutes.
#   two_savers CASE SAVES [AS_USER [MEDIUM_RUNTIME]]
two_savers() {
    local case=$1 saves=$2 as=() medium_env=()
    [ -n "${3:-}" ] && as=(setpriv --reuid="$3" --regid="$3" --clear-groups env -u XDG_RUNTIME_DIR)
    [ -n "${4:-}" ] && medium_env=(XDG_RUNTIME_DIR="$4")
    block Zero 0 0 >highscores.txc
    [ -z "${3:-}" ] || chown "$3:$3" highscores.txc
    timeout 120 "${as[@]}" "${medium_env[@]}" "$saver" "$saves" 1 >"$work/medium.log" 2>&1 &
    local medium=$!
    timeout 120 "${as[@]}" "$saver" "$saves" 2 >"$work/hard.log" 2>&1 ||
        fail "$case: the Hard saver failed: $(cat "$work/hard.log")"
    wait "$medium" || fail "$case: the Medium saver failed: $(cat "$work/medium.log")"
    local counts
    counts=$(sed -n '9p;11p' highscores.txc | tr -d '\r' | tr '\n' ' ')
    [ "$counts" = "$saves $saves " ] ||
        fail "$case: Medium and Hard counted $counts of $saves each"
    echo "two games at once, $case: Medium and Hard counted $counts"
}

two_savers "the game's own lock file" 150
# The player's lock file, readable by all after a restore: made private again, and used.
chmod 644 .highscores.txc.lock
two_savers "the player's lock file open to all" 200
[ "$(stat -c %a .highscores.txc.lock)" = 600 ] || fail "the lock file was not made private again"

if [ "$(id -u)" = 0 ]; then
    # A player (nobody) in a folder everyone may write to, where another user planted the lock
    # file before the player's first save, and /tmp/tolvane-UID too; one of the player's games
    # has a private runtime folder, the other none.
    shared=$work/shared
    mkdir -m 1777 "$shared"
    chmod 755 "$work"
    cd "$shared"
    touch .highscores.txc.lock
    chown 64123:64123 .highscores.txc.lock
    chmod 666 .highscores.txc.lock
    # nobody may not reach the build tree (a clone in root's home): a copy beside the folder.
    own_saver=$saver
    saver=$work/score_saver
    install -m 755 "$own_saver" "$saver"
    install -d -m 777 -o 64123 -g 64123 /tmp/tolvane-65534
    install -d -m 700 -o 65534 -g 65534 /tmp/runtime-65534
    two_savers "lock files planted by another user" 1000 65534 /tmp/runtime-65534
    # Every private folder planted as well: no lock, and no save (the saver tries on), never unlocked.
    install -d -m 777 -o 64123 -g 64123 /tmp/tolvane-65534.{1..63}
    before=$(cat highscores.txc)
    status=0
    timeout 2 setpriv --reuid=65534 --regid=65534 --clear-groups "$saver" 1 1 >"$work/medium.log" 2>&1 ||
        status=$?
    [ "$status" = 124 ] && [ "$(cat highscores.txc)" = "$before" ] ||
        fail "a save without any lock ended with $status: $(cat "$work/medium.log")"
    saver=$own_saver
    [ "$(stat -c %u:%a .highscores.txc.lock)" = 64123:666 ] || fail "the planted lock file was changed"
    cd "$folder"
else
    echo "skip - a lock file planted by another user: only root can run the savers as two users"
fi

# A change made while another game of the player's saves without pause (its Hard record) lands
# within moments: the game waits for the lock itself instead of trying now and then.
block Old 300 >highscores.txc
"$saver" -1 2 >"$work/steady.log" 2>&1 &
steady=$!
for _ in $(seq 200); do
    grep -q saving "$work/steady.log" 2>/dev/null && break
    sleep 0.05
done
"$kept_saver" >"$work/kept.log" 2>&1 &
pid=$!
landed=""
for tenth in $(seq 50); do
    if sed -n 6p highscores.txc | grep -q '^Kept'; then
        landed=$tenth
        break
    fi
    sleep 0.1
done
kill -KILL "$pid" "$steady"
wait "$pid" "$steady" 2>/dev/null || true
pid="" steady=""
[ -n "$landed" ] || fail "a change made while another game saved without pause was not saved within 5 s"
echo "a change made while another game saved without pause was saved within $landed tenths of a second"

# A game whose changes wait while another program of the player's holds the lock, killed: its
# changes are beside the score file, and the next start saves them.
block Old 300 >highscores.txc
exec 8<.highscores.txc.lock
flock 8
"$kept_saver" >"$work/kept.log" 2>&1 &
pid=$!
for _ in $(seq 200); do
    grep -q kept "$work/kept.log" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || fail "the kept saver ended: $(cat "$work/kept.log")"
    sleep 0.05
done
grep -q kept "$work/kept.log" || fail "the kept saver did not keep its changes: $(cat "$work/kept.log")"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=""
exec 8<&-
cmp -s highscores.txc "$work/versions/start" || fail "the score file changed while the lock was held"
timeout 60 "$saver" 0 >"$work/saver.log" 2>&1 || fail "the next start failed: $(cat "$work/saver.log")"
block Kept 10 | sed '4s/^s\r$/ns\r/' >"$work/versions/kept"
cmp -s highscores.txc "$work/versions/kept" ||
    fail "the changes of the killed game were lost: $(od -c highscores.txc | head -20)"
left=$(ls -A | grep -vx -e highscores.txc -e .highscores.txc.lock || true)
[ -z "$left" ] || fail "the next start left these behind: $left"
echo "a killed game's kept changes were saved by the next start"
echo "PASS"
