#!/usr/bin/env bash
# The news window of the program's test build (it takes the news page's address from the
# environment) against a server of our own on 127.0.0.1:
#   offline: the system says offline; the window shows empty, and no request is made.
#   page:    online; the window shows at once and the served page in it, with its link.
#   silent:  online, and the server never answers; the windows stay responsive and the program
#            ends at once when the user closes it.
# Usage: news_window.sh TEST_BUILD_EXE MODE SCREENSHOT_FOLDER OFFLINE_URL_DLL
set -u
exe=$1
mode=$2
shots=$3
offline_dll=$4

. "$(dirname "$0")/smoke_lib.sh"
[ -f "$exe" ] || fail "no program at $exe"

work=$(mktemp -d)
server_mode=page
[ "$mode" = silent ] && server_mode=silent
python3 "$(dirname "$0")/news_server.py" "$server_mode" "$work" &
server=$!
system_url="$WINEPREFIX/drive_c/windows/system32/url.dll"
cleanup() {
  kill "$server" 2>/dev/null
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  [ -f "$work/url.dll" ] && cp "$work/url.dll" "$system_url"
  rm -rf "$work"
}
trap cleanup EXIT
wait_for 10 test -f "$work/port" || fail "the news server did not start"
port=$(cat "$work/port")

wine reg add 'HKLM\SOFTWARE\Korvalin\Quillax' /f >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /d 'c:/steam' /f >/dev/null 2>&1 </dev/null
# Offline, the system's url.dll is one that says so (Wine's never does), for this run only.
if [ "$mode" = offline ]; then
  cp "$system_url" "$work/url.dll" || fail "no url.dll in the prefix"
  cp "$offline_dll" "$system_url"
  export WINEDLLOVERRIDES="url=n"
fi

TAMSENDOR_TEST_NEWS_PAGE="http://127.0.0.1:$port/benchmarks/news.html" \
  wine "$exe" >/dev/null 2>&1 </dev/null &
pid=$!

wait_for 60 main_window >/dev/null || fail "no main window within 60 s"
wait_for 10 news_window >/dev/null || fail "no news window of 520 x 500 beside the main window"
news=$(news_window)

# news_shot FILE: the window's client area as it shows.
news_shot() { import -window "$news" "$1" 2>/dev/null || fail "no screenshot of the news window"; }
# The share of the window's client area that is not black, in per cent.
lit_percent() {
  news_shot "$work/news.png"
  convert "$work/news.png" -fill white +opaque black -format "%[fx:round(100*mean)]" info:
}

case "$mode" in
offline)
  sleep 3
  [ -s "$work/requests" ] && fail "offline, the program asked the server: $(cat "$work/requests")"
  lit=$(lit_percent)
  [ "$lit" -eq 0 ] || fail "offline, $lit % of the news window is not black"
  cp "$work/news.png" "$shots/news_offline.png"
  echo "offline: no request, the window is black"
  ;;
page)
  wait_for 20 grep -q '^/benchmarks/news.html$' "$work/requests" || fail "no request for the page"
  lit_enough() { [ "$(lit_percent)" -ge 1 ]; }
  wait_for 20 lit_enough || fail "the page did not show: $(lit_percent) % lit"
  sleep 0.5
  news_shot "$shots/news_page.png"
  echo "screenshot: $shots/news_page.png ($(lit_percent) % lit)"
  ;;
silent)
  wait_for 20 grep -q '^connection$' "$work/requests" || fail "the program did not connect"
  ;;
esac

# The user closes the news window: it only hides. Then the main window's Exit (533, 7), and the
# program is gone at once, whatever the fetch is doing.
close_news
kill -0 "$pid" 2>/dev/null || fail "closing the news window ended the program"
window=$(main_window) || fail "the main window went with the news window"
started=$SECONDS
xdotool mousemove --window "$window" 541 15 sleep 0.3 click 1
wait_for 10 sh -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end within 10 s of Exit"
echo "ended $((SECONDS - started)) s after Exit"
