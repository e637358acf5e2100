#!/usr/bin/env bash
# Runs every fuzz harness of the sanitizer build side by side for $1 seconds each (20), on a
# scratch corpus seeded from fuzz/corpus/<harness>. Inputs that fail are kept in
# build-asan/fuzz-artifacts/. For a long run: bash scripts/fuzz.sh 3600; a run of ten minutes
# or more also runs clang-tidy's analyzer over src/ at low priority beside the harnesses
# (scripts/tidy.sh --analyzer, log in build-asan/tidy-analyzer.log).
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-20}
BUILD_DIR=${BUILD_DIR:-build-asan}
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$BUILD_DIR/fuzz-artifacts"
runs=()
for exe in "$BUILD_DIR"/*_fuzz; do
  name=$(basename "$exe")
  mkdir -p "$work/$name"
  "$exe" "$work/$name" "fuzz/corpus/$name" -max_total_time="$SECONDS_EACH" -rss_limit_mb=2048 \
    -artifact_prefix="$BUILD_DIR/fuzz-artifacts/$name-" >"$work/$name.log" 2>&1 &
  runs+=("$!:$name")
done
[ ${#runs[@]} -gt 0 ] || { echo "no fuzz harnesses in $BUILD_DIR"; exit 1; }
analyzer=""
if [ "$SECONDS_EACH" -ge 600 ]; then
  BUILD_DIR=$BUILD_DIR nice -n 19 bash scripts/tidy.sh --analyzer >"$BUILD_DIR/tidy-analyzer.log" 2>&1 &
  analyzer=$!
fi
failed=0
for run in "${runs[@]}"; do
  pid=${run%%:*}
  name=${run#*:}
  if wait "$pid"; then
    echo "$name: $(grep -E '^#[0-9]+.*DONE' "$work/$name.log" | tail -1)"
  else
    echo "$name FAILED:"
    tail -60 "$work/$name.log"
    failed=1
  fi
done
if [ -n "$analyzer" ]; then
  if wait "$analyzer"; then
    echo "analyzer: no findings"
  else
    sed 's/\x1b\[[0-9;]*m//g' "$BUILD_DIR/tidy-analyzer.log" | grep -E 'warning:|error:' | sort -u | head -50
    echo "clang-tidy's analyzer found problems (whole log: $BUILD_DIR/tidy-analyzer.log)"
    failed=1
  fi
fi
exit $failed
