#!/usr/bin/env bash
# Configures and builds Tavilo into build/ (or the folder given as $TAVILO_BUILD_DIR).
# Extra arguments go to CMake's configure step, e.g. -DTAVILO_SANITIZE=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TAVILO_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja "$@" > /dev/null
cmake --build "$build" -j "$(nproc)"
