#!/usr/bin/env bash
# Builds Lomarin and starts the desktop program on the bundled sample library.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${LOMARIN_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
exec "$build/app/lomarin" "$@"
