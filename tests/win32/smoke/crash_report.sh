#!/usr/bin/env bash
# The crash layer in the program's test build, which faults on purpose when told:
#   null-write-during-game: a write through a null pointer while a benchmark's game runs;
#   timer-exception:        a C++ exception out of a timer's handler;
#   terminate:              std::terminate;
#   stack-overflow:         a recursion without end.
# Each time the crash dialog comes, the report folder holds a minidump and a text report that
# names the fault and the test build's module, the user's autoexec.cfg is back byte for byte
# before the dialog is closed, and the process ends after "Close".
# Usage: crash_report.sh BIN_DIR MODE SCREENSHOT_FOLDER
set -u
bin=$1
mode=$2
shots=$3
. "$(dirname "$0")/smoke_lib.sh"
. "$root/scripts/lib/installation.sh"

install_test_machine "$bin" "1280=1" "RunNumber=1" "Demo=1"
cp "$bin/tamsendor_test_build.exe" "$program/"
reports_root=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -name Local -path '*AppData*' | head -n 1)
[ -n "$reports_root" ] || fail "no AppData\\Local in the prefix"
reports_root="$reports_root/Korvalin Tamsendor/Crash reports"
rm -rf "$reports_root"
# Reports of earlier crashes: only the newest 10 stay, this one's among them.
if [ "$mode" = terminate ]; then
  for day in 01 02 03 04 05 06 07 08 09 10 11 12; do
    mkdir -p "$reports_root/2020-01-$day 10.00.00" && echo old >"$reports_root/2020-01-$day 10.00.00/report.txt"
  done
fi

if [ "$mode" = null-write-during-game ]; then
  wine "$steam/steam.exe" >/dev/null 2>&1 </dev/null &
  printf 'play_ms=60000\r\n' >"$game/ep2/standin-hl2.ini"
fi
TAMSENDOR_TEST_FAULT=$mode wine "$program/tamsendor_test_build.exe" >/dev/null 2>&1 </dev/null &
app=$!
wait_for 60 main_window >/dev/null || fail "no main window"
window=$(main_window)
close_news
if [ "$mode" = null-write-during-game ]; then
  xdotool mousemove --window "$window" 76 404 sleep 0.3 click 1 # Run
  wait_for 60 grep -q '^// Fenwright' "$cfg" || fail "the benchmark did not start"
fi

# The crash dialog: a window of the program's title that is not its main window.
wait_for 90 message_box >/dev/null || fail "no crash dialog"
dialog=$(message_box)
sleep 1
import -window "$dialog" "$shots/crash_dialog_$mode.png" 2>/dev/null || fail "no screenshot of the dialog"
echo "screenshot: $shots/crash_dialog_$mode.png"

# While the dialog shows: the game as before, the report written.
cmp -s "$cfg" "$users_file" || fail "the user's autoexec.cfg is not back while the dialog shows"
[ -e "$game/ep2/cfg/autoexec_old.cfg" ] && fail "autoexec_old.cfg is left beside it"
[ -e "$game/ep2/qordemo1.dem" ] && fail "the shipped demo is left in the game's folder"
folder=$(find "$reports_root" -mindepth 1 -maxdepth 1 -type d ! -name '2020-*' | head -n 1)
[ -n "$folder" ] || fail "no report folder in $reports_root"
[ -s "$folder/crash.dmp" ] || fail "no minidump in $folder"
[ "$(head -c 4 "$folder/crash.dmp")" = MDMP ] || fail "crash.dmp is no minidump"
report="$folder/report.txt"
[ -s "$report" ] || fail "no text report in $folder"
case "$mode" in
null-write-during-game)
  grep -q '^Fault: access violation (0xC0000005)' "$report" || fail "the report names no access violation"
  grep -q '^Address: tamsendor_test_build.exe+0x' "$report" || fail "the fault's module is not named"
  grep -q '^Doing: resolution 1 of 1, run 1 of 1' "$report" || fail "the report does not say what ran"
  grep -q 'launched: ' "$report" || fail "the trail has no launch"
  ;;
timer-exception)
  grep -q "^Fault: C++ exception .*a fault on purpose in a timer's handler" "$report" ||
    fail "the report does not name the exception"
  ;;
terminate)
  grep -q '^Fault: std::terminate' "$report" || fail "the report does not name std::terminate"
  ;;
stack-overflow)
  grep -q '^Fault: stack overflow (0xC00000FD)' "$report" || fail "the report names no stack overflow"
  grep -q '^Address: tamsendor_test_build.exe+0x' "$report" || fail "the fault's module is not named"
  ;;
esac
grep -q '^  tamsendor_test_build.exe+0x' "$report" || fail "the stack names no frame of the program"
grep -q '^System: .* (build [0-9]*)' "$report" || fail "the report names no system build"
if [ "$mode" = terminate ]; then
  kept=$(find "$reports_root" -mindepth 1 -maxdepth 1 -type d | wc -l)
  [ "$kept" -eq 10 ] || fail "$kept report folders kept, not the newest 10"
  [ -d "$reports_root/2020-01-03 10.00.00" ] && fail "an old report folder beyond the newest 10 stayed"
  [ -d "$reports_root/2020-01-04 10.00.00" ] || fail "a report folder among the newest 10 went"
fi
echo "report: $report"
sed 's/^/  | /' "$report" | head -24

# "Close" is the default button.
xdotool windowactivate --sync "$dialog" 2>/dev/null
xdotool key --clearmodifiers Return
ended() { ! kill -0 "$app" 2>/dev/null; }
wait_for 15 ended || fail "the program did not end after Close"
app=""
echo "the program ended after Close"
