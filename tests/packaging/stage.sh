#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder, as a package build would:
#   stage.sh CMAKE BUILD_DIR STAGE_DIR
set -euo pipefail
cmake=$1
build=$2
stage=$3
rm -rf "$stage"
mkdir -p "$stage"
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr
