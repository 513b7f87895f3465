#!/usr/bin/env bash
# Logoff during a benchmark: the real program, with the stand-in game playing, gets the end of the
# session from Wine as Windows sends it (wineboot --end-session: WM_QUERYENDSESSION, then
# WM_ENDSESSION, then the processes are ended). The user's autoexec.cfg must be back and our demo
# gone before the program is ended. The session ends in a prefix of this test's own, so the rest
# of the test run keeps its desktop.
# Usage: session_end.sh BIN_DIR [SCREENSHOT_FOLDER]
set -u
bin=$1
shots=${2:-$bin}
. "$(dirname "$0")/smoke_lib.sh"
. "$root/scripts/lib/installation.sh"

export WINEPREFIX="${TAMSENDOR_WINEPREFIX:-$root/build/wineprefix}-session-end"
wine_fresh_prefix "$root/build/wineprefix-template" "$WINEPREFIX"
# With the desktop up before the program, Wine lists the display's real modes: a program that
# came first was offered a made-up list without the screen's 1280 x 1024.
wine_server_start "$bin/desktop_keeper.exe"

app=""
cleanup() {
  [ -n "$app" ] && kill -9 "$app" 2>/dev/null
  wine_server_stop
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

install_machine "$bin" "1280=1" "RunNumber=1" "Demo=1"
cfg="$game/ep2/cfg/autoexec.cfg"
old="$game/ep2/cfg/autoexec_old.cfg"
users_file=$(mktemp)
printf '%s' "$users_autoexec" >"$users_file"
printf 'play_ms=120000\r\n' >"$game/ep2/standin-hl2.ini"
wine "$steam/steam.exe" >/dev/null 2>&1 </dev/null &

wine "$program/tamsendor.exe" >/dev/null 2>&1 </dev/null &
app=$!
wait_for 60 main_window >/dev/null || fail "no main window"
window=$(main_window)
close_news
xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1 # Run
wait_for 90 test -f "$game/ep2/standin-hl2.log" || fail "the game did not start"
grep -q '^// Fenwright - Maximum details' "$cfg" || fail "no generated autoexec.cfg while it ran"

wine wineboot --end-session >/dev/null 2>&1 </dev/null
wait_for 30 eval '! kill -0 "$app" 2>/dev/null' || fail "the program did not end with the session"
app=""

cmp -s "$cfg" "$users_file" || fail "autoexec.cfg is not the user's file after the session ended"
[ -f "$old" ] && fail "autoexec_old.cfg is still there"
[ -f "$game/ep2/qordemo1.dem" ] && fail "the shipped demo was left in the game's folder"
rm -f "$users_file"
echo "the session ended during the benchmark: the user's file is back"
