#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the installed tree (staged with DESTDIR, prefix /usr) in Debian's layout for games: the
# files and their modes, the desktop entry and metainfo against their validators and each other,
# the icons, the manual page and the paths it names, the copyright file, the launcher's own
# options, and the sources' licence information.
#   installed-files.sh STAGE_DIR SOURCE_DIR VERSION APP_ID
set -uo pipefail
stage=$1
source_dir=$2
version=$3
id=$4
. "$(dirname "$0")/lib.sh"
need_tools desktop-file-validate appstreamcli man col od gzip reuse

sounds="pop erase notify clap not best pause ready solve"
usr=$stage/usr
[ -d "$usr" ] || fatal "nothing staged in $stage"

expected=$(
    {
        echo usr/games/tolvane
        echo usr/lib/games/tolvane/tolvane
        echo usr/lib/games/tolvane/libtolvane-audio.so
        echo usr/share/games/tolvane/highscores.txc
        for sound in $sounds; do echo "usr/share/games/tolvane/$sound.wav"; done
        echo "usr/share/applications/$id.desktop"
        echo "usr/share/metainfo/$id.metainfo.xml"
        echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
        for size in 16 32 48 64 128 256; do
            echo "usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
        done
        echo usr/share/man/man6/tolvane.6.gz
        echo usr/share/doc/tolvane/changelog.gz
        echo usr/share/doc/tolvane/copyright
    } | LC_ALL=C sort
)
actual=$(cd "$stage" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
check "the installed files are exactly the expected ones" [ "$actual" = "$expected" ]
if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") | sed 's/^/    /'
fi

mode() { stat -c %a "$1"; }
check "the launcher is executable (755)" [ "$(mode "$usr/games/tolvane")" = 755 ]
check "the program is executable (755)" [ "$(mode "$usr/lib/games/tolvane/tolvane")" = 755 ]
check "the audio module is a shared object (644)" \
    [ "$(mode "$usr/lib/games/tolvane/libtolvane-audio.so")" = 644 ]
for file in "$usr"/share/games/tolvane/*; do
    check "$(basename "$file") is read-only for players (644)" [ "$(mode "$file")" = 644 ]
done
check "the supplied score file is installed unchanged" \
    cmp -s "$source_dir/assets/highscores.txc" "$usr/share/games/tolvane/highscores.txc"
bad_dirs=$(find "$usr" -type d ! -perm 755)
check "every installed folder is 755" [ -z "$bad_dirs" ]

desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
# Offline the URLs cannot be checked; everything else, the pedantic notes too, must be clean.
# One note is allowed, and only from AppStream before 1.0 (Debian 12): it does not know the
# <developer> tag that AppStream 1.0 (Debian 13) asks for in place of <developer_name>.
old_appstream_note='^I: [^ ]*: unknown-tag developer$'
appstream_notes() {
    if dpkg --compare-versions "$(appstreamcli --version | grep -o '[0-9][0-9.]*' | head -n1)" lt 1.0; then
        grep -v "$old_appstream_note"
    else
        cat
    fi
}
appstream_clean() { # validate|validate-tree PATH
    local report
    report=$(appstreamcli "$1" --no-net --pedantic "$2" 2>&1) &&
        ! appstream_notes <<<"$report" | grep -q '^[EWIP]: ' && return 0
    sed 's/^/    /' <<<"$report"
    return 1
}
check "appstreamcli finds nothing to fix in the metainfo" appstream_clean validate "$metainfo"
check "appstreamcli finds nothing to fix in the installed tree" appstream_clean validate-tree "$usr"
check "the metainfo's component id is the application id" grep -q "<id>$id</id>" "$metainfo"

entry() { sed -n "s/^$1=//p" "$desktop"; }
check "the desktop entry starts the launcher on PATH" [ "$(entry Exec)" = tolvane ]
check "the desktop entry's icon is the installed icon" [ "$(entry Icon)" = "$id" ]
check "the desktop entry is a logic game" [ "$(entry Categories)" = "Game;LogicGame;" ]
check "the metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check "the metainfo names the release $version" grep -q "<release version=\"$version\" date=" "$metainfo"
check "the metainfo has a screenshot" grep -q '<screenshot type="default">' "$metainfo"

# Width and height from the PNG header.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
    set -- $bytes
    echo "$(($1 << 24 | $2 << 16 | $3 << 8 | $4))x$(($5 << 24 | $6 << 16 | $7 << 8 | $8))"
}
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    check "the ${size}x${size} icon is a PNG" [ "$(od -An -c -j1 -N3 "$png" | tr -d ' ')" = PNG ]
    check "the ${size}x${size} icon is $size x $size pixels" [ "$(png_size "$png")" = "${size}x${size}" ]
done
check "the scalable icon is an SVG" grep -q '<svg ' "$usr/share/icons/hicolor/scalable/apps/$id.svg"

changelog=$usr/share/doc/tolvane/changelog.gz
check "the changelog is compressed" gzip -t "$changelog"
check "the changelog starts with this version" \
    grep -q "^tolvane ($version) " <<<"$(gzip -dc "$changelog" | head -n1)"

manual=$usr/share/man/man6/tolvane.6.gz
check "the manual page is compressed" gzip -t "$manual"
warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
check "the manual page formats without warnings" [ -z "$warnings" ]
[ -z "$warnings" ] || say "$warnings"
page=$(MANWIDTH=80 man -l "$manual" 2>/dev/null)
check "the manual page is section 6" grep -q '^TOLVANE(6)' <<<"$page"
check "the manual page tells where the scores live" grep -q 'highscores.txc' <<<"$page"
check "the manual page names the licence" \
    grep -q 'GNU General Public License' <<<"$(sed -n '/^COPYRIGHT/,$p' <<<"$page")"
check_manual_paths "$manual" "$stage"

copyright=$usr/share/doc/tolvane/copyright
check "the copyright file is machine-readable" \
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
check "the copyright file gives the licence GPL-3.0-or-later" grep -qx 'License: GPL-3.0-or-later' "$copyright"

launcher=$usr/games/tolvane
check "the launcher is valid sh" sh -n "$launcher"
check "the launcher is a POSIX sh script" [ "$(head -n1 "$launcher")" = "#!/bin/sh" ]
check "tolvane --version prints the version" [ "$("$launcher" --version)" = "tolvane $version" ]
check "tolvane --help prints its usage" grep -q '^Usage: tolvane' <<<"$("$launcher" --help)"
"$launcher" --fullscreen >/dev/null 2>&1
check "an unknown argument is refused with status 2" [ $? = 2 ]

# Every file of the sources carries its copyright and licence, or .reuse/dep5 gives them. In a git
# checkout that means the files git tracks, as they are in the work tree: a build log or other
# untracked file beside them is no part of the sources.
reuse_lint_sources() {
    local copy
    if ! git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        (cd "$source_dir" && reuse lint)
        return
    fi
    copy=$(mktemp -d)
    (cd "$source_dir" && git ls-files -z | xargs -0 cp -P --parents -t "$copy") &&
        (cd "$copy" && reuse lint)
    local status=$?
    rm -rf "$copy"
    return $status
}
if reuse_report=$(reuse_lint_sources 2>&1); then
    check "reuse lint passes on the sources" true
else
    check "reuse lint passes on the sources" false
    grep -v '^$' <<<"$reuse_report" | head -n 30 | sed 's/^/    /'
fi

finish
