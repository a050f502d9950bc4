#!/usr/bin/env bash
# Fails when a C++ file of the project drifts from .clang-format; names the files.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tools tests bench fuzz -name '*.cpp' -o -name '*.h')
drift=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || drift+=("$f")
done
if [ ${#drift[@]} -gt 0 ]; then
  echo "not formatted (run clang-format -i on them):"
  printf '  %s\n' "${drift[@]}"
  exit 1
fi
echo "${#files[@]} files formatted"
