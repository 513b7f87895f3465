#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds natively and for Windows, and runs every test: the native
# core tests (with AddressSanitizer and UBSan), 10 seconds of each fuzz harness, then the Windows
# tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh

jobs=$(nproc)
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAMSENDOR_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure --timeout 120 -j "$jobs"
# Every reader of outside text, fuzzed briefly, so that a regression shows on every change.
bash scripts/fuzz.sh 10

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j "$jobs"
scripts/lib/with-display.sh scripts/lib/run-windows-tests.sh
