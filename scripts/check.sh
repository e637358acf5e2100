#!/usr/bin/env bash
# Builds and tests without installing anything (scripts/install-deps.sh does that once):
# the release configuration (GCC, build/) and the whole suite.
# With --gates (what CI runs), also:
#  - warnings as errors in every build;
#  - the sanitizer configuration (Clang, build-asan/: AddressSanitizer with leak checks and
#    UndefinedBehaviorSanitizer) and the whole suite again;
#  - each fuzz harness briefly, and the static checks of .clang-tidy over src/ (at low
#    priority beside the sanitizer suite, whose tests mostly wait);
#  - the format of every source file against .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
JOBS=$(nproc)
section() { printf '\n== %s (%ss)\n' "$1" "$SECONDS"; }

GATES=OFF
[ "${1:-}" = "--gates" ] && GATES=ON

if [ "$GATES" = ON ]; then
  section "format"
  bash scripts/format.sh --check
fi

section "release build"
BUILD_DIR=build CMAKE_ARGS="-DTUBAMON_WERROR=$GATES" bash scripts/build.sh
section "release tests"
ctest --test-dir build --output-on-failure -j"$JOBS" --timeout 180
if [ "$GATES" = OFF ]; then
  section "done"
  exit 0
fi

section "sanitizer build"
BUILD_DIR=build-asan BUILD_TYPE=Debug \
  CMAKE_ARGS="-DCMAKE_CXX_COMPILER=clang++ -DTUBAMON_WERROR=ON -DTUBAMON_SANITIZE=ON -DTUBAMON_FUZZ=ON -DTUBAMON_BENCH=OFF" \
  bash scripts/build.sh

section "static checks started"
nice -n 19 run-clang-tidy -p build-asan -j "$JOBS" -quiet "$PWD/src/" >build-asan/tidy.log 2>&1 &
tidy=$!
trap 'kill $tidy 2>/dev/null || true' EXIT

section "sanitizer tests"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$JOBS" --timeout 300

section "fuzz smoke"
bash scripts/fuzz.sh 20

section "static checks"
if ! wait $tidy; then
  sed 's/\x1b\[[0-9;]*m//g' build-asan/tidy.log | grep -E 'warning:|error:' | sort -u | head -50
  echo "clang-tidy found problems (whole log: build-asan/tidy.log)"
  exit 1
fi

section "done"
