#!/usr/bin/env bash
# Refreshes the pictures of the user manual (docs/manual/images/*.png): builds the program and the
# stand-ins for Windows, takes the pictures of the real windows under Wine on a private Xvfb (the
# same size and look whatever your own display is), and stores them small (stripped, 8-bit
# palette). Read them through before committing. The next build prints them into Help.pdf.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j 2 --target tamsendor standin_steam standin_hl2

. scripts/lib/wine.sh
export WINEPREFIX="$root/build/wineprefix-manual"
export TAMSENDOR_WINEPREFIX="$WINEPREFIX"
wine_fresh_prefix "$root/build/wineprefix-template" "$WINEPREFIX"
trap wine_server_stop EXIT
wine_server_start

raw="$root/build/manual-screenshots"
rm -rf "$raw"
env -u DISPLAY scripts/lib/with-display.sh \
  bash tests/win32/smoke/manual_screenshots.sh "$root/build/win/bin" "$raw"

images="$root/docs/manual/images"
mkdir -p "$images"
for picture in "$raw"/*.png; do
  convert "$picture" -strip -colors 256 PNG8:"$images/$(basename "$picture")"
  echo "$images/$(basename "$picture"): $(stat -c %s "$images/$(basename "$picture")") bytes"
done
