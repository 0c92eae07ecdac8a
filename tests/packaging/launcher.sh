#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the launcher on its own, from a staged installation: it prepares the player's folder,
# starts the game inside it, keeps the player's scores, repairs the sounds, leaves no probe file
# of its own and removes those of killed launchers (and nothing else), starts every game when
# three launchers start at once, and refuses with a clear message when the folder is read-only or
# broken or the installation incomplete.
#   launcher.sh STAGE_DIR
set -uo pipefail
stage=$1
. "$(dirname "$0")/lib.sh"
need_tools readlink stat cmp timeout flock

sounds="pop erase notify clap not best pause ready solve"
[ -x "$stage/usr/games/tolvane" ] || fatal "nothing staged in $stage"

# A private copy of the installation: some checks break it, and as root the read-only checks run
# as another user, who must be able to read it.
work=$(mktemp -d)
chmod 755 "$work"
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    stop_display
    chmod -R u+rwX "$work"
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP
cp -a "$stage/usr" "$work/usr"
# The launcher runs from here, where a relative XDG_DATA_HOME would show.
cd "$work" || fatal "cannot enter $work"
launcher=$work/usr/games/tolvane
program=$(readlink -f "$work/usr/lib/games/tolvane/tolvane")
data=$(readlink -f "$work/usr/share/games/tolvane")

# Root may write anywhere: the read-only cases run as nobody then.
as_player=()
player_ids=
if [ "$(id -u)" = 0 ]; then
    need_tools setpriv
    player_ids="$(id -u nobody):$(id -g nobody)"
    as_player=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
fi
# A folder or file that belongs to the player of the read-only cases.
give_to_player() {
    [ -z "$player_ids" ] || chown -R "$player_ids" "$@"
}

