# Sourced by the start-up benchmarks: start_display starts Xvfb on a free-looking display
# number without a window manager, exports DISPLAY and waits until it answers; stop_display
# ends it. median prints the median of its arguments.
start_display() {
  display=:$((70 + RANDOM % 100))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
stop_display() { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; }

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
