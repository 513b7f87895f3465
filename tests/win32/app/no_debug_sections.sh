#!/usr/bin/env bash
# The shipped program carries no debug sections: they double its size and tell users nothing.
# Usage: no_debug_sections.sh OBJDUMP PROGRAM
set -euo pipefail
objdump=$1
program=$2

sections=$("$objdump" -h "$program")
debug=$(grep -o '\.debug_[a-z_]*' <<<"$sections" || true)
if [ -n "$debug" ]; then
  echo "$(basename "$program") ($(stat -c %s "$program") bytes) has debug sections:" $debug >&2
  exit 1
fi
echo "$(basename "$program"): $(stat -c %s "$program") bytes, no debug sections"
