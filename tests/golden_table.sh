#!/usr/bin/env bash
# Feeds the input columns (1-13) of a golden table to widmark-table and
# compares its answers with the recorded ones (column 14 on).
# Usage: golden_table.sh <widmark-table> <table> [widmark-table's options]
set -euo pipefail
tool=$1 table=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cut -f1-13 "$table" | "$tool" "$@" > "$out/actual"
cut -f14- "$table" > "$out/expected"
if ! diff -u "$out/expected" "$out/actual" > "$out/diff"; then
  head -n 40 "$out/diff"
  echo "golden table: $(grep -c '^+[^+]' "$out/diff") of $(wc -l < "$table") rows differ"
  exit 1
fi
echo "golden table: all $(wc -l < "$table") rows match"
