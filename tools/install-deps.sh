#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail

# dpkg-dev gives the Debian package its dependencies; clang and libclang-rt-dev (libFuzzer)
# build the fuzz targets; ccache keeps compiled objects between builds; libhamlib-utils gives the
# tests Hamlib's clients and rotctld's dummy rotator; socat gives tools/bench.sh a
# pseudo-terminal pair for the card of the PC's own; python3-sgp4 gives the tests SGP4's
# verification set and an independent look at a satellite.
packages=(cmake ninja-build g++ dpkg-dev libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
          libhamlib-utils socat clang libclang-rt-dev ccache python3-sgp4)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
