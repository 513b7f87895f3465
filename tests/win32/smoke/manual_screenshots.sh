#!/usr/bin/env bash
# Takes the pictures of the user manual: the real program under Wine, installed with a set of
# stored choices a user might have made, on a display that offers the usual sizes; each page of
# the main window and the custom resolution picker, as PNG files in the given folder.
# Usage: manual_screenshots.sh BIN_DIR SCREENSHOT_FOLDER
# BIN_DIR holds tamsendor.exe and the stand-in Steam client and game.
set -u
bin=$1
shots=$2

. "$(dirname "$0")/smoke_lib.sh"
. "$root/scripts/lib/installation.sh"
[ -f "$bin/tamsendor.exe" ] || fail "no program in $bin"

# On a private Xvfb the screen offers only its own size: add the sizes of a common monitor, so the
# resolution page shows them as a user sees them. A user's own display is left as it is.
if [ -n "${TAMSENDOR_INSIDE_XVFB:-}" ]; then
  output=$(xrandr 2>/dev/null | awk '/ connected/ { print $1; exit }')
  for size in 640x480 800x600 1024x768 1280x768 1280x720 1440x900 1680x1050; do
    w=${size%x*} h=${size#*x}
    mode="${w}x${h}_manual"
    xrandr --newmode "$mode" 60 "$w" $((w + 8)) $((w + 16)) $((w + 24)) \
      "$h" $((h + 1)) $((h + 2)) $((h + 3)) >/dev/null 2>&1
    xrandr --addmode "${output:-screen}" "$mode" >/dev/null 2>&1
  done
fi

# Choices as stored by an earlier session: two fixed sizes and a custom one, the first demo, three
# runs, 16x anisotropic filtering with 4x MSAA, full HDR and a note.
install_machine "$bin" 1024=1 1280=1 CusW=1280 CusH=720 CusRes=1 \
  AFLevel=5 AALevel=2 RunNumber=3 Demo=1 \
  'Note=New driver, case closed' HDR=2 Heapsize=256000 Refresh=60 FastZ=1 ColorCorrection=1 \
  MBlur=0 DXLevel=0

wine "$program/tamsendor.exe" >/dev/null 2>&1 </dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
wait_for 90 main_window >/dev/null || fail "no main window within 90 s"
window=$(main_window)
close_news
sleep 1 # let it paint

# away: the pointer off the controls, so no hint or hot-tracked item shows in a picture.
away() { xdotool mousemove --window "$window" 300 120 sleep 0.8; }
click() { xdotool mousemove --window "$window" "$1" "$2" sleep 0.3 click 1 sleep 0.6; }
shot() {
  screenshot "$window" "$shots/$1.png"
  echo "screenshot: $shots/$1.png"
}

# The group bar is at 8, 210 (captions 24 high, items 20): "Benchmark", then its four items.
click 60 222
names=(page-path page-resolution page-filters page-misc)
for page in 1 2 3 4; do
  click 60 $((234 + (page - 1) * 20 + 10))
  away
  shot "${names[page - 1]}"
done

# Page 2's "Possibilities" (248, 97 on the page at 150, 205) opens the picker; one size ticked as
# a user would before "Add": the fourth (items 17 high from 8, 64), 1280 x 720 on this display.
click 60 264
click 438 313
picker=""
for _ in $(seq 50); do
  picker=$(xdotool search --onlyvisible --name '^Custom resolution$' 2>/dev/null | head -n 1)
  [ -n "$picker" ] && break
  sleep 0.1
done
[ -n "$picker" ] || fail "\"Possibilities\" did not open the picker"
sleep 0.5
xdotool mousemove --window "$picker" 14 123 sleep 0.3 click 1 sleep 0.3
xdotool mousemove --window "$picker" 180 300 sleep 0.8
screenshot "$picker" "$shots/picker.png"
echo "screenshot: $shots/picker.png"
xdotool mousemove --window "$picker" 210 18 sleep 0.3 click 1 sleep 0.5

# The centre of the Exit button (533, 7; 18 x 17).
click 542 15
wait_for 15 bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end through Exit"
trap - EXIT
