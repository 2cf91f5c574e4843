#!/usr/bin/env bash
# Installs what is missing, builds the normal and the sanitizer configuration, and runs every
# test of both through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# Address and undefined-behaviour sanitizers. Leak checking is off: Qt and fontconfig keep
# process-lifetime caches that it would report.
# Build-time programs (the package builder, the skin painter) run sanitized too.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHM_SANITIZE=ON -DHM_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
