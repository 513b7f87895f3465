#!/usr/bin/env bash
# Runs inside a display (see with-display.sh): prepares the prefix as an installed machine would
# be, runs the program, presses Run, and waits for the benchmark to go through every run.
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

# The installation: the program installed by its setup program, with no choice stored yet (the
# clicks below make them), the Steam client, and the game below the client's library folder with
# the user's own autoexec.cfg.
. "$root/scripts/lib/installation.sh"
install_machine "$bin"
printf 'play_ms=3000\r\nseed=7\r\n' >"$game/ep2/standin-hl2.ini"
game_before=$(game_folder_state)

# The default browser: Wine hands documents to the programs listed here; ours renders the report
# headless into out/ instead of opening a window nobody sees.
viewer="$root/build/report-viewer.sh"
{
  echo '#!/bin/sh'
  echo "printf '%s\\n' \"\$1\" >\"$out/report-opened.txt\""
  echo "exec chromium --headless --no-sandbox --disable-gpu --no-first-run \\"
  echo "  --disable-background-networking --user-data-dir=\"$root/build/report-viewer-profile\" \\"
  echo "  --window-size=900,1100 --screenshot=\"$out/report.png\" \"\$1\" >/dev/null 2>&1"
} >"$viewer"
chmod +x "$viewer"
rm -f "$out/report-opened.txt" "$out/report.png"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$viewer" /f >/dev/null 2>&1

# Steam runs, as the benchmark expects.
wine "$steam/steam.exe" >/dev/null 2>&1 </dev/null &

started=$(date +%s.%N)
# As a user starts it: what the Start menu shortcut that setup made starts.
wine "$(shortcut_target)" >/dev/null 2>&1 </dev/null &
app=$!

# The main window is the one of its size (a splash or a message box may come first).
main_window() {
  local id WIDTH HEIGHT X Y SCREEN WINDOW
  for id in $(xdotool search --onlyvisible --name '^Korvalin Tamsendor$' 2>/dev/null); do
    WIDTH="" HEIGHT=""
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
    [ "$WIDTH" = 559 ] && [ "$HEIGHT" = 475 ] && echo "$id" && return 0
  done
  return 1
}
window=""
for _ in $(seq 600); do
  window=$(main_window || true)
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
# The news window comes with it, on top; closed as a user closes it, it only hides.
for _ in $(seq 100); do
  news=$(xdotool search --onlyvisible --name '^Pelloquin NEWS$' 2>/dev/null | head -n 1 || true)
  [ -n "$news" ] && break
  sleep 0.1
done
if [ -n "$news" ]; then
  sleep 0.5
  xdotool windowactivate --sync "$news" 2>/dev/null
  xdotool key --clearmodifiers alt+F4
  echo "News window shown and closed."
else
  echo "No news window with the main window." >&2
  kill "$app" 2>/dev/null || true
  exit 1
fi
sleep 1 # let it paint
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() {
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
  echo "Screenshot: $out/$1.png"
}
click() { # click X Y: a point of the window's client area
  xdotool mousemove --window "$window" "$1" "$2" sleep 0.3 click 1 sleep 0.5
}
shot main-window

# The choices, made as a user makes them. The group bar is at 8, 210 (captions 24 high, items
# 20); the page area at 150, 205.
click 60 222  # "Benchmark"
click 60 264  # "Resolution & detail"
click 295 233 # "1280 x 1024", the second column's first item: the size Xvfb offers
shot page-resolution
echo "Ticked 1280 x 1024."
click 60 284  # "Filters & demos"
click 168 301 # "QOR demo 1"
click 185 389 # the run count: opens its list
xdotool key Down Down Return
sleep 0.5
shot page-filters-and-demos
echo "Chose the first shipped demo and two runs."

click 76 404  # Run (25, 392; 102 x 24)
echo "Run pressed; each run waits 30 s for the game to settle, as the program does."

log="$game/ep2/standin-hl2.log"
sleep 5
shot benchmark-running

# Done when the report is saved, or when no game has been launched for 45 s (the program
# launches the next run at most 36 s after a game has ended).
results="$program/Benchmark"
last_lines=-1
quiet_since=$(date +%s)
while :; do
  lines=$(wc -l <"$log" 2>/dev/null || echo 0)
  if [ "$lines" != "$last_lines" ]; then
    last_lines=$lines
    quiet_since=$(date +%s)
    [ "$lines" -gt 0 ] && echo "Game launch $lines: $(tail -n 1 "$log" | tr -d '\r')"
  fi
  compgen -G "$results/result_*.htm" >/dev/null && break
  [ $(($(date +%s) - quiet_since)) -ge 45 ] && break
  [ $(($(date +%s) - quiet_since)) -ge 20 ] && [ "$lines" = 0 ] && break  # nothing launched
  kill -0 "$app" 2>/dev/null || break
  sleep 1
done
shot benchmark-finished
report=$(compgen -G "$results/result_*.htm" | head -n 1 || true)
if [ -z "$report" ]; then
  echo "No report was saved." >&2
  status=1
else
  echo "Report: $report"
  iconv -f latin1 -t utf-8 "$report" | grep -o 'Resolution: [^<]*\|Score = [^<]*\|Average score = [^<]*\|Range: [^<]*' | sed 's/^/  /'
  # Its twin for other programs, as the results tool lists it.
  if [ -f "${report%.htm}.json" ]; then
    echo "Results file: ${report%.htm}.json"
    wine "$bin/tamsendor-results.exe" list "$(winepath -w "$results")" 2>&1 | tr -d '\r' |
      sed 's/^/  /'
  else
    echo "No results file beside the report." >&2
    status=1
  fi
  # The program opened it in the default browser, which renders it into out/.
  for _ in $(seq 100); do
    [ -s "$out/report.png" ] && break
    sleep 0.2
  done
  if [ -s "$out/report.png" ]; then
    echo "Opened in the browser as $(cat "$out/report-opened.txt"); rendered: $out/report.png"
  else
    echo "The report was not opened in the browser." >&2
    status=1
  fi
fi

if [ "$(game_folder_state)" = "$game_before" ]; then
  echo "The game's folder is as it was (the user's autoexec.cfg back, no demo left)."
else
  echo "The game's folder changed:" >&2
  diff <(echo "$game_before") <(game_folder_state) >&2 || true
  status=1
fi

if [ -n "${TAMSENDOR_INSIDE_XVFB:-}" ]; then
  # Nobody can see this display: leave through the program's Exit button.
  xdotool mousemove $((X + 533 + 9)) $((Y + 7 + 8)) click 1
fi
for _ in $(seq 100); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
kill "$app" 2>/dev/null || true
wine "$steam/steam.exe" -shutdown >/dev/null 2>&1 </dev/null || true

exit "${status:-0}"
