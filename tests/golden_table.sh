#!/usr/bin/env bash
# Feeds the input columns (1-13, or 1-18 with --back) of a golden table to
# widmark-table and compares its answers with the recorded ones (the rest).
# Usage: golden_table.sh <widmark-table> <table> [widmark-table's options]
set -euo pipefail
tool=$1 table=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
inputs=13
[ "${1:-}" = --back ] && inputs=18
cut -f1-$inputs "$table" | "$tool" "$@" > "$out/actual"
cut -f$((inputs + 1))- "$table" > "$out/expected"
if ! diff -u "$out/expected" "$out/actual" > "$out/diff"; then
  head -n 40 "$out/diff"
  echo "golden table: $(grep -c '^+[^+]' "$out/diff") of $(wc -l < "$table") rows differ"
  exit 1
fi
echo "golden table: all $(wc -l < "$table") rows match"
