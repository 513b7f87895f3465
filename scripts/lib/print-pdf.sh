#!/usr/bin/env bash
# Prints an HTML page to PDF with headless Chromium, as the build makes Help.pdf from the user
# manual: page size, margins and page numbers come from the page's own @page rules.
# Usage: print-pdf.sh IN.html OUT.pdf
set -euo pipefail
in=$(realpath "$1")
out=$2
chromium=${CHROMIUM:-chromium}

# A profile of its own, removed afterwards: the build must not write into the user's home (nor
# find a running browser's profile locked).
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printed="$scratch/printed.pdf"

# Chromium waits for the page and its pictures before it prints; the time-out keeps a stuck
# browser from holding the build.
if ! HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
  timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-extensions --user-data-dir="$scratch/profile" \
  --no-pdf-header-footer --generate-pdf-document-outline --print-to-pdf="$printed" \
  "file://$in" >"$scratch/chromium.log" 2>&1 || [ ! -s "$printed" ]; then
  echo "print-pdf.sh: Chromium did not print $in" >&2
  cat "$scratch/chromium.log" >&2
  exit 1
fi
# Only a whole file takes the place of the last one.
mkdir -p "$(dirname "$out")"
mv -f "$printed" "$out.partial"
mv -f "$out.partial" "$out"
