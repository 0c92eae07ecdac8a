#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack, checks its control fields and contents and runs lintian
# on it, installs it with apt-get, plays it under Xvfb as a new player (start, Exit from the Game
# menu, start again) and removes it. The machine is left as it was found, also when a check fails.
# Without root only the package itself is checked. DEBIAN_FLAGS is 1 when the build used
# Debian's build flags, whose hardening the program then shows.
#   deb-package.sh CPACK BUILD_DIR VERSION APP_ID [DEBIAN_FLAGS]
set -uo pipefail
cpack=$1
build=$2
version=$3
id=$4
debian_flags=${5:-1}
. "$(dirname "$0")/lib.sh"

need_tools "$cpack" dpkg dpkg-deb dpkg-shlibdeps readelf lintian

# Installed, or removed with files of it kept.
package_present() {
    local status
    status=$(dpkg-query -W -f='${db:Status-Status}' tolvane 2>/dev/null) &&
        [ "$status" != not-installed ]
}
if package_present; then
    say "skip - a tolvane package is on this machine already; the test would replace it"
    exit $SKIP
fi

# A player's PATH on Debian (/etc/profile), which holds the games.
player_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
work=$(mktemp -d)
# apt reads the package as its own user.
chmod 755 "$work"
game_pid=
extra_packages=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    stop_display
    if package_present; then
        say "# restoring: removing the package"
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q tolvane >/dev/null
    fi
    if [ -n "$extra_packages" ]; then
        say "# restoring: removing what the package pulled in:$extra_packages"
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q $extra_packages >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP

say "# The package"
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
    sed 's/^/    /' "$work/cpack.log"
    fatal "cpack failed"
