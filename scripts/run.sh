#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build-app -G Ninja -DCMAKE_BUILD_TYPE=Release -DWIDMARK_TESTS=OFF -DWIDMARK_BENCH=OFF -Wno-dev > /dev/null
cmake --build build-app -j "$(nproc)" --target widmark
exec build-app/app/widmark "$@"
