#!/usr/bin/env bash
# Runs the Windows test programs under Wine through CTest, in a prefix of the run's own.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/lib/wine.sh"

# A helper working beside another may name its own build folder and prefix.
build="${TAMSENDOR_WIN_BUILD:-$root/build/win}"
export WINEPREFIX="${TAMSENDOR_TEST_PREFIX:-$root/build/wineprefix-tests}"
export TAMSENDOR_WINEPREFIX="$WINEPREFIX"
wine_fresh_prefix "$root/build/wineprefix-template" "$WINEPREFIX"
trap wine_server_stop EXIT
wine_server_start "$build/bin/desktop_keeper.exe"

ctest --test-dir "$build" --output-on-failure --timeout 180 "$@"
