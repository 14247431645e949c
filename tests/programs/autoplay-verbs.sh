#!/usr/bin/env bash
# Runs the game with autoplay-verbs.autoplay and checks what it wrote, then
# checks that a failing script names its line.
#   autoplay-verbs.sh GAME OUTPUT_FOLDER
set -u
GAME="$1"
OUT="$2"
HERE="$(cd "$(dirname "$0")" && pwd)"
rm -rf "$OUT"
mkdir -p "$OUT/documents"
export XDG_DOCUMENTS_DIR="$OUT/documents"
fail() { echo "FAIL: $*" >&2; exit 1; }

timeout -s KILL 120 "$GAME" --autoplay "$HERE/autoplay-verbs.autoplay" --screenshot-dir "$OUT" ||
  fail "the game ended with status $?"
[ "$(head -c 4 "$OUT/shots/menu.png" | tail -c 3)" = "PNG" ] || fail "no PNG screenshot"
grep -q '^state 0$' "$OUT/menu.txt" || fail "the dump does not name the state"
grep -q '^  button "NewGame" [0-9]*,[0-9]*,[0-9]*,[0-9]*$' "$OUT/menu.txt" || fail "no NewGame button in the dump"
grep -q '^  button "Resume" .* disabled' "$OUT/menu.txt" || fail "Resume is not shown disabled"
grep -q '^modal "PlayGuideDialog"$' "$OUT/dialog.txt" || fail "the dialog is not on the modal stack"

printf 'wait 2\n\nexpect-window NoSuchWindow\n' > "$OUT/bad.autoplay"
timeout -s KILL 120 "$GAME" --autoplay "$OUT/bad.autoplay" 2> "$OUT/bad.err"
status=$?
[ "$status" = 5 ] || fail "a failed expectation ends with status $status"
grep -q 'bad.autoplay line 3: expected window NoSuchWindow' "$OUT/bad.err" || fail "the error does not name line 3"
echo "autoplay verbs: ok"
