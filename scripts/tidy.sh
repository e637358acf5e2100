#!/usr/bin/env bash
# Runs the checks of .clang-tidy over src/ on the compile database of $BUILD_DIR (build-asan,
# configured with Clang; nothing needs to be built).
#  - By default: every check but the static analyzer's (clang-analyzer-*), on the library's
#    unity batches, so each header is parsed and checked once a batch, not once a source.
#  - With --analyzer: every check, the analyzer's too, source by source (the analyzer looks
#    only at the main file of a translation unit), on a compile database of its own without
#    unity batches. Paths after --analyzer restrict it to those sources. The long fuzz run
#    and check.sh --gates (on the sources a change touches) run it.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-asan}
JOBS=$(nproc)
if [ "${1:-}" = "--analyzer" ]; then
  shift
  db="$BUILD_DIR/tidy-files"
  cmake -S . -B "$db" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTUBAMON_UNITY=OFF \
    -DTUBAMON_SANITIZE=ON -DTUBAMON_TESTS=OFF -DTUBAMON_BENCH=OFF >/dev/null
  if [ $# -eq 0 ]; then set -- "$PWD/src/"; fi
  exec run-clang-tidy -p "$db" -j "$JOBS" -quiet "$@"
fi
# The library's batches, and its sources compiled on their own. A batch includes its sources
# on purpose: bugprone-suspicious-include stays for the file-by-file run.
exec run-clang-tidy -p "$BUILD_DIR" -j "$JOBS" -quiet -checks='-clang-analyzer-*,-bugprone-suspicious-include' \
  "/tubamon_core.dir/Unity/" "$PWD/src/"
