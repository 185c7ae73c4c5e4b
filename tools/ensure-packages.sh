#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev               # the two desktop programs
    googletest libgtest-dev libgmock-dev # tests
    libbenchmark-dev                     # bench/
    libcli11-dev libdtl-dev patch        # kestrune-cli: arguments, unified diffs, diff check
    clang libclang-rt-14-dev             # fuzz/ (libFuzzer)
    xvfb xauth                           # the desktop demo without a display
    shared-mime-info desktop-file-utils  # the .mod file association's cache updates
    python3
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
