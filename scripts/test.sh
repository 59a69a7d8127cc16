#!/usr/bin/env bash
# Installs what is missing, builds every variant and runs the whole suite:
#   build/        the program and all its tests (GCC, Release)
#   build-v3/     core tests with -O3 -march=x86-64-v3 (FMA available)
#   build-clang/  core tests built with clang, decimals through the C library
#                 (as in the WebAssembly build)
#   build-san/    everything but the benchmarks under AddressSanitizer +
#                 UndefinedBehaviorSanitizer: the core, and the window's widget,
#                 dialog, accessibility and print tests (Qt not instrumented)
#   build-fuzz/   the libFuzzer target, run briefly over its corpus
#   build-package/  the Debian package, checked, installed, started, removed
#   build-web/    the page (Emscripten): the golden table and the fuzz corpus
#                 through its WebAssembly, bit for bit; the page in chromium
# FUZZ_SECONDS sets how long the fuzzer runs (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

jobs=$(nproc)
failed=()
passed_total=0 failed_total=0
# Where the time goes: seconds per section, said at the end.
laps=() lap_start=0
lap() {
  laps+=("$1 $((SECONDS - lap_start)) s")
  lap_start=$SECONDS
}
lap installs

variant() {  # name, then extra cmake arguments
  local dir=$1; shift
  echo "=== $dir"
  mkdir -p "$dir"
  cmake -S . -B "$dir" -G Ninja -Wno-dev "$@" > "$dir/configure.log" 2>&1 \
    || { cat "$dir/configure.log"; failed+=("$dir"); return; }
  cmake --build "$dir" -j "$jobs" || { failed+=("$dir"); return; }
  local log=$dir/ctest.log
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure 2>&1 | tee "$log" \
    | grep -v -E '^ *(Start|[0-9]+/[0-9]+ Test) ' || true
  # "N% tests passed, F tests failed out of T"
  read -r f t < <(sed -n 's/.* \([0-9]\+\) tests failed out of \([0-9]\+\)/\1 \2/p' "$log") || true
  if [ -z "${t:-}" ] || [ "$f" -ne 0 ]; then failed+=("$dir"); fi
  passed_total=$((passed_total + ${t:-0} - ${f:-0}))
  failed_total=$((failed_total + ${f:-0}))
}

mkdir -p build
variant build -DCMAKE_BUILD_TYPE=Release
lap build
core=(-DWIDMARK_GUI=OFF -DWIDMARK_BENCH=OFF)
variant build-v3 "${core[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS="-O3 -march=x86-64-v3"
lap build-v3
variant build-clang "${core[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DWIDMARK_C_CONVERSIONS=ON
lap build-clang
variant build-san -DWIDMARK_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
lap build-san

echo "=== build-fuzz"
mkdir -p build-fuzz
if cmake -S . -B build-fuzz -G Ninja -Wno-dev "${core[@]}" -DWIDMARK_FUZZ=ON \
     -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
     -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" > build-fuzz/configure.log 2>&1 \
   && cmake --build build-fuzz -j "$jobs" --target fuzz_widmark; then
  corpus=$(mktemp -d)
  cp fuzz/corpus/* "$corpus"/
  # Crash inputs land in the build folder, never at the repository root.
  mkdir -p build-fuzz/artifacts
  build-fuzz/fuzz/fuzz_widmark -max_total_time="${FUZZ_SECONDS:-20}" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/artifacts/ "$corpus" 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|==[0-9]+==|Done' \
    || failed+=("fuzz")
  rm -rf "$corpus"
else
  cat build-fuzz/configure.log
  failed+=("build-fuzz")
fi
lap build-fuzz

check() {  # name, then a command that passes or fails as one test
  local name=$1; shift
  if "$@"; then
    passed_total=$((passed_total + 1))
  else
    failed+=("$name")
    failed_total=$((failed_total + 1))
  fi
}

echo "=== package"
package_check() {
  local deb
  deb=$(scripts/package.sh | tail -n 1) && tests/package_test.sh "$deb"
}
check package package_check
lap package

echo "=== build-web"
if site=$(scripts/web.sh build | tail -n 1); then
  table=build-web/tools/widmark-table.js
  check web-golden tests/golden_table.sh "$table" tests/data/golden.tsv
  for mode in detail amounts back absorb official; do
    check "web-$mode" tests/golden_table.sh "$table" "tests/data/$mode.tsv" "--$mode"
  done
  check web-same-bits tests/same_bits.sh build/tools/widmark-table "$table" fuzz/corpus/*
  tests/desktop_shot.sh build/app/widmark build-web/desktop.png || failed+=("desktop-shot")
  lap "build-web (build, tables, desktop shot)"
  log=build-web/browser.log
  (cd web/test && npm ci --no-audit --no-fund --loglevel=error \
     && WIDMARK_SITE=$site WIDMARK_DESKTOP_SHOT=$(realpath ../../build-web/desktop.png) \
        node --test --test-reporter=tap calculator.test.mjs phone.test.mjs reach.test.mjs morning.test.mjs) > "$log" 2>&1 || true
  grep -E '^not ok|^# (pass|fail|skipped) ' "$log" || true
  read -r p < <(sed -n 's/^# pass \([0-9]\+\)$/\1/p' "$log") || true
  read -r f < <(sed -n 's/^# fail \([0-9]\+\)$/\1/p' "$log") || true
  if [ -z "${p:-}" ] || [ "${f:-1}" -ne 0 ]; then failed+=("browser"); tail -n 40 "$log"; fi
  passed_total=$((passed_total + ${p:-0}))
  failed_total=$((failed_total + ${f:-0}))
  lap "browser tests"
else
  failed+=("build-web")
fi

echo
times=$(printf '%s; ' "${laps[@]}")
echo "Time: ${times%; }"
if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED: ${failed[*]}"
fi
echo "Total: $passed_total passed, $failed_total failed"
[ ${#failed[@]} -eq 0 ]
