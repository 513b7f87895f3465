#!/usr/bin/env bash
# Three runs, the stand-in game crashing in the middle of the second: the program's message at
# the end names run 2 and its reason, and the saved report holds runs 1 and 3. The test build
# runs with its waits divided by 10, so the three runs take seconds.
# Usage: failed_run.sh BIN_DIR SCREENSHOT_FOLDER
set -u
bin=$1
shots=$2
. "$(dirname "$0")/smoke_lib.sh"
. "$root/scripts/lib/installation.sh"

install_test_machine "$bin" "1280=1" "RunNumber=3" "Demo=1"
# The test build beside the installed program, so that it finds the shipped demos and the
# results folder there.
cp "$bin/tamsendor_test_build.exe" "$program/" || fail "no test build"
wine "$steam/steam.exe" >/dev/null 2>&1 </dev/null &
control="$game/ep2/standin-hl2.ini"
log="$game/ep2/standin-hl2.log"
printf 'play_ms=3000\r\n' >"$control"

TAMSENDOR_TEST_TIME_SCALE=10 wine "$program/tamsendor_test_build.exe" >/dev/null 2>&1 </dev/null &
app=$!
wait_for 60 main_window >/dev/null || fail "no main window"
window=$(main_window)
close_news
xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1 # Run

# The stand-in reads its control file as it starts: the second run crashes, the third plays.
launches() { [ -f "$log" ] && [ "$(grep -c '' "$log")" -ge "$1" ]; }
wait_for 60 launches 1 || fail "the first run did not start"
printf 'mode=crash_late\r\nplay_ms=3000\r\n' >"$control"
wait_for 60 launches 2 || fail "the second run did not start"
printf 'play_ms=3000\r\n' >"$control"
wait_for 60 launches 3 || fail "the third run did not start"

wait_for 60 message_box >/dev/null || fail "no message at the end"
box=$(message_box)
import -window "$box" "$shots/failed_run_message.png" 2>/dev/null
text=$(wine "$bin/message_text.exe" "$title" 2>/dev/null | tr -d '\r')
echo "message: $text"
expected=$'These runs gave no result:\n\n1280 \xC3\x97 1024, run 2 of 3: the game ended without writing its result file.'
[ "$text" = "$expected" ] || fail "the message does not name run 2 and its reason"
xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key --clearmodifiers Return

report_saved() { ls "$program/Benchmark/"*.htm >/dev/null 2>&1; }
wait_for 10 report_saved || fail "no report saved"
report=$(ls "$program/Benchmark/"*.htm | head -n 1)
scores=$(grep -c '<b>Score = [0-9]* FPS</b><br>' "$report")
[ "$scores" = 2 ] || fail "the report holds $scores runs, not runs 1 and 3"
grep -q 'Average score = ' "$report" || fail "the report has no average"
wait_for 10 cmp -s "$cfg" "$users_file" || fail "the user's autoexec.cfg is not back"
echo "report $(basename "$report") holds 2 runs and their average"

# Its twin for other programs, beside it, with run 2 as null; the results tool lists it and
# compares it with itself.
twin="${report%.htm}.json"
[ -f "$twin" ] || fail "no results file beside the report"
iconv -f utf-8 -t utf-8 "$twin" >/dev/null || fail "the results file is not UTF-8"
grep -q '^        null,$' "$twin" || fail "run 2 is not null in the results file"
listing=$(wine "$bin/tamsendor-results.exe" list "$(winepath -w "$program/Benchmark")" 2>&1 |
  tr -d '\r')
echo "$listing"
grep -q "^[0-9-]* [0-9:]*  1280x1024   .*  $(basename "$twin")\$" <<<"$listing" ||
  fail "tamsendor-results does not list the benchmark"
comparison=$(wine "$bin/tamsendor-results.exe" compare "$(winepath -w "$twin")" \
  "$(winepath -w "$twin")" 2>&1 | tr -d '\r')
grep -q '^1280x1024 .* +0.0%$' <<<"$comparison" || fail "the comparison is not +0.0%: $comparison"
echo "results file $(basename "$twin") listed and compared"