# The game of a successful start runs on the offscreen platform until it is stopped.
start_game() { # HOME [XDG_DATA_HOME]
    local -a environment=(PATH=/usr/bin:/bin HOME="$1" QT_QPA_PLATFORM=offscreen)
    [ $# -ge 2 ] && environment+=(XDG_DATA_HOME="$2")
    env -i "${environment[@]}" "$launcher" >"$work/game.log" 2>&1 &
    game_pid=$!
}
game_is_running() {
    [ "$(readlink "/proc/$game_pid/exe" 2>/dev/null)" = "$program" ]
}
stop_game() {
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=
}
# Starts the game, checks that it runs in FOLDER, and stops it.
run_game_in() { # FOLDER HOME [XDG_DATA_HOME]
    local folder=$1
    shift
    start_game "$@"
    if wait_for 30 game_is_running; then
        check "the game runs in $folder" \
            [ "$(readlink "/proc/$game_pid/cwd")" = "$(readlink -f "$folder")" ]
        check "no probe file is left behind" no_leftovers "$folder"
    else
        check "the launcher starts the game" false
        sed 's/^/    /' "$work/game.log"
    fi
    stop_game
}

sounds_are_linked() { # FOLDER
    local sound
    for sound in $sounds; do
        [ -L "$1/$sound.wav" ] && [ "$(readlink "$1/$sound.wav")" = "$data/$sound.wav" ] || return 1
    done
}
# A probe has the six letters or digits of mktemp; the player's look-alikes do not.
no_leftovers() { # FOLDER
    [ -z "$(LC_ALL=C find "$1" -name '.tolvane-*' ! -name '.tolvane-launcher-probe.my_bak' \
        ! -name '.tolvane-launcher-probe.ABCDE' ! -name '.tolvane-launcher-probe.ABCDEFG')" ]
}

# A start that must fail: no display, so the message goes to the terminal only. The timeout
# ends a game that was started by mistake. The launcher's probe file must not stay behind.
run_refused() { # HOME XDG_DATA_HOME [LAUNCHER]
    refused_output=$(timeout 20 "${as_player[@]}" env -i PATH=/usr/bin:/bin HOME="$1" \
        XDG_DATA_HOME="$2" "${3:-$launcher}" 2>&1)
    refused_status=$?
    check "no probe file is left behind" no_leftovers "$2"
}

say "# First start: a fresh player"
home=$work/home-fresh
mkdir -p "$home"
folder=$home/.local/share/tolvane
run_game_in "$folder" "$home"
check "the game folder is created" [ -d "$folder" ]
check "the game folder is private (700)" [ "$(stat -c %a "$folder")" = 700 ]
check "the supplied score file is copied" cmp -s "$data/highscores.txc" "$folder/highscores.txc"
check "the player's score file is a regular file" not test -L "$folder/highscores.txc"
check "the player's score file is writable" [ "$(stat -c %a "$folder/highscores.txc")" = 600 ]
check "the nine sounds are linked to the installed ones" sounds_are_linked "$folder"

say "# Second start: the player's file is kept, the sounds are repaired"
# Line 3 off, a name and a time in the best-times block; CR LF as the game writes them.
sed -i '4s/.*/ns\r/; 6s/.*/Ada\r/; 7s/.*/123\r/' "$folder/highscores.txc"
cp -p "$folder/highscores.txc" "$work/players.txc"
ln -sfn "$work/gone/pop.wav" "$folder/pop.wav"
ln -sfn "$data/pop.wav" "$folder/erase.wav"
rm "$folder/notify.wav"
echo "the player's own sound" >"$folder/notify.wav"
rm "$folder/clap.wav"
# What a launcher killed at the wrong moment leaves: the next start removes it. Names that only
# look alike, and the player's own files, stay.
mktemp "$folder/.tolvane-launcher-probe.XXXXXX" >/dev/null
look_alikes=".tolvane-launcher-probe.my_bak .tolvane-launcher-probe.ABCDE .tolvane-launcher-probe.ABCDEFG"
for name in $look_alikes; do echo "the player's" >"$folder/$name"; done
run_game_in "$folder" "$home"
for name in $look_alikes; do
    check "$name stays" grep -qx "the player's" "$folder/$name"
    rm -f "$folder/$name"
done
check "the player's score file is unchanged" cmp -s "$work/players.txc" "$folder/highscores.txc"
for sound in pop erase clap; do
    check "$sound.wav is linked again" [ "$(readlink "$folder/$sound.wav")" = "$data/$sound.wav" ]
done
check "the player's own notify.wav stays" grep -qx "the player's own sound" "$folder/notify.wav"

say "# A launcher starting at the same moment"
held=$(mktemp "$folder/.tolvane-launcher-probe.XXXXXX")
# The holder is the process that holds the lock, so that stopping it by its PID releases it.
(exec 8<"$held" && flock 8 && exec sleep 60) >/dev/null 2>&1 &
holder=$!
check "another launcher holds its probe" wait_for 10 not flock -n "$held" true
start_game "$home"
check "the game starts" wait_for 30 game_is_running
check "the probe that another launcher holds stays" [ -f "$held" ]
stop_game
kill "$holder"
wait "$holder" 2>/dev/null
rm -f "$held"

# The launcher of an installation whose program only notes where it was started, for the checks
# that start many games.
race=$work/race
cp -a "$work/usr" "$race"
rm -f "$race/lib/games/tolvane/tolvane"
printf '#!/bin/sh\necho "started in $PWD" >>"%s"\n' "$work/started.log" >"$race/lib/games/tolvane/tolvane"
chmod 755 "$race/lib/games/tolvane/tolvane"
starts() { grep -c . "$work/started.log" 2>/dev/null; }

say "# Three launchers at once, 100 times"
# Every other round is a first start; a killed launcher's probe and a look-alike of the player's
# lie there each time.
home=$work/home-race
folder=$home/.local/share/tolvane
refused=0
missing=0
damaged=0
for round in $(seq 100); do
    [ $((round % 2)) = 0 ] && rm -f "$folder/highscores.txc"
    if [ -d "$folder" ]; then
        mktemp "$folder/.tolvane-launcher-probe.XXXXXX" >/dev/null
        echo "the player's" >"$folder/.tolvane-launcher-probe.my_bak"
    fi
    : >"$work/started.log"
    pids=
    for n in 1 2 3; do
        env -i PATH=/usr/bin:/bin HOME="$home" "$race/games/tolvane" >"$work/race-$n.log" 2>&1 &
        pids="$pids $!"
    done
    for pid in $pids; do
        wait "$pid" || refused=$((refused + 1))
    done
    [ "$(starts)" = 3 ] || missing=$((missing + 3 - $(starts)))
    kept=yes
    if [ "$round" -gt 1 ]; then
        grep -qx "the player's" "$folder/.tolvane-launcher-probe.my_bak" || kept=no
        rm -f "$folder/.tolvane-launcher-probe.my_bak"
    fi
    if [ "$kept" = no ] || ! no_leftovers "$folder" ||
        ! cmp -s "$data/highscores.txc" "$folder/highscores.txc"; then
        damaged=$((damaged + 1))
    fi
done
say "    300 starts: $refused refused, $missing games missing, $damaged rounds with a probe left, the score file changed or the player's file gone"
[ "$refused" = 0 ] || sed 's/^/    /' "$work"/race-*.log
check "every launcher starts its game" [ "$refused.$missing" = 0.0 ]
check "no probe left, the score file whole, the player's look-alike kept" [ "$damaged" = 0 ]

say "# A HOME that looks like an option"
mkdir -p "$work/-h/.local/share/tolvane"
mktemp "$work/-h/.local/share/tolvane/.tolvane-launcher-probe.XXXXXX" >/dev/null
: >"$work/started.log"
(cd "$work" && env -i PATH=/usr/bin:/bin HOME=-h "$race/games/tolvane") >"$work/race-1.log" 2>&1
check "the game starts in ./-h/.local/share/tolvane" grep -qx "started in $work/-h/.local/share/tolvane" "$work/started.log"
check "the killed launcher's probe is removed there" no_leftovers "$work/-h"

say "# XDG_DATA_HOME"
run_game_in "$work/data-home/tolvane" "$home" "$work/data-home"
check "the game folder is made in XDG_DATA_HOME" cmp -s "$data/highscores.txc" "$work/data-home/tolvane/highscores.txc"
home=$work/home-relative
mkdir -p "$home"
run_game_in "$home/.local/share/tolvane" "$home" relative/data
check "a relative XDG_DATA_HOME is ignored" not test -e "$work/relative"

say "# Read-only data home"
mkdir -p "$work/ro-home"
give_to_player "$work/ro-home"
chmod 555 "$work/ro-home"
run_refused "$work" "$work/ro-home"
check "the start is refused with status 1" [ "$refused_status" = 1 ]
check "the message names the folder and the reason" \
    grep -qF "tolvane: Tolvane cannot create its game folder $work/ro-home/tolvane: Permission denied" <<<"$refused_output"
check "nothing is created" [ -z "$(ls -A "$work/ro-home")" ]
say "    message: $refused_output"

say "# Read-only game folder holding the player's scores"
mkdir -p "$work/ro-folder/tolvane"
cp "$work/players.txc" "$work/ro-folder/tolvane/highscores.txc"
give_to_player "$work/ro-folder"
chmod 555 "$work/ro-folder/tolvane"
run_refused "$work" "$work/ro-folder"
check "the start is refused with status 1" [ "$refused_status" = 1 ]
check "the message names the folder, the reason and the scores" \
    grep -qF "cannot write to its game folder $work/ro-folder/tolvane: Permission denied" <<<"$refused_output"
check "the message says the scores are untouched" grep -qF "Your best times have not been changed." <<<"$refused_output"
check "the player's scores are untouched" cmp -s "$work/players.txc" "$work/ro-folder/tolvane/highscores.txc"
check "nothing is added to the folder" [ "$(ls -A "$work/ro-folder/tolvane")" = highscores.txc ]
say "    message: $refused_output"

say "# Read-only score file"
mkdir -p "$work/ro-file/tolvane"
cp "$work/players.txc" "$work/ro-file/tolvane/highscores.txc"
give_to_player "$work/ro-file"
chmod 444 "$work/ro-file/tolvane/highscores.txc"
run_refused "$work" "$work/ro-file"
check "the start is refused with status 1" [ "$refused_status" = 1 ]
check "the message names the score file" \
    grep -qF "cannot read and write your score file $work/ro-file/tolvane/highscores.txc" <<<"$refused_output"
check "the player's scores are untouched" cmp -s "$work/players.txc" "$work/ro-file/tolvane/highscores.txc"
check "the score file stays read-only" [ "$(stat -c %a "$work/ro-file/tolvane/highscores.txc")" = 444 ]

say "# Broken data home and game folder"
echo "not a folder" >"$work/plain-file"
run_refused "$work" "$work/plain-file"
check "a file in place of the data home is refused with status 1" [ "$refused_status" = 1 ]
check "the message tells why" grep -qF "cannot create its game folder $work/plain-file/tolvane: Not a directory" <<<"$refused_output"
mkdir -p "$work/folder-scores/tolvane/highscores.txc"
give_to_player "$work/folder-scores"
run_refused "$work" "$work/folder-scores"
check "a folder in place of the score file is refused with status 1" [ "$refused_status" = 1 ]
check "the message tells why" grep -qF "highscores.txc is not a regular file" <<<"$refused_output"
check "the folder in its place stays" [ -d "$work/folder-scores/tolvane/highscores.txc" ]
mkdir -p "$work/dangling-scores/tolvane"
ln -s "$work/gone/highscores.txc" "$work/dangling-scores/tolvane/highscores.txc"
give_to_player "$work/dangling-scores"
run_refused "$work" "$work/dangling-scores"
check "a dangling link in place of the score file is refused with status 1" [ "$refused_status" = 1 ]
check "the message tells why" grep -qF "highscores.txc is not a regular file" <<<"$refused_output"
check "the link stays" [ -L "$work/dangling-scores/tolvane/highscores.txc" ]

say "# Incomplete installation"
cp -a "$work/usr" "$work/broken"
rm "$work/broken/share/games/tolvane/clap.wav"
mkdir -p "$work/broken-home"
give_to_player "$work/broken-home"
run_refused "$work" "$work/broken-home" "$work/broken/games/tolvane"
check "the start is refused with status 1" [ "$refused_status" = 1 ]
check "the message names the missing file" grep -qF "Missing in $work/broken/share/games/tolvane: clap.wav." <<<"$refused_output"
check "no game folder is made" [ -z "$(ls -A "$work/broken-home")" ]

say "# The message in a window"
dialog=
for tool in zenity kdialog xmessage; do
    command -v "$tool" >/dev/null 2>&1 && dialog=$tool && break
done
if [ -z "$dialog" ] || ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    say "skip - no zenity, kdialog or xmessage, or no Xvfb and xdotool: the window is not checked"
else
    start_display
    env -i PATH=/usr/bin:/bin HOME="$work" XDG_DATA_HOME="$work/plain-file" DISPLAY="$DISPLAY" \
        "$launcher" >"$work/dialog.log" 2>&1 &
    launcher_pid=$!
    window=
    find_window() { window=$(xdotool search --onlyvisible --name '^Tolvane$' 2>/dev/null | head -n1); [ -n "$window" ]; }
    check "a window titled Tolvane shows the message ($dialog)" wait_for 20 find_window
    check "the launcher waits for the window to be closed" kill -0 "$launcher_pid"
    [ -n "$window" ] && xdotool windowkill "$window"
    wait_for 10 eval '! kill -0 "$launcher_pid" 2>/dev/null'
    wait "$launcher_pid"
    check "the start is refused with status 1" [ $? = 1 ]
    check "the message is on the terminal too" grep -qF "Not a directory" "$work/dialog.log"
    stop_display
fi

finish
