#!/usr/bin/env bash
# Renders the icon's PNG sizes from zorvel-lesson.svg (needs rsvg-convert, package
# librsvg2-bin). Run it after changing the SVG and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$size"
  rsvg-convert -w "$size" -h "$size" zorvel-lesson.svg -o "$size/zorvel-lesson.png"
done
