#!/usr/bin/env bash
# A second start of the real program under Wine: it shows nothing, ends with exit code 0 and
# brings the running copy's window to the front (from behind another window). A running copy
# that hangs does not hang a later start; one that was killed does not stop the next start from
# running.
# Usage: second_instance.sh TAMSENDOR_EXE [SCREENSHOT_FOLDER]
set -u
exe=$1
shots=${2:-$(dirname "$exe")}
. "$(dirname "$0")/smoke_lib.sh"

wine reg add 'HKLM\SOFTWARE\Korvalin\Quillax' /f >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /d 'c:/steam' /f >/dev/null 2>&1 </dev/null

first=""
other=""
cleanup() {
  [ -n "$first" ] && kill -CONT "$first" 2>/dev/null && kill -9 "$first" 2>/dev/null
  [ -n "$other" ] && kill -9 "$other" 2>/dev/null
}
trap cleanup EXIT

wine "$exe" >/dev/null 2>&1 </dev/null &
first=$!

# count_named TITLE: how many visible windows have that exact title.
count_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# second_start LIMIT_S: starts the program again and waits at most LIMIT_S seconds for it to
# end; sets code (its exit code) and took (milliseconds); fails if it showed a splash or a
# window of its own meanwhile.
second_start() {
  local started pid splashes windows
  splashes=$(count_named "$splash_title")
  windows=$(count_named "$title")
  started=$(date +%s%N)
  wine "$exe" >/dev/null 2>&1 </dev/null &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    [ "$(count_named "$splash_title")" -le "$splashes" ] || fail "the second start shows a splash"
    [ "$(count_named "$title")" -le "$windows" ] || fail "the second start shows a window"
    [ $((($(date +%s%N) - started) / 1000000)) -lt $(($1 * 1000)) ] ||
      fail "the second start still runs after $1 s"
    sleep 0.05
  done
  wait "$pid"
  code=$?
  took=$((($(date +%s%N) - started) / 1000000))
}

# While the running copy still shows its splash, a later start ends just the same.
wait_for 60 splash_window >/dev/null || fail "the first start shows no splash"
second_start 20
[ "$code" = 0 ] || fail "the start during the splash ended with exit code $code"
echo "during the running copy's splash: ended with 0 after $took ms"
wait_for 60 main_window >/dev/null || fail "the first start shows no main window"
window=$(main_window)
close_news

# Another window in front of it.
wine notepad >/dev/null 2>&1 </dev/null &
other=$!
other_window=""
find_other_window() {
  other_window=$(xdotool search --onlyvisible --name 'Notepad' 2>/dev/null | head -n 1)
  [ -n "$other_window" ]
}
wait_for 30 find_other_window || fail "no other window to put in front"

# position_of ID LIST...: where ID stands in the list of window ids, from 1; 0 when absent.
position_of() {
  local id=$1 i=0 entry
  shift
  for entry in "$@"; do
    i=$((i + 1))
    [ "$((entry))" = "$id" ] && echo "$i" && return 0
  done
  echo 0
}
# Is ours above the other window? The window manager's stacking list when one runs (bottom to
# top), else the X server's own order (xwininfo lists the top one first).
ours_above() {
  local stacking ours theirs
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null)
  if [[ $stacking == *"#"* ]]; then
    set -- $(echo "${stacking#*#}" | tr ',' ' ')
    ours=$(position_of "$window" "$@")
    theirs=$(position_of "$other_window" "$@")
    [ "$ours" -gt "$theirs" ]
  else
    set -- $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }')
    ours=$(position_of "$window" "$@")
    theirs=$(position_of "$other_window" "$@")
    [ "$ours" -gt 0 ] && [ "$ours" -lt "$theirs" ]
  fi
}
ours_below() { ! ours_above; }
wait_for 10 ours_below && find_other_window ||
  fail "the other window did not come in front of ours"

second_start 20
[ "$code" = 0 ] || fail "the second start ended with exit code $code"
echo "second start ended with 0 after $took ms"
main_window >/dev/null || fail "the first copy's window is gone"
[ "$(main_window)" = "$window" ] || fail "another main window than the first copy's shows"
# A window manager may keep the keyboard focus where it was (openbox refuses to let an
# application take it), but the window must be raised above the other.
wait_for 5 ours_above || fail "the first copy's window is not in front"
screenshot "$window" "$shots/second_instance.png"
echo "the first copy's window is back in front"
kill -9 "$other" 2>/dev/null
other=""

# A running copy that does not answer (stopped) holds the lock but must not hang a later start.
kill -STOP "$first"
second_start 15
kill -CONT "$first"
[ "$code" = 0 ] || fail "the start beside a hung copy ended with exit code $code"
echo "beside a hung copy: ended with 0 after $took ms"

# A copy that was killed leaves its lock abandoned: the next start runs.
kill -9 "$first"
wait "$first" 2>/dev/null
first=""
wine "$exe" >/dev/null 2>&1 </dev/null &
first=$!
wait_for 30 splash_window >/dev/null || fail "the start after a killed copy shows no splash"
kill -0 "$first" 2>/dev/null || fail "the start after a killed copy ended"
echo "after a killed copy the next start runs"
