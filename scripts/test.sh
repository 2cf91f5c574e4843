#!/usr/bin/env bash
# Installs what is missing, builds the normal configuration and a sanitizer configuration, and
# runs every test of both through CTest.
#
# The sanitizer configuration (address and undefined-behaviour sanitizers) holds the program,
# its libraries and their unit and widget tests, on the course package of the normal build; the
# tools, the benchmarks and the end-to-end scripts are built and run once, in the normal build.
# It is built while the normal build's tests run: their end-to-end scripts spend most of their
# time waiting on windows and leave the cores free. Its tests run in German, the normal build's
# in the tester's own language, so both kinds of locale are tried on every run.
# Each phase prints its wall time and the CPU time it used.
set -euo pipefail
cd "$(dirname "$0")/.."
TIMEFORMAT="   %0R s wall, %0U s user, %0S s system"

echo "== Installing what is missing"
time bash scripts/install-deps.sh

jobs=$(nproc)

echo "== Building (RelWithDebInfo)"
time {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j "$jobs"
}

# Leak checking is off: Qt and fontconfig keep process-lifetime caches that it would report.
sanitizers=(ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)

echo "== Testing the normal build, building the sanitizer configuration meanwhile"
status=0
time {
  ctest --test-dir build --output-on-failure -j "$jobs" >build/ctest.log 2>&1 &
  tests=$!
  if cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHM_SANITIZE=ON \
           -DHM_PACKAGE_FROM="$PWD/build" >/dev/null; then
    # Below the tests, whose end-to-end scripts wait for windows with time limits.
    nice -n 10 cmake --build build-asan -j "$jobs" || status=$?
  else
    status=1
  fi
  wait "$tests" || status=$?
}
cat build/ctest.log
[ "$status" -eq 0 ] || exit "$status"

echo "== Testing the sanitizer configuration (in German)"
time env "${sanitizers[@]}" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
