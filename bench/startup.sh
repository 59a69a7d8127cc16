#!/usr/bin/env bash
# Starts the calculator and a bare Japanese window alternately, ten times
# each on the offscreen platform, and prints medians and their ratios.
# Usage: bench/startup.sh [build dir]
set -euo pipefail
dir=${1:-build}/bench
export QT_QPA_PLATFORM=offscreen
runs=10
measure() {  # prints "milliseconds peak-kB"
  local start end peak
  start=$(date +%s%N)
  peak=$(/usr/bin/time -f '%M' "$1" 2>&1 > /dev/null | tail -n 1)
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 )) $peak"
}
form=() bare=()
for _ in $(seq $runs); do
  form+=("$(measure "$dir/startup_form1")")
  bare+=("$(measure "$dir/startup_bare")")
done
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
column() { printf '%s\n' "$@" | cut -d' ' -f"$field" | median; }
field=1; ft=$(column "${form[@]}"); bt=$(column "${bare[@]}")
field=2; fm=$(column "${form[@]}"); bm=$(column "${bare[@]}")
awk -v a="$ft" -v b="$bt" -v c="$fm" -v d="$bm" 'BEGIN {
  printf "Form1: median %.1f ms, peak %d kB\n", a / 1000, c
  printf "bare:  median %.1f ms, peak %d kB\n", b / 1000, d
  printf "ratio: time %.2fx, memory %.2fx\n", a / b, c / d }'
