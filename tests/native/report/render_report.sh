#!/usr/bin/env bash
# Renders a saved report in headless Chromium and checks what a reader would see: the page is
# not blank, and each EXPECTED text is in the rendered page (so the ISO-8859-1 sign "×" reads as
# such and values that look like markup stay text). With --bars P1,P2,..., the summary's bars
# are drawn, one per resolution, at those percents of the longest (within 2 points).
# Skipped (77) where Chromium or ImageMagick is missing.
#   render_report.sh PAGE PNG [--bars P1,P2,...] EXPECTED...
set -euo pipefail
page=$1
png=$2
shift 2
bars=
if [[ ${1:-} == --bars ]]; then
  bars=$2
  shift 2
fi
command -v chromium >/dev/null && command -v convert >/dev/null || exit 77

browser=(chromium --headless --no-sandbox --disable-gpu --no-first-run
  --disable-background-networking --user-data-dir="$(mktemp -d)")
url="file://$(realpath "$page")"

# Tall enough for a report of every resolution with its summary.
"${browser[@]}" --screenshot="$png" --window-size=900,2400 "$url" >/dev/null 2>&1
# A blank page is one colour: its standard deviation is 0.
deviation=$(convert "$png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v d="$deviation" 'BEGIN { exit !(d > 0.05) }' || {
  echo "the rendered page looks blank (deviation $deviation): $png" >&2
  exit 1
}

dom=$("${browser[@]}" --dump-dom "$url" 2>/dev/null)
for expected in "$@"; do
  grep -qF -- "$expected" <<<"$dom" || {
    echo "not in the rendered page: $expected" >&2
    exit 1
  }
done

if [[ -n $bars ]]; then
  # The bar colour's pixels, row by row: each bar is a band of rows of one width.
  widths=$(convert "$png" -fuzz 3% -fill white +opaque '#E8891F' -colorspace Gray -depth 8 txt:- |
    awk -F'[,: ]+' 'NR > 1 && $0 !~ /#FFFFFF/ { count[$2]++ }
      END { for (y in count) print y, count[y] }' |
    sort -n | awk 'NR == 1 || $1 != last + 1 { if (width) print width; width = 0 }
      { if ($2 > width) width = $2; last = $1 } END { if (width) print width }')
  expected_count=$(tr ',' '\n' <<<"$bars" | wc -l)
  drawn_count=$(wc -l <<<"$widths")
  [[ $drawn_count -eq $expected_count ]] || {
    echo "$drawn_count bars drawn, $expected_count expected (widths: $(echo $widths))" >&2
    exit 1
  }
  longest=$(sort -n <<<"$widths" | tail -1)
  paste -d' ' <(echo "$widths") <(tr ',' '\n' <<<"$bars") |
    awk -v longest="$longest" '{ drawn = 100 * $1 / longest
        if (drawn < $2 - 2 || drawn > $2 + 2) {
          printf "a bar of %d px is %.1f%% of the longest, not %d%%\n", $1, drawn, $2 > "/dev/stderr"
          bad = 1 } }
      END { exit bad }'
  echo "bars: $(echo $widths) px"
fi
echo "rendered: $png (deviation $deviation)"
