#!/usr/bin/env bash
# Renders the PNG icons from the drawn SVG icon (needs rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../dist/linux/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" scalable/org.numerion.Numerion.svg \
    -o "${size}x${size}/org.numerion.Numerion.png"
done
