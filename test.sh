#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the plain build,
# the AddressSanitizer + UndefinedBehaviorSanitizer build, and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

JOBS=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1

echo "== plain build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$JOBS"
ctest --test-dir build -j "$JOBS" --timeout 600

echo "== sanitizer build (address, undefined)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DRULECRAFT_SANITIZE=ON -DRULECRAFT_BENCH=OFF -DRULECRAFT_ART_TOOLS=OFF >/dev/null
cmake --build build-asan -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j "$JOBS" --timeout 900

echo "== fuzzers (clang, libFuzzer)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRULECRAFT_FUZZ=ON \
  -DRULECRAFT_ENGINE=OFF -DRULECRAFT_TESTS=OFF -DRULECRAFT_BENCH=OFF -DRULECRAFT_ART_TOOLS=OFF >/dev/null
cmake --build build-fuzz -j "$JOBS"
FUZZ_SECONDS=${FUZZ_SECONDS:-20}
fuzz_passed=0
fuzz_failed=0
for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="tests/fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  if "$fuzzer" -max_total_time="$FUZZ_SECONDS" -max_len=4096 "$work" >"build-fuzz/$name.log" 2>&1; then
    echo "fuzz $name: passed"
    fuzz_passed=$((fuzz_passed + 1))
  else
    echo "fuzz $name: FAILED (see build-fuzz/$name.log)"
    tail -40 "build-fuzz/$name.log"
    fuzz_failed=$((fuzz_failed + 1))
  fi
  rm -rf "$work"
done
echo "fuzz: $fuzz_passed passed, $fuzz_failed failed"
[ "$fuzz_failed" -eq 0 ]
