#!/usr/bin/env bash
# Runs the game-script fuzzer for a while (default 600 seconds) and prints its figures:
# scripts/fuzz.sh [SECONDS]. New inputs go to build-fuzz/corpus; findings to build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
scripts/install.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARLIN_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_game
mkdir -p build-fuzz/corpus build-fuzz/findings
cp -n fuzz/corpus/*.bin build-fuzz/corpus/
build-fuzz/fuzz/fuzz_game build-fuzz/corpus fuzz/corpus -max_total_time="$seconds" -max_len=4096 \
  -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 2>&1 | tee build-fuzz/last-campaign.log |
  grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|stat::|==|SUMMARY|broken)'
