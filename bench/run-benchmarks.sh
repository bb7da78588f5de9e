#!/usr/bin/env bash
# Builds the benchmarks in a RelWithDebInfo build, runs every one of them and
# writes docs/performance.md: one table of medians with the machine they ran
# on and this command. The summary table of README.md is rewritten too.
#   bench/run-benchmarks.sh            # build folder build-bench
#   BUILD_DIR=build bench/run-benchmarks.sh
# REPETITIONS (default 5) sets how many repetitions each median is taken over.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build-bench}
REPETITIONS=${REPETITIONS:-5}
OUT=docs/performance.md
JSON_DIR="$BUILD_DIR/bench-results"

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORA_BUILD_TESTS=OFF
fi
if grep -q "^QUILLORA_SANITIZE:BOOL=ON" "$BUILD_DIR/CMakeCache.txt"; then
  echo "$BUILD_DIR is a sanitizer build; its timings would mislead" >&2
  exit 1
fi
BENCHES=(generation_bench analysis_bench bazi_bench refdata_bench calendar_bench picker_bench
         startup_bench)
cmake --build "$BUILD_DIR" -j "$(nproc 2>/dev/null || echo 2)" \
  --target "${BENCHES[@]}" quillora-first-paint quillora_databases

mkdir -p "$JSON_DIR"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for b in "${BENCHES[@]}"; do
  echo "== $b" >&2
  # Benchmarks that time one whole process fix their own iterations.
  QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/$b" --benchmark_repetitions="$REPETITIONS" \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.3 \
    --benchmark_out="$JSON_DIR/$b.json" --benchmark_out_format=json \
    > "$JSON_DIR/$b.log" 2>&1 || { cat "$JSON_DIR/$b.log" >&2; exit 1; }
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

python3 bench/write-performance.py "$JSON_DIR" "$OUT" "$BUILD_DIR" "$REPETITIONS" \
  "$load_before" "$load_after" README.md
echo "wrote $OUT and the table of README.md" >&2
