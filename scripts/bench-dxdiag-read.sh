#!/usr/bin/env bash
# Prints how long reading a DirectX diagnostic text report of 1 and 10 MB takes (natively, an
# optimised build): the reading is linear in the report's size.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench -j "$(nproc)" --target dxdiag_read_speed
build/bench/tools/bench/dxdiag_read_speed
