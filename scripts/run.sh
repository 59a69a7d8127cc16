#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -Wno-dev > /dev/null
cmake --build build -j "$(nproc)" --target widmark
exec build/app/widmark "$@"
