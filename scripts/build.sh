#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR). $BUILD_TYPE (Release) and
# $CMAKE_ARGS (extra cache settings) choose the configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
