#!/usr/bin/env bash
# The main job: builds tamsendor.exe and the stand-in Steam client and game, lays them out in a
# Wine prefix of their own as a real installation would be, and runs the program on your display
# (or on Xvfb when there is none). A screenshot of the main window goes to out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j "$(nproc)" --target setup standin_steam standin_hl2
exec scripts/lib/with-display.sh scripts/lib/main-job.sh
