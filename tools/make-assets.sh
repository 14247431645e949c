#!/usr/bin/env bash
# Regenerates the game's own art and sound into data/ from Debian-packaged fonts
# and our generators. The outputs are committed; run this after changing a generator.
#   tools/make-assets.sh [build dir]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT/build-assets}"

cmake -S "$ROOT" -B "$BUILD" -DRULECRAFT_TESTS=OFF -DRULECRAFT_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j2 --target fontgen texturegen soundgen

cd "$ROOT"
"$BUILD/tools/fontgen/fontgen" "$ROOT"
"$BUILD/tools/texturegen/texturegen" "$ROOT"

# Sounds: synthesize WAVs, then encode them as Ogg Vorbis (fixed stream serials so
# that regenerating with the same tools gives the same files).
WAVS="$BUILD/sounds-wav"
rm -rf "$WAVS"
"$BUILD/tools/soundgen/soundgen" "$WAVS"
mkdir -p "$ROOT/data/sounds/music"
for wav in "$WAVS"/music/*.wav; do
  oggenc -Q -s 1 -q 0 -o "$ROOT/data/sounds/music/$(basename "${wav%.wav}").ogg" "$wav"
done
for wav in "$WAVS"/*.wav; do
  oggenc -Q -s 1 -q 2 -o "$ROOT/data/sounds/$(basename "${wav%.wav}").ogg" "$wav"
done
echo "assets regenerated: $(du -sh "$ROOT/data/fonts" "$ROOT/data/bitmaps" "$ROOT/data/sounds" | tr '\n' ' ')"
