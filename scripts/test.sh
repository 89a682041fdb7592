#!/usr/bin/env bash
# Builds everything and runs every test (core, tools and widgets) in one CTest run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${LOMARIN_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
