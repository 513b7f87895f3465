#!/usr/bin/env bash
# A benchmark whose game hangs, stopped by the user: "Stop" on the progress panel, "Yes" to the
# question; the game ends, the user's autoexec.cfg is back byte for byte, no demo is left, Run
# works again, and the next benchmark runs to its report. A close during a third one asks the
# same, and Yes ends the game and puts the files back before the program ends.
# Usage: stop_benchmark.sh BIN_DIR SCREENSHOT_FOLDER
set -u
bin=$1
shots=$2
. "$(dirname "$0")/smoke_lib.sh"
. "$root/scripts/lib/installation.sh"

install_test_machine "$bin" "1280=1" "RunNumber=1" "Demo=1"
wine "$steam/steam.exe" >/dev/null 2>&1 </dev/null &
printf 'mode=hang\r\nhang_ms=600000\r\n' >"$game/ep2/standin-hl2.ini"

wine "$program/tamsendor.exe" >/dev/null 2>&1 </dev/null &
app=$!
wait_for 60 main_window >/dev/null || fail "no main window"
window=$(main_window)
close_news
xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1 # Run
wait_for 60 test -f "$game/ep2/standin-hl2.log" || fail "the game did not start"
game_runs() { pgrep -f 'hl2\.exe' >/dev/null; }
game_runs || fail "no game process"
grep -q '^// Fenwright' "$cfg" || fail "no generated autoexec.cfg while the benchmark runs"
sleep 2
import -window "$window" "$shots/stop_progress.png" 2>/dev/null || fail "no screenshot of the run"

# Stop (at 160, 190 on the progress panel at 152, 212), then Yes: the question's default button.
xdotool mousemove --window "$window" 352 413 sleep 0.3 click 1
wait_for 10 message_box >/dev/null || fail "Stop asked nothing"
question=$(message_box)
import -window "$question" "$shots/stop_question.png" 2>/dev/null || fail "no screenshot of the question"
xdotool windowactivate --sync "$question" 2>/dev/null
xdotool key --clearmodifiers Return
game_gone() { ! game_runs; }
wait_for 15 game_gone || fail "the game still runs after Stop"
wait_for 10 cmp -s "$cfg" "$users_file" || fail "the user's autoexec.cfg is not back after Stop"
[ -e "$game/ep2/cfg/autoexec_old.cfg" ] && fail "autoexec_old.cfg is left after Stop"
[ -e "$game/ep2/qordemo1.dem" ] && fail "the shipped demo is left after Stop"
ls "$program/Benchmark/"*.htm >/dev/null 2>&1 && fail "a report was saved after Stop"
echo "stopped: the game ended and the user's files are back"

# The next benchmark, with a game that plays, runs to its report.
printf 'play_ms=2000\r\n' >"$game/ep2/standin-hl2.ini"
rm -f "$game/ep2/standin-hl2.log"
xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1 # Run
report_saved() { ls "$program/Benchmark/"*.htm >/dev/null 2>&1; }
wait_for 120 report_saved || fail "the benchmark after the stop saved no report"
wait_for 10 cmp -s "$cfg" "$users_file" || fail "the user's autoexec.cfg is not back after it"
echo "the next benchmark saved $(basename "$(ls "$program/Benchmark/"*.htm | head -n 1)")"

# A third benchmark with a hanging game, and the window closed (Alt+F4) during it: the same
# question; Yes ends the game, puts the user's file back and lets the program close.
printf 'mode=hang\r\nhang_ms=600000\r\n' >"$game/ep2/standin-hl2.ini"
rm -f "$game/ep2/standin-hl2.log"
xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1 # Run
wait_for 60 test -f "$game/ep2/standin-hl2.log" || fail "the third benchmark's game did not start"
wait_for 10 game_runs || fail "no game process in the third benchmark"
sleep 2
close_window "$window"
wait_for 10 message_box >/dev/null || fail "the close during a benchmark asked nothing"
question=$(message_box)
xdotool windowactivate --sync "$question" 2>/dev/null
xdotool key --clearmodifiers Return
wait_for 15 game_gone || fail "the game still runs after the close"
stopped() { ! kill -0 "$app" 2>/dev/null; }
wait_for 30 stopped || fail "the program did not end after the close"
cmp -s "$cfg" "$users_file" || fail "the user's autoexec.cfg is not back after the close"
[ -e "$game/ep2/cfg/autoexec_old.cfg" ] && fail "autoexec_old.cfg is left after the close"
[ -e "$game/ep2/qordemo1.dem" ] && fail "the shipped demo is left after the close"
echo "closed during a benchmark: the game ended and the user's files are back"
app=""
