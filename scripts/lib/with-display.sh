#!/usr/bin/env bash
# Runs a command with an X display and a window manager: the user's display when there is one,
# else a private Xvfb with openbox (without a window manager every Wine message box takes 2 s to
# close).
set -euo pipefail

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi

if [ -z "${TAMSENDOR_INSIDE_XVFB:-}" ]; then
  export TAMSENDOR_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

openbox >/dev/null 2>&1 </dev/null &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
  sleep 0.1
done
"$@"
