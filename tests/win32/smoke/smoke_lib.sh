# Helpers of the script tests that drive the real program under Wine on an X display; source
# this file. Expects `shots` (the folder for screenshots) to be set; sets `root` (the source
# tree) and the Wine environment, in the test run's prefix (TAMSENDOR_WINEPREFIX).

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
export WINEPREFIX="${TAMSENDOR_WINEPREFIX:-$root/build/wineprefix}"
. "$root/scripts/lib/wine.sh"
wine_env

title="Korvalin Tamsendor"
splash_title="About Korvalin Tamsendor"

# fail MESSAGE: the test fails, with a screenshot of the whole screen to show why.
fail() {
  echo "FAIL: $*" >&2
  mkdir -p "$shots" && import -window root "$shots/${0##*/}.failure.png" 2>/dev/null &&
    echo "screen: $shots/${0##*/}.failure.png" >&2
  exit 1
}

# wait_for SECONDS COMMAND...: until the command succeeds; false on time-out.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# window_sized ID W H
window_sized() {
  local WIDTH="" HEIGHT="" X="" Y="" SCREEN="" WINDOW=""
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)" || return 1
  [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ]
}

# visible_sized NAME W H: the id of a visible window of that exact name and client size.
visible_sized() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    window_sized "$id" "$2" "$3" && echo "$id" && return 0
  done
  return 1
}
main_window() { visible_sized "$title" 559 475; }
splash_window() { visible_sized "$splash_title" 603 698; }

# message_box: the id of a visible window with the program's title that is not its main window.
message_box() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
    window_sized "$id" 559 475 || { echo "$id" && return 0; }
  done
  return 1
}

# tooltip_window: the id of a hint on show: a small, nameless, visible window of the program.
tooltip_window() {
  local id WIDTH="" HEIGHT="" X="" Y="" SCREEN="" WINDOW=""
  for id in $(xdotool search --onlyvisible --classname '^tamsendor.exe$' 2>/dev/null); do
    [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] || continue
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    [ "$WIDTH" -gt 20 ] && [ "$HEIGHT" -gt 8 ] && [ "$HEIGHT" -lt 40 ] && echo "$id" && return 0
  done
  return 1
}

# screenshot ID FILE: the window as it shows on the screen.
screenshot() {
  local WIDTH="" HEIGHT="" X="" Y="" SCREEN="" WINDOW=""
  eval "$(xdotool getwindowgeometry --shell "$1")"
  mkdir -p "$(dirname "$2")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2" || fail "no screenshot"
}

# pixel FILE X Y: the colour at that point of a screenshot, as "srgb(r,g,b)".
pixel() {
  convert "$1" -format "%[pixel:p{$2,$3}]" info:
}

# The Run button's face (25, 392; 102 x 24), left of its mark: its colour tells whether it is
# enabled.
run_button_face() { pixel "$1" 32 404; }
run_enabled_face="srgb(180,100,22)"
run_disabled_face="srgb(34,34,38)"

[ -n "${DISPLAY:-}" ] || fail "no X display (run under scripts/lib/with-display.sh)"

# news_window: the id of the visible news window.
news_window() { visible_sized "Pelloquin NEWS" 520 500; }

# close_window ID: as the user closes it, with its close button (the window manager's Alt+F4).
close_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null
  xdotool key --clearmodifiers alt+F4
}


# close_news: the news window shows with the main window, always on top and over most of it; the
# user closes it (it only hides) before working in the main window.
close_news() {
  wait_for 10 news_window >/dev/null || fail "no news window with the main window"
  close_window "$(news_window)"
  wait_for 5 news_closed || fail "the news window did not close"
}
news_closed() { ! news_window >/dev/null; }
