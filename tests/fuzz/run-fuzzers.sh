#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for DURATION seconds (default 30) on a
# copy of its seed corpus. Fails on any finding; the crashing input is left in build-fuzz/findings/.
#   tests/fuzz/run-fuzzers.sh [DURATION]
set -euo pipefail
duration="${1:-30}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
fuzz_dir="$root/tests/fuzz"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLOW_FUZZ=ON >/dev/null
targets=()
for corpus in "$fuzz_dir"/corpus/*/; do
  targets+=("$(basename "$corpus")")
done
ninja -C "$build" "${targets[@]/#/fuzz_}"

mkdir -p "$build/findings"
status=0
for name in "${targets[@]}"; do
  work="$build/corpus-$name"
  rm -rf "$work"
  cp -r "$fuzz_dir/corpus/$name" "$work"
  dict=()
  [ -f "$fuzz_dir/$name.dict" ] && dict=(-dict="$fuzz_dir/$name.dict")
  echo "== fuzzing $name for ${duration}s"
  if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
      "$build/fuzz_$name" "${dict[@]}" -max_total_time="$duration" -print_final_stats=1 \
      -artifact_prefix="$build/findings/$name-" "$work"; then
    echo "!! fuzz_$name found a problem; see $build/findings/" >&2
    status=1
  fi
done
exit $status
