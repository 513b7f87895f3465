#!/usr/bin/env bash
# The real program under Wine on a broken installation: without the product key, or without
# Steam's key. After the splash the message box shows; once answered, the main window opens with
# Run disabled (its face dimmed, and a click on it starts nothing).
# Usage: broken_installation.sh TAMSENDOR_EXE product|steam [SCREENSHOT_FOLDER]
set -u
exe=$1
missing=$2
shots=${3:-$(dirname "$exe")}
. "$(dirname "$0")/smoke_lib.sh"

product='HKLM\SOFTWARE\Korvalin\Quillax'
steam='HKCU\Software\Valve\Steam'
case $missing in
  product) absent=$product present=$steam ;;
  steam) absent=$steam present=$product ;;
  *) fail "unknown case $missing" ;;
esac
# Whatever the prefix held is put back at the end.
saved=$(mktemp -u)
had_absent=""
wine reg export "$absent" "$(wine_path "$saved")" /y >/dev/null 2>&1 </dev/null && had_absent=1
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$had_absent" ] && wine reg import "$(wine_path "$saved")" >/dev/null 2>&1 </dev/null
  rm -f "$saved"
}
trap cleanup EXIT
wine reg delete "$absent" /f >/dev/null 2>&1 </dev/null
wine reg add "$present" /f >/dev/null 2>&1 </dev/null
wine reg add "$steam" /v SteamPath /d 'c:/steam' /f >/dev/null 2>&1 </dev/null
[ "$missing" = steam ] && wine reg delete "$steam" /f >/dev/null 2>&1 </dev/null

# The pointer out of the way: the message box must wait for an answer, not meet a stray click.
xdotool mousemove 0 0
wine "$exe" >/dev/null 2>&1 </dev/null &
pid=$!
wait_for 60 splash_window >/dev/null || fail "no splash"
message_box >/dev/null && fail "the message shows during the splash"
wait_for 30 message_box >/dev/null || fail "no message after the splash"
box=$(message_box)
main_window >/dev/null && fail "the main window shows before the message is answered"
sleep 0.3 # let it paint
screenshot "$box" "$shots/broken_installation_${missing}_message.png"
sleep 1
message_box >/dev/null || fail "the message went away unanswered"
# Return through the keyboard the user has, to the box once it has the focus. Not "key --window":
# xdotool picks real or synthetic events per event by the focus, so the press (real, the box
# focused) closed the box and the release went as a synthetic event to the closed box; the
# server kept Return held down, and its auto-repeat answered the next program's message box.
box_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$box" ]; }
xdotool windowactivate "$box" 2>/dev/null
wait_for 10 box_focused || fail "the message box did not get the keyboard focus"
xdotool key Return
wait_for 30 main_window >/dev/null || fail "no main window after the message"
window=$(main_window)
close_news
sleep 1 # let it paint
shot="$shots/broken_installation_${missing}.png"
screenshot "$window" "$shot"
face=$(run_button_face "$shot")
[ "$face" = "$run_disabled_face" ] || fail "Run's face is $face, not the disabled $run_disabled_face"

# A click on the disabled Run starts nothing (enabled, it would ask to start Steam).
xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1 sleep 1.5
message_box >/dev/null && fail "the disabled Run answered a click"
kill -0 "$pid" 2>/dev/null || fail "the program ended"

# Resting the pointer on the disabled Run shows its hint, the message, in a tooltip below it.
xdotool mousemove --window "$window" 60 300 sleep 0.3 mousemove --window "$window" 76 404
tip=""
for _ in $(seq 40); do
  tip=$(tooltip_window) && break
  sleep 0.1
done
[ -n "$tip" ] || fail "no hint over the disabled Run"
hint="$shots/broken_installation_${missing}_hint.png"
import -window root "$hint" || fail "no screenshot"
echo "hint: $hint"
echo "$missing key missing: message, then the main window with Run disabled: $shot"
