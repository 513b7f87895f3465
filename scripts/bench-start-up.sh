#!/usr/bin/env bash
# Prints the program's start-up time under Wine, from launch to its main window on the screen,
# without the 6000 ms splash (its benchmark build, tamsendor_start_up_bench.exe, the same program
# with no wait behind the splash), against an empty Win32 window program: medians of interleaved
# runs, on an installed machine with the stand-in game. Also prints the size of tamsendor.exe.
# Usage: scripts/bench-start-up.sh [REPETITIONS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
repetitions=${1:-15}

if [ -z "${TAMSENDOR_BENCH_INSIDE_DISPLAY:-}" ]; then
  bash scripts/setup.sh
  cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
  cmake --build build/win -j "$(nproc)" --target setup tamsendor_start_up_bench empty_window \
    standin_steam standin_hl2 desktop_keeper >/dev/null
  export TAMSENDOR_BENCH_INSIDE_DISPLAY=1
  exec scripts/lib/with-display.sh "$0" "$@"
fi

. scripts/lib/wine.sh
bin="$root/build/win/bin"
export WINEPREFIX="$root/build/wineprefix-start-up"
wine_fresh_prefix "$root/build/wineprefix-template" "$WINEPREFIX"
trap wine_server_stop EXIT
# The desktop stays up between runs, as it does on Windows; neither program pays for it.
wine_server_start "$bin/desktop_keeper.exe"
. scripts/lib/installation.sh
install_machine "$bin" "1024=1" "RunNumber=1" "Demo=1"
cp "$bin/tamsendor_start_up_bench.exe" "$bin/empty_window.exe" "$program/"
xdotool mousemove 0 0

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# time_to_window EXE TITLE CLICK_X CLICK_Y: milliseconds from launch until a window of that title
# shows; the program is then ended by a click at that point of its window (Exit, or anywhere in
# the empty window) and waited for.
time_to_window() {
  local started pid window="" took
  started=$(now_ms)
  wine "$program/$1" >/dev/null 2>&1 </dev/null &
  pid=$!
  until window=$(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | head -n 1) &&
    [ -n "$window" ]; do
    kill -0 "$pid" 2>/dev/null || {
      echo "$1 ended before its window showed" >&2
      exit 1
    }
    sleep 0.005
  done
  took=$(($(now_ms) - started))
  sleep 0.3
  # The program's news window comes with its main window, on top of it: closed first, as a user
  # closes it, so the click reaches the main window.
  local news
  news=$(xdotool search --onlyvisible --name '^Pelloquin NEWS$' 2>/dev/null | head -n 1 || true)
  if [ -n "$news" ]; then
    xdotool windowactivate --sync "$news" key --clearmodifiers alt+F4
    sleep 0.3
  fi
  xdotool mousemove --window "$window" "$3" "$4" click 1 mousemove 0 0
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill "$pid" 2>/dev/null && echo "$1 did not end by its click" >&2
  wait "$pid" 2>/dev/null || true
  echo "$took"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One of each first: the first Wine start of a program pays for loading its DLLs from disk.
time_to_window empty_window.exe "Empty Window" 200 200 >/dev/null
time_to_window tamsendor_start_up_bench.exe "Korvalin Tamsendor" 542 15 >/dev/null

empty=()
program_times=()
for ((i = 1; i <= repetitions; i++)); do
  empty+=("$(time_to_window empty_window.exe "Empty Window" 200 200)")
  program_times+=("$(time_to_window tamsendor_start_up_bench.exe "Korvalin Tamsendor" 542 15)")
done

empty_median=$(printf '%s\n' "${empty[@]}" | median)
program_median=$(printf '%s\n' "${program_times[@]}" | median)
size=$(stat -c %s "$bin/tamsendor.exe")
echo "Start-up to a visible main window under Wine, splash excluded ($repetitions runs each, interleaved):"
echo "  tamsendor (no splash wait): median ${program_median} ms   runs: ${program_times[*]}"
echo "  empty Win32 window:         median ${empty_median} ms   runs: ${empty[*]}"
echo "  the program's own start-up beyond an empty window: $((program_median - empty_median)) ms"
echo "  (the shipped program shows its splash for 6000 ms first, then does the same)"
awk -v s="$size" 'BEGIN { printf "Size of tamsendor.exe: %d bytes (%.2f MiB), statically linked, Release\n", s, s / 1048576 }'
