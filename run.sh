#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kestrune on a fresh copy of the bundled demo
# (a small forum of our own and a few mods for it). Without a display it shows the same demo
# through kestrune-cli: list, install with a diff, uninstall.
set -euo pipefail
cd "$(dirname "$0")"
./tools/ensure-packages.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

# A fresh program folder each time, so the demo always starts from an untouched forum.
demo=$(mktemp -d /tmp/kestrune-demo.XXXXXX)
cp -a build/program/. "$demo/"
script="$demo/forum/cgi-bin/yabb/YaBB.pl"
printf '[Settings]\r\nVersion=v2.5.6\r\nScriptpath=%s\r\n' "$script" >"$demo/kestrune.ini.seed"
if [ -x "$demo/kestrune-cli" ]; then
    # Let the CLI write its default settings, then preset the script path in them.
    "$demo/kestrune-cli" --home "$demo" --script "$script" list >/dev/null 2>&1 || true
    sed -i "s|^Scriptpath=.*\r\$|Scriptpath=$script\r|" "$demo/kestrune.ini"
fi
rm -f "$demo/kestrune.ini.seed"
echo "Demo program folder: $demo"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$demo/kestrune" ]; then
    exec "$demo/kestrune"
fi

cli="$demo/kestrune-cli --home $demo --script $script"
echo; echo "\$ kestrune-cli list"; $cli list
mod="Quick Reply box.mod"
echo; echo "\$ kestrune-cli install --diff \"$mod\""; $cli install --diff "$mod"
echo; echo "\$ kestrune-cli uninstall \"$mod\""; $cli uninstall "$mod"
