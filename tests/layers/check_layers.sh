#!/usr/bin/env bash
# The layer check must stop a configure whose lower library includes a header of a higher one,
# and must let the same project through once the include points downwards.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_project() {  # $1: the header the low library includes
  rm -rf "$work/p" "$work/b"
  mkdir -p "$work/p/src/low" "$work/p/src/high" "$work/p/cmake"
  cp "$source_dir/cmake/HmLayers.cmake" "$work/p/cmake/"
  printf '#pragma once\nint low();\n' > "$work/p/src/low/low.h"
  printf '#include "%s"\nint low() { return 1; }\n' "$1" > "$work/p/src/low/low.cpp"
  printf '#pragma once\nint high();\n' > "$work/p/src/high/high.h"
  printf '#include "high/high.h"\n#include "low/low.h"\nint high() { return low(); }\n' \
    > "$work/p/src/high/high.cpp"
  cat > "$work/p/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(layers CXX)
include(cmake/HmLayers.cmake)
hm_library(hm_low low SOURCES src/low/low.cpp)
hm_library(hm_high high SOURCES src/high/high.cpp USES hm_low)
hm_check_layers()
CMAKE
}

make_project high/high.h
if cmake -S "$work/p" -B "$work/b" > "$work/out" 2>&1; then
  echo "FAIL: an upward include passed the configure"; exit 1
fi
grep -q 'src/low/low.cpp includes "high/high.h" but hm_low does not use high' "$work/out" || {
  echo "FAIL: the message does not name the include"; cat "$work/out"; exit 1; }

make_project low/low.h
cmake -S "$work/p" -B "$work/b" > "$work/out" 2>&1 || { echo "FAIL: a clean project was refused"; cat "$work/out"; exit 1; }
cmake --build "$work/b" > "$work/out" 2>&1 || { echo "FAIL: the clean project did not build"; cat "$work/out"; exit 1; }
echo "layers: ok"
