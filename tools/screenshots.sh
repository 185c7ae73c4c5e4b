#!/bin/sh
# Renders Kestrune's windows into docs/ (kestrune-skinned.png, kestrune-plain.png and
# kestrune-install.png) from a fresh copy of the demo program folder whose Scriptpath names
# the demo forum. The windows are drawn offscreen, so no display is needed.
#
#   tools/screenshots.sh [BUILD_DIR]      (default: build-screenshots)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-screenshots"}
mod="Board motto.mod"
installed="Post counter.mod"

# A new build folder gets only what the pictures need; an existing one keeps its options.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DKESTRUNE_BUILD_GUI=ON -DKESTRUNE_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target kestrune-screenshots

QT_QPA_PLATFORM=offscreen "$build/tools/screenshots/kestrune-screenshots" \
    "$root/demo" forum/cgi-bin/yabb/YaBB.pl "$mod" "$installed" "$root/docs"
