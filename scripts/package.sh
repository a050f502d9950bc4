#!/usr/bin/env bash
# Builds the Debian package dist/morvane_<version>_amd64.deb (Release build, CPack) and
# checks it with lintian: errors fail, warnings are shown. Installs what it needs.
#   apt-get install ./dist/morvane_*.deb    installs it with everything it needs
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=build/package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMORVANE_TESTS=OFF -DMORVANE_BENCH=OFF \
  >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/cpack"
(cd "$build" && cpack -G DEB -B cpack >/dev/null)
mkdir -p dist
rm -f dist/morvane_*.deb
cp "$build"/cpack/morvane_*.deb dist/
deb=$(ls dist/morvane_*.deb)
echo "$deb ($(du -k "$deb" | cut -f1) kB)"
dpkg-deb --field "$deb" Package Version Depends

# Errors fail; the warnings that remain are explained in packaging/README.md.
lintian --fail-on error --info "$deb"
