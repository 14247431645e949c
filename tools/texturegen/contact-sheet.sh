#!/usr/bin/env bash
# Renders proof sheets of the generated art, to look at after a change:
#   tools/texturegen/contact-sheet.sh [output folder]   (default /tmp/rulecraft-proof)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
OUT="${1:-/tmp/rulecraft-proof}"
mkdir -p "$OUT"
B="$ROOT/data/bitmaps"
sheet() {  # name, tile size, files...
  local name="$1" tile="$2"; shift 2
  montage -background '#5b6f90' -fill white -pointsize 10 -label '%t' "$@" \
    -tile 10x -geometry "${tile}x${tile}+6+6" "$OUT/$name.png"
}
sheet interface 96 "$B"/gui/* "$B"/network/* "$B"/issues/*
sheet controlpanel 64 "$B"/controlpanel/*
sheet icons 64 "$B"/icons/*
sheet ministers 96 "$B"/ministers/minister1.bmp "$B"/ministers/male/* "$B"/ministers/female/*
for f in "$B"/backgrounds/* "$B"/events/*; do convert "$f" -resize 800x800 "$OUT/$(basename "${f%.*}").png"; done
echo "proof sheets in $OUT"
