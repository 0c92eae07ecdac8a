#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the committed PNG icons from the SVG drawings (needs rsvg-convert, package
# librsvg2-bin). Run it after changing a drawing and commit the PNGs with it.
set -eu
cd "$(dirname "$0")"
id=io.github.tolvane.tolvane
for size in 16 32 48 64 128 256; do
    source=$id.svg
    # The smallest size has its own pixel-aligned drawing.
    [ "$size" = 16 ] && source=$id-16.svg
    mkdir -p "${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/$id.png" "$source"
done
