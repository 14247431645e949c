#!/usr/bin/env bash
# Draws every screen of the game, a test card of every font and one of every
# texture into PNGs, for a reviewer to see all of them in one folder.
#   tools/screenshots.sh [output folder]     (default build/screenshots)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="${1:-$ROOT/build/screenshots}"
BUILD="${RULECRAFT_BUILD:-$ROOT/build}"
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"

cmake -S "$ROOT" -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target rulecraft-screenshots

cd "$ROOT"
SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
  "$BUILD/tools/screenshots/rulecraft-screenshots" "$OUT"