fi
debs=("$work"/package/tolvane_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fatal "cpack made no single tolvane_*.deb: ${debs[*]}"
deb=${debs[0]}
chmod 644 "$deb"
say "    $(basename "$deb")"
check "the package file is tolvane_VERSION_ARCH.deb" \
    [ "$(basename "$deb")" = "tolvane_${version}_$(dpkg --print-architecture).deb" ]

field() { dpkg-deb -f "$deb" "$1"; }
check "Package: tolvane" [ "$(field Package)" = tolvane ]
check "Version: $version" [ "$(field Version)" = "$version" ]
check "Section: games" [ "$(field Section)" = games ]
check "a Maintainer with a mail address" grep -q '^[^<]\+ <[^@>]\+@[^>]\+>$' <<<"$(field Maintainer)"
check "a Description with a summary and a long text" [ "$(field Description | wc -l)" -ge 2 ]
check "the Description's lines are shorter than 80 characters" \
    [ "$(field Description | awk 'length > 79' | wc -l)" = 0 ]
depends=$(field Depends)
say "    Depends: $depends"
depended=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g')
# The libraries' package names differ between Debian releases (Debian 13 renamed many for its
# 64-bit time), so they are found from the program itself: each library it needs must come from a
# package the Depends names.
dpkg-deb -x "$deb" "$work/contents"
program=$work/contents/usr/lib/games/tolvane/tolvane
module=$work/contents/usr/lib/games/tolvane/libtolvane-audio.so
# The package of an installed file; Debian 12 lists some libraries under /lib, 13 under /usr/lib.
package_of_file() { # PATH
    local path=$1 candidate
    for candidate in "$path" "$(realpath "$path")" "${path#/usr}" "/usr${path#/usr}"; do
        dpkg-query -S "$candidate" 2>/dev/null | sed -n '1s/:.*//p' | grep . && return 0
    done
    return 1
}
depends_on() { [ -n "$1" ] && grep -qx "$1" <<<"$depended"; }
for object in "$program" "$module"; do
    libraries=$(ldd "$object" | awk '$2 == "=>" && $3 ~ /^\// {print $3}')
    check "the libraries of $(basename "$object") are found" [ -n "$libraries" ]
    for library in $libraries; do
        owner=$(package_of_file "$library") || owner=
        # Libraries that the direct ones load in turn need not be named.
        if readelf -dW "$object" | grep -qF "[$(basename "$library")]"; then
            check "depends on $owner for $(basename "$library")" \
                depends_on "$owner"
        fi
    done
done
for package in qt6-qpa-plugins fonts-liberation2 fonts-quicksand fonts-dejavu-core; do
    check "depends on $package" depends_on "$package"
done
satisfy_status=0
satisfy_report=$(apt-get satisfy -s "$depends" 2>&1) || satisfy_status=$?
check "apt-get can satisfy the Depends on this release" [ "$satisfy_status" = 0 ]
[ "$satisfy_status" = 0 ] || sed 's/^/    /' <<<"$satisfy_report"
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
check "every file in the package belongs to root" [ "$owners" = root/root ]
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/games/tolvane ./usr/lib/games/tolvane/tolvane \
    ./usr/lib/games/tolvane/libtolvane-audio.so \
    ./usr/share/games/tolvane/highscores.txc ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/man/man6/tolvane.6.gz ./usr/share/doc/tolvane/copyright; do
    check "the package holds $path" grep -qxF "$path" <<<"$contents"
done
for object in "$program" "$module"; do
    name=$(basename "$object")
    sections=$(readelf -SW "$object")
    check "$name is stripped" not grep -q '\.debug_info\|\.symtab' <<<"$sections"
    check "$name has no .comment section" not grep -q ' \.comment ' <<<"$sections"
    if [ "$debian_flags" = 1 ]; then
        check "$name is bound at start (bind-now)" grep -q 'BIND_NOW' <<<"$(readelf -dW "$object")"
    fi
done
if [ "$debian_flags" != 1 ]; then
    say "skip - bind-now: this build goes without Debian's build flags (a Debug build)"
fi

# lintian reads the package as another user when run as root, as it advises; from the package's
# own folder, since that user may not enter the test's.
as_user=()
[ "$(id -u)" != 0 ] || as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
lintian_status=0
lintian_report=$(cd "$work/package" && "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME=/nonexistent \
    lintian --pedantic --display-info "$deb" 2>&1) || lintian_status=$?
say "    lintian --pedantic (exit $lintian_status): ${lintian_report:-nothing to report}"
check "lintian runs and accepts the package" [ "$lintian_status" = 0 ]
check "lintian --pedantic finds no error and no warning" not grep -q '^[EW]: ' <<<"$lintian_report"

if [ "$(id -u)" != 0 ]; then
    say "skip - installing the package needs root"
    [ "$failures" = 0 ] && exit $SKIP
    finish
fi
need_tools apt-get Xvfb xdotool xprop

say "# Installing it"
simulation=$(apt-get install -s --no-install-recommends "$deb" 2>&1) || {
    sed 's/^/    /' <<<"$simulation"
    fatal "apt-get cannot install the package"
}
extra_packages=$(awk '$1 == "Inst" && $2 != "tolvane" {printf " %s", $2}' <<<"$simulation")
[ -z "$extra_packages" ] || say "    apt-get installs as well:$extra_packages"
if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
    >"$work/install.log" 2>&1; then
    sed 's/^/    /' "$work/install.log"
    fatal "apt-get install failed"
fi
check "the package is installed" [ "$(dpkg-query -W -f='${db:Status-Status}' tolvane)" = installed ]
dpkg -L tolvane >"$work/installed-paths"
check "tolvane is on a player's PATH" [ "$(PATH=$player_path command -v tolvane)" = /usr/games/tolvane ]
check "tolvane --version works" [ "$(/usr/games/tolvane --version)" = "tolvane $version" ]
check "the tolvane on PATH is the launcher script" [ "$(head -n1 /usr/games/tolvane)" = "#!/bin/sh" ]
check "the program is among the games' private programs" [ -x /usr/lib/games/tolvane/tolvane ]
if command -v man >/dev/null; then
    check "man 6 tolvane finds the page" [ "$(man -w 6 tolvane 2>/dev/null)" = /usr/share/man/man6/tolvane.6.gz ]
    check_manual_paths /usr/share/man/man6/tolvane.6.gz ""
fi

say "# Playing it as a new player"
start_display
home=$work/home
mkdir -p "$home"
folder=$home/.local/share/tolvane
scores=$folder/highscores.txc
supplied=/usr/share/games/tolvane/highscores.txc
main_window=

start_game() {
    env -i PATH="$player_path" HOME="$home" DISPLAY="$DISPLAY" tolvane >>"$work/game.log" 2>&1 &
    game_pid=$!
}

# The game's largest visible window is its main window; its message boxes share the title.
find_main_window() {
    local window area best=0
    main_window=
    for window in $(xdotool search --onlyvisible --pid "$game_pid" --name '^Tolvane$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        area=$((WIDTH * HEIGHT))
        if [ "$area" -gt "$best" ]; then
            best=$area
            main_window=$window
        fi
    done
    [ -n "$main_window" ] && [ "$best" -ge $((300 * 300)) ]
}

# A message box at start-up (e.g. sound unavailable on a machine without audio) is answered, so
# that the menu can be used.
answer_message_boxes() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [ "$window" = "$main_window" ] && continue
        say "    answering a window at start-up: $(xdotool getwindowname "$window")"
        xdotool windowactivate --sync "$window" key Return 2>/dev/null
        sleep 0.5
    done
}

sounds_linked() {
    local sound
    for sound in pop erase notify clap not best pause ready solve; do
        [ "$(readlink "$folder/$sound.wav")" = "/usr/share/games/tolvane/$sound.wav" ] || return 1
    done
}

game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }

menu_is_open() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DROPDOWN_MENU &&
            return 0
    done
    return 1
}

