#!/usr/bin/env bash
# Builds the store reader's fuzz target with clang and runs it for a while (60 s, or
# the first argument), starting from the real files in corpus/. Any crash, leak,
# timeout, or a saved file that does not read back the same fails the run. Without
# clang and its fuzzer runtime it says so and does nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
if ! command -v clang++ >/dev/null || ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, long) { return 0; }' \
     | clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
  echo "fuzz: clang++ with libFuzzer is not installed; skipped"
  exit 0
fi
build=$root/build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTREL_FUZZ=ON -DVANTREL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_store_reader
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
cd "$found"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$build/fuzz_store_reader" -max_total_time="$seconds" -timeout=10 -max_len=65536 \
  -print_final_stats=1 "$found" "$root/tests/fuzz/corpus"
