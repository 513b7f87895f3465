#!/usr/bin/env bash
# Runs inside a display (see with-display.sh): prepares the prefix and runs the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/lib/wine.sh"

bin="$root/build/win/bin"
out="$root/out"
mkdir -p "$out"
export WINEPREFIX="$root/build/wineprefix-demo"
wine_fresh_prefix "$root/build/wineprefix-template" "$WINEPREFIX"
trap wine_server_stop EXIT
wine_server_start

# The installation as the user's machine would have it: the program with its product key, the
# Steam client with its registry key, and the game below the client's library folder.
drive_c="$WINEPREFIX/drive_c"
program="$drive_c/Program Files/Korvalin Tamsendor"
steam="$drive_c/Program Files (x86)/Steam"
game="$steam/steamapps/common/half-life 2 episode two"
mkdir -p "$program" "$game/ep2/cfg"
cp "$bin/tamsendor.exe" "$program/"
cp "$bin/steam.exe" "$steam/"
cp "$bin/hl2.exe" "$game/"
wine reg add 'HKLM\SOFTWARE\Korvalin\Quillax' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /d 'c:/program files (x86)/steam' /f \
  >/dev/null 2>&1

started=$(date +%s.%N)
wine "$program/tamsendor.exe" >/dev/null 2>&1 </dev/null &
app=$!

window=""
for _ in $(seq 300); do
  window=$(xdotool search --name '^Korvalin Tamsendor$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "The main window did not appear." >&2
  kill "$app" 2>/dev/null || true
  exit 1
fi
shown=$(date +%s.%N)
awk -v a="$started" -v b="$shown" 'BEGIN { printf "Main window shown after %.2f s.\n", b - a }'

sleep 1  # let it paint
import -window root "$out/main-window.png"
echo "Screenshot: $out/main-window.png"

if [ -n "${TAMSENDOR_INSIDE_XVFB:-}" ]; then
  # Nobody can see this display: leave through the program's Exit button.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 533 + 9)) $((Y + 7 + 8)) click 1
fi
wait "$app" || true
