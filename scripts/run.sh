#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHM_BUILD_BENCH=OFF >/dev/null
cmake --build build --target hmquiz
exec ./build/src/app/hmquiz "$@"
