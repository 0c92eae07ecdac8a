#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays effects through the game's media player into a private PulseAudio server whose only
# sink is a null sink, records that sink's monitor and checks what arrived: every effect is
# heard, a new effect cuts off the one still sounding, and without a server nothing fails. The
# game itself, started as a player starts it, reaches the sound server on its own.
#   playback_test.sh PLAY_EFFECT ASSETS_DIR GAME
set -euo pipefail

player=$1
assets=$2
game=$3

for tool in pulseaudio pactl parecord sox soxi awk; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: '$tool' is missing; tools/install-packages test installs it" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-sound.XXXXXX")
server_pid=""
recorder_pid=""
game_pid=""

# Ends our server: politely, then for certain after five seconds.
stop_server() {
    kill "$server_pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    server_pid=""
}

cleanup() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    if [ -n "$recorder_pid" ]; then
        kill "$recorder_pid" 2>/dev/null || true
        wait "$recorder_pid" 2>/dev/null || true
    fi
    if [ -n "$server_pid" ]; then
        stop_server
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A world of its own: the server and its clients find each other through these alone.
unset PULSE_SERVER PULSE_SINK PULSE_SOURCE PULSE_RUNTIME_PATH PULSE_STATE_PATH PULSE_COOKIE
# A desktop's UTF-8 locale: in a bare environment Qt would warn about the "C" locale on the
# terminal, which the test reads.
export LC_ALL=C.UTF-8
export HOME=$work/home
export XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME/.config/pulse"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Clients must never start a server on their own, or the no-server case would get one.
echo "autospawn = no" >"$HOME/.config/pulse/client.conf"
export PULSE_CLIENTCONFIG=$HOME/.config/pulse/client.conf
cp "$assets"/*.wav "$work"/
cd "$work"

# Not daemonized, so that this script is its parent: it can wait for it and leaves no zombie.
# As root the server warns that it is not meant for root, and runs.
pulseaudio --daemonize=no --exit-idle-time=-1 -n --log-target=file:"$work/pulse.log" \
    --load="module-null-sink sink_name=nullsink" --load=module-native-protocol-unix &
server_pid=$!
for _ in $(seq 100); do
    kill -0 "$server_pid" 2>/dev/null ||
        fail "pulseaudio did not start: $(cat "$work/pulse.log" 2>/dev/null)"
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info | grep -q "Default Sink: nullsink" || fail "the null sink is not the default sink"

# Seconds of sound in a recording, from the first to the last sample above 1 % of full scale.
active_seconds() {
    sox "$1" "$1.active.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse
    soxi -D "$1.active.wav"
}

# A figure from `sox FILE -n stat`, e.g. "Maximum amplitude", of the channels mixed into one
# (stat on interleaved stereo would see the left and right samples as one signal).
stat_of() {
    sox "$1" -n remix - stat 2>&1 | awk -F: -v key="$2" '$1 ~ "^" key {gsub(/ /, "", $2); print $2}'
}

# Compares two decimal numbers: at_least VALUE LIMIT.
at_least() { awk -v v="$1" -v l="$2" 'BEGIN { exit !(v >= l) }'; }

# record NAME PLAY_EFFECT_ARGUMENTS...: records the sink while the player plays.
record() {
    local name=$1
    shift
    parecord --latency-msec=20 --device=nullsink.monitor --file-format=wav "$name.wav" &
    recorder_pid=$!
    # The recorder delivers nothing for its first moments; start playing once samples flow
    # (50 ms of 16-bit stereo at 44.1 kHz past the header).
    local flowing=""
    for _ in $(seq 200); do
        if [ "$(stat -c %s "$name.wav" 2>/dev/null || echo 0)" -gt 8864 ]; then
            flowing=yes
            break
        fi
        sleep 0.05
    done
    [ -n "$flowing" ] || fail "the recorder delivered nothing within 10 s"
    "$player" "$@" >"$name.log" 2>"$name.err" ||
        fail "play_effect $* ended with $?: $(cat "$name.log" "$name.err")"
    kill -INT "$recorder_pid"
    wait "$recorder_pid" || true
    recorder_pid=""
    cat "$name.log"
    if grep -q "silent:" "$name.log"; then
        fail "the player could not start the sound"
    fi
    # With a sound server the player's terminal stays quiet.
    [ ! -s "$name.err" ] || fail "the player printed on its terminal: $(cat "$name.err")"
}

echo "== one effect plays whole"
record single --tail 1000 solve.wav
peak=$(stat_of single.wav "Maximum amplitude")
rms=$(stat_of single.wav "RMS +amplitude")
length=$(active_seconds single.wav)
echo "peak $peak, RMS $rms, sounding $length s"
at_least "$peak" 0.3 || fail "the recording is too quiet (peak $peak)"
at_least "$length" 0.55 || fail "solve.wav sounded only $length s"
at_least 0.95 "$length" || fail "solve.wav sounded $length s, longer than itself"

echo "== a second effect cuts off the first"
record cut --gap 100 --tail 1000 solve.wav pop.wav
length=$(active_seconds cut.wav)
echo "sounding $length s"
at_least "$length" 0.12 || fail "too little sound ($length s): one of the effects is missing"
at_least 0.40 "$length" || fail "sounding $length s: solve.wav was not cut off"
# The run begins with solve.wav's notes (523 Hz and up) and ends with pop.wav's low tail.
sox cut.wav.active.wav cut-head.wav trim 0 0.05
sox cut.wav.active.wav cut-tail.wav trim -0.05
head=$(stat_of cut-head.wav "Rough +frequency")
tail=$(stat_of cut-tail.wav "Rough +frequency")
echo "rough frequency: $head Hz at the start, $tail Hz at the end"
at_least "$head" 480 || fail "the start ($head Hz) is not solve.wav"
at_least 420 "$tail" || fail "the end ($tail Hz) is not pop.wav"

echo "== the first two effects of a session, 50 ms apart, are both heard"
# The start of the audio service must neither delay the first effect nor let the second cut it
# before it sounds. (An effect cut within about 30 ms of its start is not heard at any time: the
# sound server begins a stream once it holds its first few tens of milliseconds.) Heard alone,
# pop.wav would sound its own length; not.wav before it adds to that. On a busy machine the sound
# server itself now and then starts a stream a few milliseconds late, so each try is a session of
# its own: a player that starts its audio service ahead is heard in one of three, one that starts
# it with the first effect (a tenth of a second or more) in none.
own=$(active_seconds pop.wav)
heard=""
for try in 1 2 3; do
    record first --gap 50 --tail 1000 not.wav pop.wav
    length=$(active_seconds first.wav)
    echo "try $try: sounding $length s; pop.wav alone sounds $own s"
    at_least 0.30 "$length" || fail "sounding $length s: not.wav was not cut off by pop.wav"
    if at_least "$length" "$(awk -v o="$own" 'BEGIN { print o + 0.015 }')"; then
        heard=yes
        break
    fi
done
[ -n "$heard" ] || fail "not.wav, the first effect, was not heard in three sessions"

echo "== the game starts its audio service by itself"
# Started as a player starts it, the game reaches the sound server soon after its window is up,
# before any effect: its first effect is then as quick as any other.
mkdir game
cp "$assets"/*.wav "$assets"/highscores.txc game/
# Without the tests' plugin path: the game finds its audio module beside itself.
(cd game && exec env -u QT_PLUGIN_PATH QT_QPA_PLATFORM=offscreen "$game" >../game.log 2>&1) &
game_pid=$!
reached=""
for tenth in $(seq 150); do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat game.log)"
    if pactl list clients 2>/dev/null | grep -q "application.process.id = \"$game_pid\""; then
        reached=$tenth
        break
    fi
    sleep 0.1
done
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""
[ -n "$reached" ] || fail "the game did not reach the sound server within 15 s of its start"
echo "the game reached the sound server $reached tenths of a second after its start"

echo "== every effect is heard, whole and in order"
effects=(pop.wav erase.wav notify.wav clap.wav not.wav best.wav pause.wav ready.wav solve.wav)
# 1.1 s apart, the longest effect (0.8 s) is followed by enough silence to tell them apart.
record all --gap 1100 --tail 1000 "${effects[@]}"
mkdir parts
sox all.wav parts/part.wav silence 1 0.005 1% 1 0.15 1% : newfile : restart
parts=()
for part in parts/part*.wav; do
    at_least "$(soxi -D "$part")" 0.02 && parts+=("$part")
done
[ "${#parts[@]}" = "${#effects[@]}" ] ||
    fail "heard ${#parts[@]} separate sounds, not ${#effects[@]}"
for i in "${!effects[@]}"; do
    heard=$(soxi -D "${parts[$i]}")
    own=$(active_seconds "${effects[$i]}")
    echo "${effects[$i]}: sounded $heard s, the file $own s"
    awk -v a="$heard" -v b="$own" 'BEGIN { d = a - b; exit !(d < 0.06 && d > -0.06) }' ||
        fail "${effects[$i]} sounded $heard s instead of $own s"
done

echo "== without a server, playing is silent and nothing fails"
stop_server
pactl info >/dev/null 2>&1 && fail "the server is still there"
start=$(date +%s%N)
"$player" --gap 50 --tail 100 pop.wav solve.wav >none.log 2>none.err ||
    fail "play_effect failed: $(cat none.log none.err)"
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
cat none.log
[ "$(grep -c "silent:" none.log)" = 2 ] || fail "the player did not record why it was silent"
# The terminal says why once, in the game's words: not the media library's, not at every effect.
cat none.err
[ "$(wc -l <none.err)" = 1 ] && grep -q "^Tolvane plays no sound: " none.err ||
    fail "the terminal did not say once, in the game's words, why there is no sound"
[ "$elapsed_ms" -lt 3000 ] || fail "playing without a server took $elapsed_ms ms"
echo "PASS"
