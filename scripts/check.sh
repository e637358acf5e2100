#!/usr/bin/env bash
# Builds and tests without installing anything (scripts/install-deps.sh does that once):
# the release configuration (GCC, build/) and the whole suite.
# With --gates (what CI runs), also:
#  - warnings as errors in every build;
#  - the sanitizer configuration (Clang, build-asan/: AddressSanitizer with leak checks and
#    UndefinedBehaviorSanitizer) and the whole suite again;
#  - each fuzz harness briefly;
#  - the static checks of .clang-tidy over src/ (scripts/tidy.sh: at low priority from the
#    start, on cores the builds leave idle and beside the suites, whose tests mostly wait),
#    and the analyzer's checks on the sources that differ from origin/main;
#  - the format of every source file against .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
JOBS=$(nproc)
section() { printf '\n== %s (%ss)\n' "$1" "$SECONDS"; }

GATES=OFF
[ "${1:-}" = "--gates" ] && GATES=ON

ASAN_ARGS="-DCMAKE_CXX_COMPILER=clang++ -DTUBAMON_WERROR=ON -DTUBAMON_SANITIZE=ON -DTUBAMON_FUZZ=ON -DTUBAMON_BENCH=OFF"
if [ "$GATES" = ON ]; then
  section "format"
  bash scripts/format.sh --check

  # The static checks need only the sanitizer configuration's compile database.
  section "static checks started"
  # shellcheck disable=SC2086
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug $ASAN_ARGS >/dev/null
  nice -n 19 bash scripts/tidy.sh >build-asan/tidy.log 2>&1 &
  tidy=$!
  trap 'kill $tidy 2>/dev/null || true' EXIT
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
BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_ARGS="$ASAN_ARGS" bash scripts/build.sh

section "sanitizer tests"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$JOBS" --timeout 300

section "fuzz smoke"
bash scripts/fuzz.sh 20

section "static checks"
# What is left of them runs at normal priority now that nothing else does (where allowed).
# shellcheck disable=SC2046
renice -n 0 -p "$tidy" $(pgrep -P "$tidy") >/dev/null 2>&1 || true
if ! wait $tidy; then
  sed 's/\x1b\[[0-9;]*m//g' build-asan/tidy.log | grep -E 'warning:|error:' | sort -u | head -50
  echo "clang-tidy found problems (whole log: build-asan/tidy.log)"
  exit 1
fi
# The analyzer on what this work tree changes against origin/main: each changed source, and
# the source of each changed header. Nothing in a fresh clone of main.
mapfile -t changed < <(git diff --name-only origin/main -- src 2>/dev/null | sed -n 's/\.\(h\|cpp\)$/.cpp/p' |
  sort -u | while read -r f; do [ -f "$f" ] && echo "$PWD/$f"; done)
if [ ${#changed[@]} -gt 0 ]; then
  section "analyzer on ${#changed[@]} changed sources"
  if ! bash scripts/tidy.sh --analyzer "${changed[@]}" >build-asan/tidy-analyzer.log 2>&1; then
    sed 's/\x1b\[[0-9;]*m//g' build-asan/tidy-analyzer.log | grep -E 'warning:|error:' | sort -u | head -50
    echo "clang-tidy's analyzer found problems (whole log: build-asan/tidy-analyzer.log)"
    exit 1
  fi
fi

section "done"
