#!/usr/bin/env bash
# Builds the Qt-free core with AddressSanitizer and UndefinedBehaviorSanitizer and runs its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${LOMARIN_ASAN_DIR:-build-asan}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DLOMARIN_GUI=OFF -DLOMARIN_BENCH=OFF -DLOMARIN_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
