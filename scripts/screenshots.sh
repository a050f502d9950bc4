#!/usr/bin/env bash
# Makes the pictures in packaging/screenshots/ (the README's, and the metainfo's for software
# centres) from the gallery of windows: the start window with its menu above the pipe
# window for a given gradient, each framed with its title bar. Run it after
# `MORVANE_QUICK=1 scripts/test.sh`, which draws the gallery.
#   scripts/screenshots.sh [GALLERY_DIR]    default build/test/gallery
set -euo pipefail
cd "$(dirname "$0")/.."
gallery=${1:-build/test/gallery}
out=packaging/screenshots
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# window PNG TITLE RESULT: the window's picture under a title bar, in a thin frame.
window() {
  local width
  width=$(identify -format %w "$1")
  convert -size "${width}x26" xc:'#2f4f7f' -font Liberation-Sans-Bold -pointsize 13 \
    -fill white -gravity west -annotate +9+0 "$2" "$1" -append \
    -bordercolor '#1e3252' -border 1 "$3"
}
window "$gallery/frmStart.png" "Morvane - Kleine Programme" "$work/start.png"
window "$gallery/frmGefaelle_gegeben.png" "Rohrleitungsrechner - Gefälle gegeben" "$work/pipe.png"

sw=$(identify -format %w "$work/start.png") sh=$(identify -format %h "$work/start.png")
pw=$(identify -format %w "$work/pipe.png") ph=$(identify -format %h "$work/pipe.png")
margin=24 indent=48
width=$((margin * 2 + (sw > pw + indent ? sw : pw + indent)))
height=$((margin * 3 + sh + ph))
convert -size "${width}x${height}" xc:'#dfe3e8' \
  "$work/start.png" -geometry +$margin+$margin -composite \
  "$work/pipe.png" -geometry +$((margin + indent))+$((margin * 2 + sh)) -composite \
  -strip "$out/morvane-rohrleitung.png"
echo "$out/morvane-rohrleitung.png: $(identify -format '%wx%h' "$out/morvane-rohrleitung.png")"
# The metainfo names the picture with its size.
size=$(identify -format 'width="%w" height="%h"' "$out/morvane-rohrleitung.png")
sed -i -E "s|(<image type=\"source\") [^>]*(>[^<]*morvane-rohrleitung.png)|\1 $size\2|" \
  packaging/de.morvane.KleineProgramme.metainfo.xml
