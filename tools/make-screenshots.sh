#!/usr/bin/env bash
# Builds tools/screenshots and writes docs/screenshots/*.png of the main window's three pages
# with data/samples/Sample.pat open. Usage: tools/make-screenshots.sh [BUILD_DIR]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-screenshots}"

cmake -S "$here/tools/screenshots" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" -j2 make-screenshots

settings="$(mktemp -d)"
trap 'rm -rf "$settings"' EXIT
mkdir -p "$here/docs/screenshots"
# A fresh settings folder so the pictures show the default language and profile.
XDG_CONFIG_HOME="$settings" HOME="$settings" QT_QPA_PLATFORM=offscreen \
  "$build/make-screenshots" "$here/data" "$here/data/samples/Sample.pat" "$here/docs/screenshots"
