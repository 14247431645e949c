#!/usr/bin/env bash
# Regenerates the game's own art and sound into data/ from Debian-packaged fonts
# and our generators. The outputs are committed; run this after changing a generator.
#   tools/make-assets.sh [build dir]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT/build-assets}"

cmake -S "$ROOT" -B "$BUILD" -DRULECRAFT_TESTS=OFF -DRULECRAFT_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j2 --target fontgen texturegen

cd "$ROOT"
"$BUILD/tools/fontgen/fontgen" "$ROOT"
"$BUILD/tools/texturegen/texturegen" "$ROOT"
