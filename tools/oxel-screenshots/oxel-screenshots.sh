#!/bin/sh
# Renders Oxel's five tabs into docs/ (oxel-property.png, oxel-action.png, oxel-preview.png,
# oxel-editingfile.png and oxel-about.png) on a demo mod. The window is drawn offscreen, so no
# display is needed.
#
#   tools/oxel-screenshots/oxel-screenshots.sh [BUILD_DIR]      (default: build-screenshots)
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$root/build-screenshots"}
mod=${OXEL_SCREENSHOT_MOD:-"$root/demo/Mods/YaBB 2.1/Quick Reply box.mod"}

cmake -S "$root" -B "$build" -DKESTRUNE_BUILD_GUI=ON -DKESTRUNE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target oxel-screenshots

QT_QPA_PLATFORM=offscreen "$build/tools/oxel-screenshots/oxel-screenshots" \
    "$root/demo" "$mod" "$root/docs"
