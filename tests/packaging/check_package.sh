#!/usr/bin/env bash
# Checks a built Debian package as a user's machine would meet it: its dependencies resolve
# on this Debian, it unpacks into a scratch root with dpkg, the unpacked desktop files and
# manual pages validate, the runners stay out of the user's path, the terminal answers
# need no display, and the unpacked program shows its start window under Xvfb.
#   tests/packaging/check_package.sh dist/morvane_<version>_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
fail() { echo "check_package: $*" >&2; exit 1; }

echo "-- dependencies resolve"
apt-get install --simulate --no-install-recommends "$deb" >/tmp/morvane-apt-sim.log 2>&1 ||
  { cat /tmp/morvane-apt-sim.log; fail "apt-get cannot install $deb"; }

root=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT

echo "-- unpacked into $root"
dpkg -x "$deb" "$root"
id=de.morvane.KleineProgramme
for f in usr/bin/morvane usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
  usr/share/man/man1/morvane.1.gz usr/share/man/de/man1/morvane.1.gz \
  usr/share/doc/morvane/copyright usr/share/doc/morvane/changelog.gz; do
  [ -e "$root/$f" ] || fail "$f is missing"
done
[ "$(ls "$root/usr/bin")" = morvane ] || fail "usr/bin holds more than the program: $(ls "$root/usr/bin")"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
for page in usr/share/man/man1/morvane.1.gz usr/share/man/de/man1/morvane.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$root/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done

echo "-- terminal answers without a display"
program=$root/usr/bin/morvane
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version |
  grep -qx "Morvane - Kleine Programme [0-9.]*" || fail "--version does not answer"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --help |
  grep -q "^Aufruf: morvane" || fail "--help does not answer"

echo "-- start window under Xvfb"
display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display XDG_RUNTIME_DIR=$root/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
env -u QT_QPA_PLATFORM "$program" >"$root/run/out.log" 2>&1 &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Morvane - Kleine Programme$' | head -1) ||
  { cat "$root/run/out.log"; kill "$pid" 2>/dev/null; fail "no start window within 20 s"; }
kill -0 "$pid" || fail "the program ended"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "start window $window shown; package $(basename "$deb") is fine"
