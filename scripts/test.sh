#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (GUI tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${TAVILO_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
