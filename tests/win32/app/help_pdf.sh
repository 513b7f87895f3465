#!/usr/bin/env bash
# The help button opens Help.pdf from the program's folder: the build puts the user manual there,
# whole (every chapter, the pictures of the windows, a page number on every page).
# Usage: help_pdf.sh PROGRAM_FOLDER
set -euo pipefail
help="$1/Help.pdf"
minimum_pages=12

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

[ -s "$help" ] || fail "no Help.pdf beside the program in $1"
pages=$(pdfinfo "$help" | awk '/^Pages:/ { print $2 }')
[ "${pages:-0}" -gt "$minimum_pages" ] ||
  fail "Help.pdf has ${pages:-no} pages; the manual has more than $minimum_pages"

# In the order of the page (tables row by row), lines joined and blanks squeezed: a text may wrap
# anywhere in the printed page.
text=$(pdftotext -raw -enc UTF-8 "$help" - | tr '\n\f' '  ' | tr -s ' ')
for expected in \
  "Contents" \
  "1. What the program does" "2. Installing" "3. The main window" "4. Running a benchmark" \
  "5. Reading the report" "6. Where results are kept" "7. After a crash or a forced end" \
  "9. Uninstalling" \
  "Your own file is put back" "autoexec_old.cfg" "record mydemo" \
  "waits 30 seconds" "every 5 seconds" \
  "Please, choose a resolution of Half-Life 2 Episode Two." \
  "Maybe the last time an error occured." \
  "Average score =" "result_2008_04_04__21_05_07.htm"; do
  grep -qF -- "$expected" <<<"$text" || fail "Help.pdf does not say \"$expected\""
done

for ((page = 1; page <= pages; page++)); do
  pdftotext -f "$page" -l "$page" "$help" - | grep -qF "Page $page of $pages" ||
    fail "page $page of Help.pdf has no page number"
done

# Screenshots, not the small icon a browser prints for a picture it could not load.
pictures=$(pdfimages -list "$help" | awk 'NR > 2 && $3 == "image" && $4 >= 200 && $5 >= 200' | wc -l)
[ "$pictures" -ge 5 ] || fail "Help.pdf shows $pictures pictures of the program's windows, not 5"

echo "Help.pdf: $pages pages, $pictures pictures, $(stat -c %s "$help") bytes"
