#!/bin/sh
# Renders the hicolor PNG sizes of the program's icon and of the saved-game
# icon from their SVGs (needs rsvg-convert, Debian package librsvg2-bin).
# The PNGs are kept in the repository so that a build needs no converter.
set -e
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$size"
  rsvg-convert -w "$size" -h "$size" vantry.svg -o "$size/vantry.png"
  rsvg-convert -w "$size" -h "$size" application-x-vantry-game.svg -o "$size/application-x-vantry-game.png"
done
