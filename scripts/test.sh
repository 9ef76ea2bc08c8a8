#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan, runs every test through CTest,
# then runs the container-file fuzzer for a minute on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/velmar-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMAR_SANITIZE=ON -DVELMAR_BENCH=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir build-asan --output-on-failure -j"$jobs"

# Fuzzing: clang with libFuzzer, only the GUI-free libraries.
if [ "${VELMAR_SKIP_FUZZ:-0}" != "1" ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
     -DVELMAR_FUZZ=ON -DVELMAR_GUI=OFF -DVELMAR_BENCH=OFF
  cmake --build build-fuzz -j"$jobs" --target fuzz_load
  bash fuzz/run.sh build-fuzz/bin/fuzz_load "${VELMAR_FUZZ_SECONDS:-60}"
fi
