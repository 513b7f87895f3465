#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ (clang, AddressSanitizer, UBSan) and runs each for
# SECONDS (default 60): first over its kept regression inputs (fuzz/regressions/<harness>/),
# then fuzzing from its corpus (build/fuzz/corpus/<harness>/, kept between runs), seeded from
# the test fixtures and the team's samples (fuzz/seeds/) with its dictionary (fuzz/dicts/).
# Prints each harness's executions and findings; a finding's input is left in
# build/fuzz/findings/<harness>/ and the script fails. Keep a finding, once fixed, in
# fuzz/regressions/<harness>/ so that every later run replays it.
#   scripts/fuzz.sh [SECONDS] [HARNESS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true
build=build/fuzz
samples="$root/../shared/samples"

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMSENDOR_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "$(nproc)" | grep -v '^\[' || true

if [ $# -gt 0 ]; then
  harnesses=("$@")
else
  harnesses=()
  for source in fuzz/*_fuzzer.cpp; do
    name=${source##*/}
    harnesses+=("${name%_fuzzer.cpp}")
  done
fi

# seed NAME FOLDER: the harness's seeds, fresh into FOLDER.
seed() {
  local list="fuzz/seeds/$1.txt" pattern file
  rm -rf "$2" && mkdir -p "$2"
  [ -d "fuzz/seeds/$1" ] && cp fuzz/seeds/"$1"/* "$2"/ 2>/dev/null || true
  [ -f "$list" ] || return 0
  while read -r pattern; do
    case $pattern in '' | '#'*) continue ;; esac
    if [[ $pattern == samples/* ]]; then
      [ -d "$samples" ] || continue
      pattern="$samples/${pattern#samples/}"
    fi
    for file in $pattern; do
      [ -f "$file" ] && cp "$file" "$2/$(basename "$(dirname "$file")")-$(basename "$file")"
    done
  done <"$list"
}

failed=0
printf '%-14s %12s %10s %9s  %s\n' harness executions per_second corpus findings
for name in "${harnesses[@]}"; do
  fuzzer="$build/fuzz/${name}_fuzzer"
  [ -x "$fuzzer" ] || { echo "no harness $name" >&2; exit 2; }
  corpus="$build/corpus/$name"
  seeds="$build/seeds/$name"
  findings="$build/findings/$name"
  log="$build/logs/$name.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  seed "$name" "$seeds"
  # Inputs up to 64 KB: the real reports among the seeds are larger, and mutating them whole
  # would slow a harness to a few runs a second.
  options=(-print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -max_len=65536
    -artifact_prefix="$findings/")
  [ -f "fuzz/dicts/$name.dict" ] && options+=(-dict="fuzz/dicts/$name.dict")

  # The kept inputs of earlier findings, each run once.
  if compgen -G "fuzz/regressions/$name/*" >/dev/null; then
    if ! "$fuzzer" "${options[@]}" fuzz/regressions/"$name"/* >"$log" 2>&1; then
      echo "$name: a kept regression input fails again (see $log)" >&2
      failed=1
      continue
    fi
  fi

  before=$(find "$findings" -type f | wc -l)
  status=0
  "$fuzzer" "${options[@]}" -max_total_time="$seconds" "$corpus" "$seeds" >"$log" 2>&1 ||
    status=$?
  after=$(find "$findings" -type f | wc -l)
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  size=$(find "$corpus" -type f | wc -l)
  new=$((after - before))
  printf '%-14s %12s %10s %9s  %s\n' "$name" "${executions:-?}" "${rate:-?}" "$size" "$new"
  if [ "$status" -ne 0 ] || [ "$new" -gt 0 ]; then
    echo "$name: finding (exit $status); input in $findings/, log $log:" >&2
    grep -m 5 -E 'ERROR|broken promise|runtime error|SUMMARY' "$log" >&2 || true
    failed=1
  fi
done
exit "$failed"
