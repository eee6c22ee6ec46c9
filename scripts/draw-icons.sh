#!/usr/bin/env bash
# Draws the command's button icons, resources/*.png, from their vector sources: icon-16.svg (a
# simpler drawing that stays readable at 16 pixels) and icon.svg (32 and 64 pixels), each with a
# -dark twin. The PNGs are committed; run this after editing an SVG.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/ensure-packages.sh" librsvg2-bin
cd "$root/resources"

draw() {  # draw SOURCE SIZE TARGET
  rsvg-convert --width "$2" --height "$2" --output "$3" "$1"
  echo "resources/$3"
}
for theme in "" "-dark"; do
  draw "icon-16$theme.svg" 16 "16x16$theme.png"
  draw "icon$theme.svg" 32 "32x32$theme.png"
  draw "icon$theme.svg" 64 "64x64$theme.png"
done
