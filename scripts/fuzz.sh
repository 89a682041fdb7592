#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60).
#   bash scripts/fuzz.sh 600            # every target, 10 minutes each
#   bash scripts/fuzz.sh 600 fuzz_pak   # one target
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
seconds=${1:-60}
build=${LOMARIN_FUZZ_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOMARIN_GUI=OFF \
  -DLOMARIN_BENCH=OFF -DLOMARIN_FUZZ=ON >/dev/null
targets=${2:-$(sed -n 's/^lomarin_fuzz_target(\([a-z_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)}
for t in $targets; do
  cmake --build "$build" -j"$(nproc)" --target "$t"
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  [ -d "tests/fuzz/seeds/${t#fuzz_}" ] && cp -n tests/fuzz/seeds/"${t#fuzz_}"/* "$corpus"/
  "$build/tests/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 "$corpus" 2>&1 | tail -n 15
done
