#!/usr/bin/env bash
# Installs the build into a staging folder, as a package build would:
#   stage.sh BUILD_DIR STAGE_DIR
set -euo pipefail
build=$1
stage=$2
rm -rf "$stage"
mkdir -p "$stage"
DESTDIR=$stage cmake --install "$build" --prefix /usr
