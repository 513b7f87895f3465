#!/usr/bin/env bash
# tamsendor-inspect.exe under Wine: the DirectX facts of a report in the system's code page,
# printed as UTF-8; the score of a result file; exit code 2 and a reason for a missing file.
# Usage: inspect_program.sh PROGRAM WORK_FOLDER
set -uo pipefail
program=$1
work=$2
shots=$work
. "$(dirname "$0")/smoke_lib.sh"

mkdir -p "$work"
report="$work/inspect-dxinfo.txt"
printf -- '---------------\r\n   Card name: Radeon X1950 Pro\r\n   Display Memory: 256.0 MB\r\n   Driver Version: 6.14.10.6614\r\n   Description: H\xe6ndig lyd\r\n' >"$report"
result="$work/inspect-sourcebench.csv"
printf 'Half-Life 2 Benchmark Results\r\n\r\ndemofile,frame data spreadsheet,frames/sec,\r\nqordemo1.dem,UNKNOWN, 61.5,  2.0,\r\n' >"$result"

out=$(wine "$program" dxdiag "$(winepath -w "$report")" 2>/dev/null) || fail "dxdiag: exit code $?"
expected=$(printf 'Graphics card:  Radeon X1950 Pro\nMemory:  256.0 MB\nDriver version:  6.14.10.6614\nSound system: H\xc3\xa6ndig lyd')
[ "$out" = "$expected" ] || fail "dxdiag printed: $out"

out=$(wine "$program" result "$(winepath -w "$result")" 2>/dev/null) || fail "result: exit code $?"
[ "$out" = "Score:  61.5" ] || fail "result printed: $out"

err=$(wine "$program" dxdiag 'C:\no such folder\dxinfo.txt' 2>&1 >/dev/null)
code=$?
[ $code -eq 2 ] || fail "a missing file gave exit code $code"
case "$err" in
  *"Cannot read C:\\no such folder\\dxinfo.txt: "?*) ;;
  *) fail "a missing file said: $err" ;;
esac
echo "tamsendor-inspect reads reports, result files and fails cleanly"
