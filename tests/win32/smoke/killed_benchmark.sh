#!/usr/bin/env bash
# The real program killed in the middle of a benchmark, at two moments (while the stand-in game
# plays, and after it has ended while the program waits), then started again: the start-up
# question about the leftover autoexec.cfg is answered (Yes, then No), the window is closed, and
# the user's autoexec.cfg is back byte for byte, with no demo left in the game's folder.
# Usage: killed_benchmark.sh BIN_DIR [SCREENSHOT_FOLDER]
set -u
bin=$1
shots=${2:-$bin}
. "$(dirname "$0")/smoke_lib.sh"
. "$root/scripts/lib/installation.sh"

install_test_machine "$bin" "1280=1" "RunNumber=1" "Demo=1"
old="$game/ep2/cfg/autoexec_old.cfg"
wine "$steam/steam.exe" >/dev/null 2>&1 </dev/null &

visible_window() {
  local id
  id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
  [ -n "$id" ] && echo "$id"
}
start_program() {
  wine "$program/tamsendor.exe" >/dev/null 2>&1 </dev/null &
  app=$!
}
stopped() { ! kill -0 "$app" 2>/dev/null; }
holds_users_file() { cmp -s "$1" "$users_file"; }
generated() { grep -q '^// Fenwright - Maximum details' "$1" 2>/dev/null; }

# round PLAY_MS KILL_WHEN_FILE ANSWER: one benchmark killed once KILL_WHEN_FILE exists, then the
# restart's question answered Yes or No.
round() {
  local play=$1 killWhen=$2 answer=$3 window question
  rm -f "$game/ep2/standin-hl2.log" "$game/ep2/sourcebench.csv"
  printf 'play_ms=%s\r\n' "$play" >"$game/ep2/standin-hl2.ini"
  start_program
  wait_for 60 main_window >/dev/null || fail "no main window"
  window=$(main_window)
  close_news
  xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1  # Run
  wait_for 60 test -f "$killWhen" || fail "the benchmark did not get to $(basename "$killWhen")"
  kill -9 "$app"
  wait "$app" 2>/dev/null
  generated "$cfg" || fail "no generated autoexec.cfg while the benchmark ran"
  holds_users_file "$old" || fail "the user's file is not in autoexec_old.cfg while it ran"
  [ -f "$game/ep2/qordemo1.dem" ] || fail "the demo was not placed"
  wine taskkill /f /im hl2.exe >/dev/null 2>&1 </dev/null

  # The next start asks about the leftover before its window shows.
  start_program
  wait_for 60 visible_window >/dev/null || fail "nothing shown at the restart"
  question=$(visible_window)
  window_sized "$question" 559 475 && fail "no question about the leftover autoexec.cfg"
  # The box's two buttons sit side by side, centred, 20 pixels above its bottom edge.
  local WIDTH="" HEIGHT="" X="" Y="" SCREEN="" WINDOW=""
  eval "$(xdotool getwindowgeometry --shell "$question")"
  local offset=-30
  [ "$answer" = No ] && offset=32
  xdotool mousemove --window "$question" $((WIDTH / 2 + offset)) $((HEIGHT - 20)) sleep 0.3 click 1
  wait_for 60 main_window >/dev/null || fail "no main window after the question"
  window=$(main_window)
  close_news
  # A close request from the window manager, as the close box or Alt+F4 would make it.
  # Alt+F4 on the window (a click on the status line gives it the keyboard) asks it to close.
  xdotool mousemove --window "$window" 200 465 sleep 0.3 click 1 sleep 0.3 key alt+F4
  wait_for 30 stopped || fail "the program did not end after the close request"
  app=""

  holds_users_file "$cfg" || fail "autoexec.cfg is not the user's file after the restart"
  [ -f "$old" ] && fail "autoexec_old.cfg is still there"
  [ -f "$game/ep2/qordemo1.dem" ] && fail "the shipped demo was left in the game's folder"
  echo "killed once $(basename "$killWhen") existed, answered $answer: the user's file is back"
}

round 60000 "$game/ep2/standin-hl2.log" Yes # the leftover is deleted at once
round 1000 "$game/ep2/sourcebench.csv" No    # the close puts the user's file back
