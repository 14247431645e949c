#!/usr/bin/env bash
# Memory per voter: peak resident memory of the runner at a large population
# minus that at the shipped size, over the difference in voters. Also prints the
# wall time of each run, so the same run shows what a game of that size costs.
#   bench/voter-memory.sh [BIG [SMALL [TURNS]]]   (defaults 1000000 2000 3)
set -euo pipefail
cd "$(dirname "$0")/.."
BIG=${1:-1000000}
SMALL=${2:-2000}
TURNS=${3:-3}
SIM=${SIM:-build/tools/rulecraft-sim/rulecraft-sim}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A copy of the game folder whose setup section asks for N voters.
game_with() {
  local dir="$work/game-$1"
  mkdir -p "$dir"
  for entry in *; do
    [ "$entry" = data ] || [ "$entry" = build ] || ln -s "$PWD/$entry" "$dir/$entry"
  done
  mkdir -p "$dir/data"
  for entry in data/*; do
    [ "$entry" = data/data.ini ] || ln -s "$PWD/$entry" "$dir/$entry"
  done
  sed "s/^AIENTITIES=.*/AIENTITIES=$1/" data/data.ini >"$dir/data/data.ini"
  echo "$dir"
}

# Prints "peak_kb seconds" of one run of TURNS turns.
measure() {
  local dir
  dir=$(game_with "$1")
  mkdir -p "$work/user-$1"
  /usr/bin/time -f "%M %e" -o "$work/time-$1" \
    "$SIM" --game "$dir" --user "$work/user-$1" --mission velmora --turns "$TURNS" --seed 3 --quiet >/dev/null 2>&1
  cat "$work/time-$1"
}

read -r small_kb small_s < <(measure "$SMALL")
read -r big_kb big_s < <(measure "$BIG")
echo "voters=$SMALL peak_rss_kb=$small_kb seconds=$small_s"
echo "voters=$BIG peak_rss_kb=$big_kb seconds=$big_s"
awk -v a="$small_kb" -v b="$big_kb" -v n="$SMALL" -v m="$BIG" \
  'BEGIN { printf "bytes_per_voter=%.0f\n", (b - a) * 1024 / (m - n) }'
