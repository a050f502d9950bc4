#!/usr/bin/env bash
# Checks the Windows installer as a user's machine would meet it, under Wine: it installs
# silently for the current user, puts the program, its LIESMICH.txt and the uninstaller into
# %LOCALAPPDATA%\Programs\Morvane and an entry into the Start menu and the list of installed
# programs; the installed program shows its start window; the uninstaller, run silently,
# takes all of it away again.
#   tests/packaging/check_windows_installer.sh dist/morvane-<version>-setup.exe build/windows
# Needs WINEPREFIX (an initialised prefix) and DISPLAY (Xvfb), as scripts/windows.sh sets.
set -euo pipefail
setup=$(realpath "$1")
build=$(realpath "$2")
fail() { echo "check_windows_installer: $*" >&2; exit 1; }
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
wineserver="$(dirname "$wine")/wineserver"
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
: "${WINEPREFIX:?}" "${DISPLAY:?}"

# Where Wine keeps the current user's folders, as Unix paths.
unix() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
windows() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
local_appdata=$("$wine" cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
appdata=$("$wine" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
dir=$(unix "$local_appdata\\Programs\\Morvane")
link=$(unix "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Morvane - Kleine Programme.lnk")
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane.KleineProgramme'

echo "-- installs silently"
"$wine" "$setup" /S
"$wineserver" -w
for f in morvane.exe LIESMICH.txt Deinstallieren.exe; do
  [ -f "$dir/$f" ] || fail "$f is not in $dir"
done
cmp -s "$dir/morvane.exe" "$build/morvane.exe" || fail "the installed morvane.exe is another"
[ -f "$link" ] || fail "no Start menu entry ($link)"
"$wine" reg query "$key" /v DisplayName 2>/dev/null | grep -q "Morvane - Kleine Programme" ||
  fail "not among the installed programs ($key)"

echo "-- the installed program shows its start window"
"$wine" "$build/morvane-win32-tests.exe" --start "$(windows "$dir/morvane.exe")" ||
  fail "the installed program does not start"

echo "-- uninstalls silently"
"$wine" "$dir/Deinstallieren.exe" /S
"$wineserver" -w
[ ! -e "$dir" ] || fail "$dir is left: $(ls -A "$dir" | tr '\n' ' ')"
[ ! -e "$link" ] || fail "the Start menu entry is left"
if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the entry of the installed programs is left"; fi
if "$wine" reg query 'HKCU\Software\Morvane' >/dev/null 2>&1; then fail "HKCU\\Software\\Morvane is left"; fi
echo "check_windows_installer: ok"
