#!/usr/bin/env bash
# Draws every screen and window of the game into PNGs, for a reviewer to see
# all of them in one folder: the game runs once for each autoplay script in
# tools/screenshots/ (name order) on SDL's offscreen driver, each script ending
# in its own "screenshot" lines, with one seed so that chance brings the same
# dilemmas and events every time. Then a card of every font, cards of every
# texture and the menu letterboxed in a wide window.
#   tools/screenshots.sh [output folder]     (default build/screenshots)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="${1:-$ROOT/build/screenshots}"
BUILD="${RULECRAFT_BUILD:-$ROOT/build}"
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"

cmake -S "$ROOT" -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target rulecraft rulecraft-screenshots

# The player's files of these runs go to a scratch folder, not yours, fresh
# for each script so that an option one script changes stays with it.
SCRATCH="$(mktemp -d)"
trap 'rm -rf "$SCRATCH"' EXIT
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

cd "$ROOT"
failures=0
for script in "$ROOT"/tools/screenshots/*.autoplay; do
  echo "== $(basename "$script")"
  rm -rf "$SCRATCH/home" && mkdir -p "$SCRATCH/home"
  export XDG_DOCUMENTS_DIR="$SCRATCH/home" HOME="$SCRATCH/home"
  # A hung run is killed: the game does not end on SIGTERM without its display.
  if ! timeout -s KILL 600 "$BUILD/rulecraft" --seed 7 --autoplay "$script" --screenshot-dir "$OUT"; then
    echo "screenshots: $(basename "$script") failed" >&2
    failures=$((failures + 1))
  fi
done

"$BUILD/tools/screenshots/rulecraft-screenshots" "$OUT" >/dev/null
ls "$OUT"/*.png
exit $((failures > 0))
