#!/usr/bin/env bash
# Prints the run sequencer's overhead per run beyond its mandated waits, under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/lib/wine.sh
bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j "$(nproc)" --target sequencer_overhead sleeper desktop_keeper
export WINEPREFIX="$root/build/wineprefix-bench"
wine_fresh_prefix "$root/build/wineprefix-template" "$WINEPREFIX"
trap wine_server_stop EXIT
wine_server_start
steam="$WINEPREFIX/drive_c/Program Files (x86)/Steam"
mkdir -p "$steam"
cp build/win/bin/sleeper.exe "$steam/steam.exe"  # a client that exits at once
wine build/win/bin/sequencer_overhead.exe "$(wine_path "$steam")" </dev/null 2>/dev/null
