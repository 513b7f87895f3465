#!/usr/bin/env bash
# "Check for newer version" of the test build against an update server of the test's own on
# 127.0.0.1: the same version, no server, a newer release declined ("Later"), one whose download
# does not match its SHA-256, and one installed: the helper runs our setup program silently once
# the program has ended, and the program comes back with /afterupgrade. Nothing downloaded stays.
# Usage: update_check.sh BIN_DIR SCREENSHOT_FOLDER
set -u
bin=$1
shots=$2
. "$(dirname "$0")/smoke_lib.sh"
. "$root/scripts/lib/installation.sh"

install_test_machine "$bin"
cp "$bin/tamsendor_test_build.exe" "$program/" || fail "no test build"
version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
downloads="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Local/Temp/Korvalin Tamsendor update"

served=$(mktemp -d)
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
server=""
serve() {
  python3 -m http.server --bind 127.0.0.1 "$port" --directory "$served" >/dev/null 2>&1 &
  server=$!
  wait_for 10 python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" \
    2>/dev/null ||
    fail "the update server did not start"
}
stop_serving() { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; server=""; }
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  pkill -f tamsendor_test_build 2>/dev/null
  rm -rf "$served"
  uninstall_test_machine
}
trap cleanup EXIT
serve

export TAMSENDOR_TEST_UPDATE_INFO="http://127.0.0.1:$port/tamsendor.inf"
wine "$program/tamsendor_test_build.exe" >/dev/null 2>&1 </dev/null &
app=$!
wait_for 60 main_window >/dev/null || fail "no main window"
window=$(main_window)
close_news

click_update() { xdotool mousemove --window "$window" 452 17 sleep 0.3 click 1; }
# expect_message TEXT: the program's message box says TEXT; it is closed with OK.
expect_message() {
  wait_for 30 message_box >/dev/null || fail "no message (expected: $1)"
  local box text
  box=$(message_box)
  text=$(wine "$bin/message_text.exe" "$title" 2>/dev/null | tr -d '\r')
  [ "$text" = "$1" ] || fail "the message says \"$text\", not \"$1\""
  xdotool windowactivate --sync "$box" 2>/dev/null
  xdotool key --clearmodifiers Return
  wait_for 10 eval '! message_box >/dev/null' || fail "the message did not close"
  echo "message: $1"
}
sha256() { sha256sum "$1" | cut -d' ' -f1; }
# answer KEYS: the question of the newer release is answered with the keys ("Return": "Yes!",
# the default button; "Tab space": "Later") and goes.
answer() {
  wait_for 30 message_box >/dev/null || fail "no question for the newer release"
  local question
  question=$(message_box)
  import -window "$question" "$shots/update_question.png" 2>/dev/null
  xdotool windowactivate --sync "$question" 2>/dev/null
  xdotool key --clearmodifiers "$@"
  wait_for 10 eval '[ "$(message_box)" != "$question" ]' || fail "the question did not close"
}
offer() { # offer HASH: a release 99.0.0.0 whose setup.exe should have HASH
  printf '#version=99.0.0.0\r\n#url=http://127.0.0.1:%s/setup.exe\r\n#sha256=%s\r\n#message={Version 99.0.0.0 is out.}\r\n' \
    "$port" "$1" >"$served/tamsendor.inf"
}

printf '#version=%s\r\n#url=http://127.0.0.1:%s/setup.exe\r\n#sha256=%s\r\n' "$version" "$port" \
  "$(printf x | sha256sum | cut -d' ' -f1)" >"$served/tamsendor.inf"
click_update
expect_message "No update available."

stop_serving
click_update
expect_message "No internet connection."
serve

cp "$(ls "$bin"/korvalin-tamsendor-*-setup.exe | head -n 1)" "$served/setup.exe"
offer "$(sha256 "$served/setup.exe")"
click_update
answer Tab space
expect_message "Update aborted."

offer "$(printf 'another file' | sha256sum | cut -d' ' -f1)"
click_update
answer Return
expect_message "The downloaded file setup.exe is not the one the update server lists. It was discarded and nothing was installed."
[ -z "$(ls -A "$downloads" 2>/dev/null)" ] || fail "the tampered download stayed: $(ls "$downloads")"

# The real thing: downloaded, checked, installed by the helper once the program ended, and the
# program started again with /afterupgrade.
offer "$(sha256 "$served/setup.exe")"
rm -f "$program/tamsendor.exe"
click_update
answer Return
ended() { ! kill -0 "$app" 2>/dev/null; }
wait_for 60 ended || fail "the program did not end for the setup program"
app=""
wait_for 90 test -f "$program/tamsendor.exe" || fail "the setup program did not install"
restarted() { pgrep -f 'tamsendor_test_build.exe.*/afterupgrade' >/dev/null; }
wait_for 60 restarted || fail "the program did not come back with /afterupgrade"
wait_for 60 main_window >/dev/null || fail "no main window after the update"
wait_for 30 eval '[ -z "$(ls -A "$downloads" 2>/dev/null)" ]' ||
  fail "the download folder still holds: $(ls "$downloads")"
echo "installed by the helper; the program came back with /afterupgrade; no download left"
