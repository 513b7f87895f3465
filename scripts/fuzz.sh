#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ (clang, AddressSanitizer, UBSan) and runs each for
# SECONDS (default 60): first over its kept regression inputs (fuzz/regressions/<harness>/),
# then fuzzing from its corpus (build/fuzz/corpus/<harness>/, kept between runs), seeded from
# the test fixtures and the team's samples (fuzz/seeds/) with its dictionary (fuzz/dicts/).
# Prints each harness's executions and findings; a finding's input is left in
# build/fuzz/findings/<harness>/ and the script fails. Keep a finding, once fixed, in
# fuzz/regressions/<harness>/ so that every later run replays it.
# Each harness is one process on one core, so JOBS of them (default: one per core) run side by
# side; the rows are printed as harnesses finish.
#   scripts/fuzz.sh [-j JOBS] [SECONDS] [HARNESS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
if [ "${1:-}" = -j ]; then
  jobs=${2:?-j needs a number}
  shift 2
fi
[[ $jobs =~ ^[1-9][0-9]*$ ]] || { echo "-j needs a number above 0, not '$jobs'" >&2; exit 2; }
seconds=${1:-60}
shift || true
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "SECONDS must be a number above 0, not '$seconds'" >&2; exit 2; }
build=build/fuzz
samples="$root/../shared/samples"

# Two runs started together would configure the same build folder at once, and one of them
# fails; the second waits for the first's build instead.
mkdir -p "$build"
exec 9>"$build/.build-lock"
flock 9
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMSENDOR_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "$(nproc)" | grep -v -e '^\[' -e '^ninja: no work to do' || true
flock -u 9
exec 9>&-

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

# fuzz_one NAME: replays the harness's kept inputs, then fuzzes it for $seconds; prints its row
# and fails on a finding.
fuzz_one() {
  local name=$1
  local fuzzer="$build/fuzz/${name}_fuzzer" corpus="$build/corpus/$name"
  local seeds="$build/seeds/$name" findings="$build/findings/$name" log="$build/logs/$name.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  seed "$name" "$seeds"
  # Inputs up to 64 KB: the real reports among the seeds are larger, and mutating them whole
  # would slow a harness to a few runs a second.
  local options=(-print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -max_len=65536
    -artifact_prefix="$findings/")
  [ -f "fuzz/dicts/$name.dict" ] && options+=(-dict="fuzz/dicts/$name.dict")

  # The kept inputs of earlier findings, each run once.
  if compgen -G "fuzz/regressions/$name/*" >/dev/null; then
    if ! "$fuzzer" "${options[@]}" fuzz/regressions/"$name"/* >"$log" 2>&1; then
      echo "$name: a kept regression input fails again (see $log)" >&2
      return 1
    fi
  fi

  local before after status=0 executions rate size new
  before=$(find "$findings" -type f | wc -l)
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
    return 1
  fi
}

for name in "${harnesses[@]}"; do
  [ -x "$build/fuzz/${name}_fuzzer" ] || { echo "no harness $name" >&2; exit 2; }
done

failed=0
running=0
printf '%-14s %12s %10s %9s  %s\n' harness executions per_second corpus findings
for name in "${harnesses[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_one "$name" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
