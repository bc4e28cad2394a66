#!/usr/bin/env bash
# Renders the PNG sizes of the icon from icons/org.pelumo.Pelumo.svg. The PNGs
# are committed, so a build needs no SVG renderer; run this after changing the
# SVG and commit what it writes. Uses rsvg-convert (librsvg2-bin) when present,
# ImageMagick's convert otherwise.
set -euo pipefail
cd "$(dirname "$0")/icons"
svg=org.pelumo.Pelumo.svg
for size in 16 22 24 32 48 64 128 256; do
  out=${size}x${size}/org.pelumo.Pelumo.png
  mkdir -p "${size}x${size}"
  if command -v rsvg-convert >/dev/null; then
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$out"
  elif command -v convert >/dev/null; then
    convert -background none -density 384 "$svg" -resize "${size}x${size}" "$out"
  else
    echo "render-icons.sh: needs rsvg-convert (librsvg2-bin) or ImageMagick" >&2
    exit 1
  fi
  echo "$out"
done
