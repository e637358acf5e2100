#!/usr/bin/env bash
# Installs the dependencies, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout 180
