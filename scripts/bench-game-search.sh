#!/usr/bin/env bash
# Prints how long the game search takes over a Steam-like tree of about 100,000 files in 10,000
# folders, beside `cmd /c dir /s /b ROOT\hl2.exe` on the same tree, under Wine (warm cache,
# medians). The tree is built once under build/ and reused.
# Usage: scripts/bench-game-search.sh [REPETITIONS]   (default 7)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/lib/wine.sh
repetitions=${1:-7}

bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j 2 --target game_search_speed

# The tree: made in a scratch folder and moved into place whole, so an interrupted build is never
# taken for a finished one.
trees="$root/build/bench-game-search"
tree="$trees/Steam"
if [ ! -d "$tree" ]; then
  echo "Building the Steam-like tree in $tree ..."
  scratch="$trees/scratch.$$"
  rm -rf "$scratch"
  mkdir -p "$scratch"
  awk -f scripts/lib/steam-tree.awk >"$scratch/list"
  (
    cd "$scratch"
    sed -n 's/^D //p' list | xargs -d '\n' mkdir -p
    sed -n 's/^F //p' list | xargs -d '\n' touch
  )
  mv "$scratch/Steam" "$tree"
  rm -rf "$scratch"
fi
echo "tree size: $(find "$tree" -type d | wc -l) folders, $(find "$tree" -type f | wc -l) files"

export WINEPREFIX="$root/build/wineprefix-bench"
wine_fresh_prefix "$root/build/wineprefix-template" "$WINEPREFIX"
trap wine_server_stop EXIT
wine_server_start
wine build/win/bin/game_search_speed.exe "$(wine_path "$tree")" "$repetitions" </dev/null 2>/dev/null
