#!/usr/bin/env bash
# Writes the stored runner output of the regression game anew. Run it only when
# a change to the model is meant to change the game, and review the diff
# before committing it (git diff tests/regression).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target rulecraft-sim
read -r -a args < tests/regression/velmora.args
out=tests/regression/velmora.expected
tmp=$(mktemp)
{
  "$BUILD/tools/rulecraft-sim/rulecraft-sim" "${args[@]}" 2>"$tmp.err"
  echo "--- stderr"
  cat "$tmp.err"
} >"$tmp"
mv "$tmp" "$out"
rm -f "$tmp.err"
git --no-pager diff --stat -- "$out" || true
echo "wrote $out"
