#!/usr/bin/env bash
# Starts the real program under Wine on the X display, checks its main window, saves a
# screenshot and leaves through the Exit button. Fails, never hangs, when the window does not
# come or the program does not end.
# Usage: main_window_smoke.sh TAMSENDOR_EXE [SCREENSHOT_FOLDER]
set -u
exe=$1
shots=${2:-$(dirname "$exe")}

. "$(dirname "$0")/smoke_lib.sh"
[ -f "$exe" ] || fail "no program at $exe"

# An installed machine: the product key and Steam's key exist, so no start-up message comes first.
wine reg add 'HKLM\SOFTWARE\Korvalin\Quillax' /f >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /d 'c:/steam' /f >/dev/null 2>&1 </dev/null

started=$(date +%s%N)
wine "$exe" >/dev/null 2>&1 </dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
ms_since() { echo $((($(date +%s%N) - $1) / 1000000)); }

# First the splash alone, for 6000 ms; the main window only after it.
wait_for 60 splash_window >/dev/null || fail "no splash of 603 x 698 within 60 s"
splashed=$(date +%s%N)
echo "splash after $(ms_since "$started") ms"
main_window >/dev/null && fail "the main window shows beside the splash"
sleep 0.5 # let it paint
screenshot "$(splash_window)" "$shots/splash.png"
colours=$(identify -format %k "$shots/splash.png")
[ "$colours" -gt 20 ] || fail "the splash shows $colours colours: its picture is not drawn"
echo "screenshot: $shots/splash.png"
while ! main_window >/dev/null; do
  kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
  [ "$(ms_since "$splashed")" -lt 60000 ] || fail "no main window within 60 s of the splash"
  sleep 0.05
done
shown=$(ms_since "$splashed")
window=$(main_window)
close_news
echo "window after $(ms_since "$started") ms, $shown ms after the splash showed"
[ "$shown" -ge 5500 ] || fail "the main window came $shown ms after the splash, not 6000"
splash_window >/dev/null && fail "the splash is still there beside the main window"
eval "$(xdotool getwindowgeometry --shell "$window")"

sleep 1  # let it paint
mkdir -p "$shots"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/main_window.png" ||
  fail "no screenshot"
echo "screenshot: $shots/main_window.png"

# Each page through the group bar (at 8, 210; captions 24 high, items 20): open "Benchmark", then
# its four items; "About..." of "Other" hides the pages again.
shot() {
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$1.png" || fail "no $1"
  echo "screenshot: $shots/$1.png"
}
xdotool mousemove --window "$window" 60 222 sleep 0.3 click 1 sleep 0.5
for page in 1 2 3 4; do
  xdotool mousemove --window "$window" 60 $((234 + (page - 1) * 20 + 10)) sleep 0.3 click 1 \
    sleep 0.7
  shot "page_$page"
done
# Page 2's "Possibilities" (248, 97 on the page at 150, 205; 80 x 23) opens the custom resolution
# picker over the window; its close button (200, 8; 20 x 20) closes it.
xdotool mousemove --window "$window" 60 264 sleep 0.3 click 1 sleep 0.5
xdotool mousemove --window "$window" 438 313 sleep 0.3 click 1
picker=""
for _ in $(seq 50); do
  picker=$(xdotool search --onlyvisible --name '^Custom resolution$' 2>/dev/null | head -n 1)
  [ -n "$picker" ] && break
  sleep 0.1
done
[ -n "$picker" ] || fail "\"Possibilities\" did not open the picker"
eval "$(xdotool getwindowgeometry --shell "$picker" | sed 's/^/PICKER_/')"
[ "$PICKER_WIDTH" = 228 ] && [ "$PICKER_HEIGHT" = 502 ] ||
  fail "the picker is ${PICKER_WIDTH}x${PICKER_HEIGHT}, not 228x502"
sleep 0.5
import -window root -crop "228x502+${PICKER_X}+${PICKER_Y}" +repage "$shots/picker.png" ||
  fail "no picker screenshot"
echo "screenshot: $shots/picker.png"
xdotool mousemove --window "$picker" 210 18 sleep 0.3 click 1
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Custom resolution$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Custom resolution$' >/dev/null 2>&1 &&
  fail "the picker's close button did not close it"

xdotool mousemove --window "$window" 60 326 sleep 0.3 click 1 sleep 0.5  # "Other"
xdotool mousemove --window "$window" 60 308 sleep 0.3 click 1 sleep 0.7  # "About..."
shot about

# The centre of the Exit button (533, 7; 18 x 17).
xdotool mousemove --window "$window" 542 15 sleep 0.3 click 1
deadline=$((SECONDS + 10))
while kill -0 "$pid" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || fail "the program was still running 10 s after Exit"
  sleep 0.1
done
wait "$pid"
code=$?
[ "$code" = 0 ] || fail "the program ended with exit code $code"
trap - EXIT
echo "ended through Exit"