# Game > Exit: a click on "Game" at the left of the menu bar opens the menu; Exit is its last
# item, so Up from the opened menu selects it. Under load a box of the start may come late: like
# a player, the test answers it and clicks again.
exit_through_menu() {
    local click
    game_status=
    for click in 1 2 3; do
        answer_message_boxes
        xdotool windowactivate --sync "$main_window" 2>/dev/null
        xdotool mousemove --window "$main_window" 20 10 click 1
        wait_for 10 menu_is_open && break
    done
    if menu_is_open; then
        xdotool key Up
        sleep 0.3
        xdotool key Return
    else
        say "    the Game menu did not open"
    fi
    if wait_for 20 game_ended; then
        wait "$game_pid"
        game_status=$?
        game_pid=
        return 0
    fi
    # Not closed: ask the window manager to close the window, so that the test can go on.
    xdotool windowactivate --sync "$main_window" key alt+F4 2>/dev/null
    wait_for 10 game_ended || kill "$game_pid"
    wait "$game_pid"
    game_pid=
    return 1
}

play_once() { # what
    start_game
    if ! wait_for 60 find_main_window; then
        check "the game window titled Tolvane appears ($1)" false
        sed 's/^/    /' "$work/game.log"
        return 1
    fi
    check "the game window titled Tolvane appears ($1)" true
    sleep 1
    answer_message_boxes
    return 0
}

if play_once "first start"; then
    check "the player's folder is created" [ -d "$folder" ]
    check "the player's score file is the supplied one" cmp -s "$supplied" "$scores"
    check "the sounds are linked to the installed ones" sounds_linked
    inode=$(stat -c %i "$scores")
    check "Game > Exit ends the game" exit_through_menu
    check "the game ends with status 0" [ "${game_status:-x}" = 0 ]
    setting=$(line_of "$scores" 3)
    say "    sound setting after the first game: $setting"
    check "line 3 of the score file holds the sound setting" grep -qx 's\|ns' <<<"$setting"
    check "the game has written the score file" [ "$(stat -c %i "$scores")" != "$inode" ]
    check "the other lines stay as supplied" \
        [ "$(sed 4d "$scores" | tr -d '\r')" = "$(sed 4d "$supplied" | tr -d '\r')" ]
fi

# The best-times block: the first "high" line after line 0, then name and seconds for Easy.
marker=$(tr -d '\r' <"$scores" | awk 'NR > 1 && $0 == "high" {print NR - 1; exit}')
[ -n "$marker" ] || fatal "no best-times block in $scores"
sed -i "4s/.*/off\r/; $((marker + 2))s/.*/Ada\r/; $((marker + 3))s/.*/123\r/" "$scores"

if play_once "second start"; then
    check "the player's file is kept at the second start" [ "$(line_of "$scores" $((marker + 1)))" = Ada ]
    check "Game > Exit ends the game" exit_through_menu
    check "line 3 holds the setting read from the player's file" [ "$(line_of "$scores" 3)" = ns ]
    check "the player's best time is kept" \
        [ "$(line_of "$scores" $((marker + 1)))/$(line_of "$scores" $((marker + 2)))" = Ada/123 ]
fi
stop_display

say "# Removing it"
cp -p "$scores" "$work/scores-before-removal"
if ! DEBIAN_FRONTEND=noninteractive apt-get remove -y -q tolvane >"$work/remove.log" 2>&1; then
    sed 's/^/    /' "$work/remove.log"
    check "apt-get remove tolvane" false
fi
check "the package is gone" not package_present
left=
while read -r path; do
    [ -f "$path" ] || [ -L "$path" ] && left="$left $path"
done <"$work/installed-paths"
check "no file of the package is left" [ -z "$left" ]
[ -z "$left" ] || say "    left:$left"
check "the player's scores stay after the removal" cmp -s "$work/scores-before-removal" "$scores"

finish
