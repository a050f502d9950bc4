#!/usr/bin/env bash
# Start-up benchmark: starts the program and a bare Qt window of the same kind (a menu bar
# and ten fields, bench/startup/bare_window.cpp) in turn on a fresh Xvfb display without a
# window manager, RUNS times each (default 7), and prints the median time to the first
# mapped window, the processor time used until then, the median resident set size half a
# second later, and their ratios. The processor time is the steadier figure on a busy
# machine; the time to the window is what the user waits.
#
# With IR=1 it also counts the instructions each executes until its window maps (once each,
# under callgrind): the one figure a busy machine does not disturb.
#
#   bench/startup.sh [BUILD_DIR [PROGRAM]]    BUILD_DIR defaults to build/release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
program=${2:-$build/src/app/morvane}
runs=${RUNS:-7}

if [ ! -x "$build/bench/startup/first_map" ] || [ ! -x "$program" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target first_map bare_window morvane
fi
first_map=$build/bench/startup/first_map
bare=$build/bench/startup/bare_window

source bench/display.sh
trap stop_display EXIT
start_display
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

# One warm-up start each, so that both find the shared libraries in the page cache.
"$first_map" "$program" >/dev/null
"$first_map" "$bare" >/dev/null

prog_ms=() prog_cpu=() prog_kb=() bare_ms=() bare_cpu=() bare_kb=()
for _ in $(seq "$runs"); do
  read -r ms cpu kb < <("$first_map" "$program")
  prog_ms+=("$ms") prog_cpu+=("$cpu") prog_kb+=("$kb")
  read -r ms cpu kb < <("$first_map" "$bare")
  bare_ms+=("$ms") bare_cpu+=("$cpu") bare_kb+=("$kb")
done

pm=$(median "${prog_ms[@]}") bm=$(median "${bare_ms[@]}")
pc=$(median "${prog_cpu[@]}") bc=$(median "${bare_cpu[@]}")
pk=$(median "${prog_kb[@]}") bk=$(median "${bare_kb[@]}")
echo "program    runs: ${prog_ms[*]} ms"
echo "bare Qt    runs: ${bare_ms[*]} ms"
awk -v pm="$pm" -v bm="$bm" -v pc="$pc" -v bc="$bc" -v pk="$pk" -v bk="$bk" 'BEGIN {
  printf "%-12s %12s %12s %10s\n", "median", "first map", "CPU by then", "RSS"
  printf "%-12s %9.1f ms %9.1f ms %7.1f MB\n", "morvane", pm, pc, pk / 1024
  printf "%-12s %9.1f ms %9.1f ms %7.1f MB\n", "bare Qt", bm, bc, bk / 1024
  printf "%-12s %12.2f %12.2f %10.2f\n", "ratio", pm / bm, pc / bc, pk / bk
}'

if [ "${IR:-0}" = 1 ]; then
  ir() {
    local out
    out=$(mktemp)
    "$first_map" --settle 0 valgrind --tool=callgrind --callgrind-out-file="$out" "$1" >/dev/null 2>&1
    awk '/^summary:/ {print $2}' "$out"
    rm -f "$out"
  }
  pi=$(ir "$program") bi=$(ir "$bare")
  awk -v p="$pi" -v b="$bi" 'BEGIN {
    printf "instructions until the window maps: morvane %.1f M, bare Qt %.1f M, ratio %.2f\n", p / 1e6, b / 1e6, p / b
  }'
fi
