#!/bin/sh
# Builds the benchmarks in Release and runs them all; results also land as JSON in the build folder.
# Usage: bench/run.sh [repetitions]   (default 5; the figures are the medians of the repetitions)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build="$here/build-release"
reps=${1:-5}
cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=Release -DGLOW_BUILD_BENCH=ON -DGLOW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target bench_file_io bench_gui bench_startup bench_memory bench_export bench_effects
export QT_QPA_PLATFORM=offscreen
for b in bench_file_io bench_gui bench_startup bench_memory bench_export bench_effects; do
    echo "== $b"
    "$build/$b" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
        --benchmark_out="$build/$b.json" --benchmark_out_format=json
done
