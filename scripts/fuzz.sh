#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on) and runs each one for the given number of seconds (default 30) on a copy of its seed corpus,
# so the corpus in the repository stays as it is. A crash leaves its input in build-fuzz/crashes/.
# Usage: bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(tavilo-fuzz-tav tavilo-fuzz-rtf tavilo-fuzz-list tavilo-fuzz-input)
build="${TAVILO_FUZZ_BUILD_DIR:-build-fuzz}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
CC=clang CXX=clang++ cmake -S . -B "$build" "${generator[@]}" "${launcher[@]}" -DTAVILO_FUZZ=ON \
  -DTAVILO_BUILD_APP=OFF -DTAVILO_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
mkdir -p "$build/crashes"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  cp -n fuzz/corpus/"$target"/* "$work"/ 2>/dev/null || true
  echo "-- $target: ${seconds} s"
  # The memory limits hold the readers to their budget: a few hundred megabytes at most.
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=1024 -malloc_limit_mb=512 -max_len=65536 \
    -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 "$work" >"$build/$target.log" 2>&1 || status=$?
  grep -E "^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|peak_rss_mb)|ERROR|failed" "$build/$target.log" | head -n 20 || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$build/$target.log"
    echo "$target found a failure: see $build/crashes/"
    exit 1
  fi
done
