#!/usr/bin/env bash
# Feeds the input columns (1-13, 1-18 with --back, 1-25 with --absorb or
# --official) of a golden table to widmark-table and compares its answers
# with the recorded ones (the rest). The absorption model calls exp, which
# libraries may round differently in the last place: its figures need only
# agree to 1e-9.
# Usage: golden_table.sh <widmark-table> <table> [widmark-table's options]
set -euo pipefail
tool=$1 table=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
inputs=13
[ "${1:-}" = --back ] && inputs=18
[ "${1:-}" = --absorb ] && inputs=25
[ "${1:-}" = --official ] && inputs=25
cut -f1-$inputs "$table" | "$tool" "$@" > "$out/actual"
cut -f$((inputs + 1))- "$table" > "$out/expected"
if [ "${1:-}" = --absorb ] && ! diff -q "$out/expected" "$out/actual" > /dev/null; then
  # Field by field: hexadecimal figures within 1e-9 of each other, the rest exact.
  if python3 - "$out/expected" "$out/actual" <<'EOF'
import sys
def close(a, b):
    try:
        x, y = float.fromhex(a), float.fromhex(b)
    except ValueError:
        return a == b
    return abs(x - y) <= 1e-9 * max(abs(x), abs(y))
expected, actual = (open(p).read().splitlines() for p in sys.argv[1:])
bad = [n for n, (e, a) in enumerate(zip(expected, actual), 1)
       if len(e.split("\t")) != len(a.split("\t"))
       or not all(close(x, y) for x, y in zip(e.split("\t"), a.split("\t")))]
bad += list(range(min(len(expected), len(actual)) + 1, max(len(expected), len(actual)) + 1))
for n in bad[:10]:
    print(f"row {n}:\n- {expected[n - 1] if n <= len(expected) else ''}")
    print(f"+ {actual[n - 1] if n <= len(actual) else ''}")
sys.exit(1 if bad else 0)
EOF
  then
    echo "golden table: all $(wc -l < "$table") rows within 1e-9"
    exit 0
  fi
  echo "golden table: rows differ beyond 1e-9"
  exit 1
fi
if ! diff -u "$out/expected" "$out/actual" > "$out/diff"; then
  head -n 40 "$out/diff"
  echo "golden table: $(grep -c '^+[^+]' "$out/diff") of $(wc -l < "$table") rows differ"
  exit 1
fi
echo "golden table: all $(wc -l < "$table") rows match"
