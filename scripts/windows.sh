#!/usr/bin/env bash
# The Windows edition, built on Debian: installs what is missing, cross-builds build/windows/
# (morvane.exe, morvane-replay.exe and the Windows test programs), runs their tests under
# Wine and packs dist/morvane-<version>-windows-x64.zip and dist/morvane-<version>-setup.exe.
# MORVANE_WINDOWS_PACK=0 skips the packing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# fonts-liberation2: Wine draws "MS Sans Serif" and "Arial" in Liberation Sans, with the
# metrics the windows are checked in (tests/win32/layout_check.cpp).
packages=(cmake g++-mingw-w64-x86-64-posix wine64 nsis librsvg2-bin icoutils zip xvfb ccache
  fonts-liberation2)
source scripts/packages.sh
install_missing "${packages[@]}"

build=build/windows
jobs=$(nproc)
echo "== Cross-build the Windows edition"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DMORVANE_QT=OFF -DMORVANE_BENCH=OFF -DMORVANE_WERROR=ON >/dev/null
cmake --build "$build" -j"$jobs"

# Wine keeps its settings in the build tree; the first start makes them (slow, once).
export WINEPREFIX=$root/$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Prepare Wine in $WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || /usr/lib/wine/wineserver -w 2>/dev/null || true
fi

# The windows of the GUI tests need a display of their own.
xvfb_pid=""
stop_display() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop_display EXIT
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display

echo "== Test the Windows edition under Wine"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
"$(dirname "$wine")/wineserver" -k 2>/dev/null || true

[ "${MORVANE_WINDOWS_PACK:-1}" = 0 ] && exit 0
echo "== Pack the Windows edition"
version=$(sed -n 's/^project(morvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
mkdir -p dist
stage=$build/pack/morvane-$version
rm -rf "$build/pack" && mkdir -p "$stage"
cp "$build/morvane.exe" "$stage/"
cp packaging/windows/LIESMICH.txt "$stage/"
zipfile=dist/morvane-$version-windows-x64.zip
rm -f "$zipfile"
(cd "$build/pack" && zip -q -9 -r "$root/$zipfile" "morvane-$version")
makensis -V2 -DVERSION="$version" -DEXE="$root/$build/morvane.exe" \
  -DREADME="$root/packaging/windows/LIESMICH.txt" \
  -DICON="$root/$build/src/win32/generated/morvane.ico" \
  -DOUTFILE="$root/dist/morvane-$version-setup.exe" packaging/windows/morvane.nsi
echo "== Install, start and uninstall the installer under Wine"
tests/packaging/check_windows_installer.sh "dist/morvane-$version-setup.exe" "$build"
"$(dirname "$wine")/wineserver" -k 2>/dev/null || true
ls -l "$build/morvane.exe" "$zipfile" "dist/morvane-$version-setup.exe"
