#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the program's and its tools' translation units (src/,
# tools/) in a build's compile_commands.json and fails on any finding. MORVANE_TIDY_ALL=1
# takes the tests and benchmarks as well (slower: most of them parse the Qt and gtest headers).
# Usage: scripts/check-tidy.sh BUILD_DIR [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: check-tidy.sh BUILD_DIR [JOBS]}
jobs=${2:-2}
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json"; exit 1; }
root=$(pwd)
# The project's own translation units: not the generated ones (moc, resources) in the build.
dirs="src tools"
[ "${MORVANE_TIDY_ALL:-0}" = 1 ] && dirs="src tools tests bench"
mapfile -t files < <(python3 - "$build/compile_commands.json" "$root" $dirs <<'PY'
import json, os, sys
root = os.path.realpath(sys.argv[2])
build = os.path.realpath(os.path.dirname(sys.argv[1]))
dirs = tuple(os.path.join(root, d) + "/" for d in sys.argv[3:])
seen = set()
for entry in json.load(open(sys.argv[1])):
    f = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    if f.startswith(dirs) and not f.startswith(build + "/") and f not in seen:
        seen.add(f)
        print(f)
PY
)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf '%s\n' "${files[@]}" |
  xargs -P "$jobs" -I{} sh -c 'clang-tidy -p "$1" --quiet "$2" > "$3/$(echo "$2" | tr / _).log" 2>&1 || true' _ "$build" {} "$out"
failed=$(grep -l -E 'warning:|error:' "$out"/*.log || true)
if [ -n "$failed" ]; then
  cat $failed | grep -E 'warning:|error:' | sort -u
  echo "clang-tidy findings in $(echo "$failed" | wc -l) files"
  exit 1
fi
echo "${#files[@]} files clean"
