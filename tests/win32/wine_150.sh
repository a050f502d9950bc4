#!/bin/sh
# wine_150.sh WINE FROM TO: Wine's settings of FROM copied to TO, with the screen at 144 dpi
# (150 per cent) and the layout check's windows left to Wine (no window manager).
set -e
wine=$1 from=$2 to=$3
rm -rf "$to"
cp -a "$from" "$to"
export WINEPREFIX="$to" WINEDEBUG=-all
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f
"$wine" reg add 'HKCU\Software\Wine\AppDefaults\morvane-win32-layout-check.exe\X11 Driver' \
  /v Managed /d N /f
