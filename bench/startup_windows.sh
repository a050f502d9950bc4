#!/usr/bin/env bash
# Start-up benchmark of the Windows edition under Wine: starts build/windows/morvane.exe
# RUNS times (default 7) on a fresh Xvfb display without a window manager and prints the
# median time until its start window "Morvane - Kleine Programme" is shown, measured twice
# (inside Wine beside a bare window of the same kind, tests/win32/bare_window.cpp):
#   - inside Wine (morvane-win32-tests.exe --start): from CreateProcess to the visible
#     window, with Wine already running, as a user who has Wine running waits;
#   - from Linux (first_map of the Qt benchmark, where built): from "wine64 morvane.exe" to
#     its window mapped on the X display, Wine's own start included.
# Compare with bench/startup.sh (the Qt program).
#
#   bench/startup_windows.sh [WINDOWS_BUILD_DIR [LINUX_BUILD_DIR]]
#     defaults: build/windows (scripts/windows.sh makes it) and build/release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
linux=${2:-build/release}
runs=${RUNS:-7}
[ -f "$build/morvane.exe" ] && [ -f "$build/morvane-win32-tests.exe" ] ||
  { echo "build the Windows edition first: scripts/windows.sh" >&2; exit 1; }
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
wineserver="$(dirname "$wine")/wineserver"
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
export WINEPREFIX=${WINEPREFIX:-$PWD/$build/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot -i >/dev/null 2>&1 || true; "$wineserver" -w; }

source bench/display.sh
trap '"$wineserver" -k 2>/dev/null || true; stop_display' EXIT
start_display

exe_w=$("$wine" winepath -w "$PWD/$build/morvane.exe" 2>/dev/null | tr -d '\r')

# Wine keeps running between the starts (a persistent wineserver), as on a desktop using it.
"$wineserver" -p 2>/dev/null || true  # (a running one stays)
"$wine" "$build/morvane-win32-tests.exe" --start "$exe_w" >/dev/null  # warm-up
# The program, and a bare window of the same kind beside it (bare_window.exe), in turns.
bare_w=$("$wine" winepath -w "$PWD/$build/bare_window.exe" 2>/dev/null | tr -d '\r')
shown() {
  "$wine" "$build/morvane-win32-tests.exe" --start "$1" |
    sed -n 's/^start window shown after \([0-9]*\) ms.*/\1/p'
}
inside=() bare=()
for _ in $(seq "$runs"); do
  ms=$(shown "$exe_w")
  inside+=("${ms:-0}")
  if [ -f "$build/bare_window.exe" ]; then
    ms=$(shown "$bare_w")
    bare+=("${ms:-0}")
  fi
done
echo "inside Wine runs: ${inside[*]} ms"
printf '%-34s %9.1f ms\n' "median, CreateProcess to window" "$(median "${inside[@]}")"
if [ "${#bare[@]}" -gt 0 ]; then
  echo "bare window runs: ${bare[*]} ms"
  printf '%-34s %9.1f ms\n' "median, the same for a bare window" "$(median "${bare[@]}")"
fi

first_map=$linux/bench/startup/first_map
if [ -x "$first_map" ]; then
  outside=() cpu=() rss=()
  for _ in $(seq "$runs"); do
    read -r ms c kb < <("$first_map" "$wine" "$build/morvane.exe")
    outside+=("$ms") cpu+=("$c") rss+=("$kb")
  done
  echo "from Linux runs: ${outside[*]} ms"
  awk -v m="$(median "${outside[@]}")" -v c="$(median "${cpu[@]}")" -v k="$(median "${rss[@]}")" 'BEGIN {
    printf "%-34s %9.1f ms, CPU %.1f ms, RSS %.1f MB\n", "median, wine64 to window mapped", m, c, k / 1024
  }'
else
  echo "($first_map is missing: build the Qt benchmark to measure from Linux as well)"
fi
