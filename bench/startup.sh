#!/usr/bin/env bash
# Starts the calculator and a bare Japanese window in pairs, alternating which
# goes first, until each has painted its first frame: on a private X server
# (what users run) and on the offscreen platform. Prints each platform's
# medians and their ratios.
# Usage: bench/startup.sh [build dir] [pairs, 20 by default]
set -euo pipefail
if [ -z "${WIDMARK_STARTUP_X:-}" ]; then
  exec env WIDMARK_STARTUP_X=1 "$(dirname "$0")/../tests/with_xvfb.sh" "$0" "$@"
fi
dir=${1:-build}/bench
pairs=${2:-20}
measure() {  # prints "microseconds peak-kB"
  local start end peak
  start=$(date +%s%N)
  peak=$(/usr/bin/time -f '%M' "$1" 2>&1 > /dev/null | tail -n 1)
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 )) $peak"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
column() { printf '%s\n' "$@" | cut -d' ' -f"$field" | median; }
for platform in xcb offscreen; do
  export QT_QPA_PLATFORM=$platform
  measure "$dir/startup_bare" > /dev/null  # warm the caches once
  form=() bare=()
  for i in $(seq "$pairs"); do
    if [ $((i % 2)) -eq 1 ]; then
      form+=("$(measure "$dir/startup_form1")")
      bare+=("$(measure "$dir/startup_bare")")
    else
      bare+=("$(measure "$dir/startup_bare")")
      form+=("$(measure "$dir/startup_form1")")
    fi
  done
  field=1; ft=$(column "${form[@]}"); bt=$(column "${bare[@]}")
  field=2; fm=$(column "${form[@]}"); bm=$(column "${bare[@]}")
  awk -v p="$platform" -v n="$pairs" -v a="$ft" -v b="$bt" -v c="$fm" -v d="$bm" 'BEGIN {
    printf "%-9s Form1 %.1f ms, bare %.1f ms: %.2fx (medians of %d pairs); peak %d kB vs %d kB\n",
           p, a / 1000, b / 1000, a / b, n, c, d }'
done
