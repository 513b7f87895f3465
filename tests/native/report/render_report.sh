#!/usr/bin/env bash
# Renders a saved report in headless Chromium and checks what a reader would see: the page is
# not blank, the ISO-8859-1 sign "×" reads as such, and values that look like markup stay text.
# Skipped (77) where Chromium or ImageMagick is missing.
set -euo pipefail
page=$1
png=$2
command -v chromium >/dev/null && command -v convert >/dev/null || exit 77

browser=(chromium --headless --no-sandbox --disable-gpu --no-first-run
  --disable-background-networking --user-data-dir="$(mktemp -d)")
url="file://$(realpath "$page")"

"${browser[@]}" --screenshot="$png" --window-size=900,1000 "$url" >/dev/null 2>&1
# A blank page is one colour: its standard deviation is 0.
deviation=$(convert "$png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v d="$deviation" 'BEGIN { exit !(d > 0.05) }' || {
  echo "the rendered page looks blank (deviation $deviation): $png" >&2
  exit 1
}

dom=$("${browser[@]}" --dump-dom "$url" 2>/dev/null)
expect() {
  grep -qF -- "$1" <<<"$dom" || {
    echo "not in the rendered page: $1" >&2
    exit 1
  }
}
expect 'Resolution: 1024×768'
expect 'Comment:</span> Quiet room &lt;b&gt;&amp; "new" driver €'
expect 'Average score = 51 FPS'
echo "rendered: $png (deviation $deviation)"
