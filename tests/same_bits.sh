#!/usr/bin/env bash
# Two builds of widmark-table (say the desktop's and the WebAssembly one)
# must give the same bytes for the same input lines: the fuzz corpus, every
# file a batch of lines. Usage: same_bits.sh <tool> <other tool> <files...>
set -euo pipefail
one=$1 other=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cat "$@" > "$out/input"
"$one" < "$out/input" > "$out/one"
"$other" < "$out/input" > "$out/other"
if ! cmp -s "$out/one" "$out/other"; then
  diff "$out/one" "$out/other" | head -n 20
  echo "same bits: the two builds differ"
  exit 1
fi
echo "same bits: $(wc -l < "$out/one") lines from $# files alike"
