#!/usr/bin/env bash
# Runs a command with an X display and a window manager: the user's display when there is one,
# else a private Xvfb with openbox (without a window manager every Wine message box takes 2 s to
# close, and the window tests would not see what users see: a manager that places, stacks and
# activates the windows).
set -euo pipefail

# Without one xprop says "no such atom on any window", so look for the window id itself.
has_window_manager() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id #'
}

# Inside our own Xvfb a display exists already, so this comes before the test for one: otherwise
# the command would run there without the window manager.
if [ -n "${TAMSENDOR_INSIDE_XVFB:-}" ] && ! has_window_manager; then
  openbox >/dev/null 2>&1 </dev/null &
  wm=$!
  trap 'kill $wm 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    has_window_manager && break
    sleep 0.1
  done
  has_window_manager || { echo "with-display.sh: openbox did not start on $DISPLAY" >&2; exit 1; }
  "$@"
  exit
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi

# -noreset: by default the server resets when its last client leaves, and a client that connects
# meanwhile is refused; the look for a window manager above is such a last client, and openbox
# started right after it failed to open the display.
export TAMSENDOR_INSIDE_XVFB=1
exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
