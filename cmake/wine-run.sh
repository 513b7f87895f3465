#!/usr/bin/env bash
# Runs a Windows program under Wine in the test run's own prefix.
# TAMSENDOR_WINEPREFIX is set by scripts/test.sh; without it the prefix beside the build is used.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${TAMSENDOR_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d}"
exec wine "$@"
