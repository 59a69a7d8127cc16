#!/usr/bin/env bash
# Records the reference build's answers beside the input columns of
# tests/data/golden.tsv (or of a fresh tests/data/golden_inputs.tsv), and the
# --detail answers for the same inputs in tests/data/detail.tsv.
set -euo pipefail
tool=${1:-build/tools/widmark-table}
table=tests/data/golden.tsv
inputs=$(mktemp)
if [ -f tests/data/golden_inputs.tsv ]; then
  mv tests/data/golden_inputs.tsv "$inputs"
else
  cut -f1-13 "$table" > "$inputs"
fi
paste "$inputs" <("$tool" < "$inputs") > "$table"
paste "$inputs" <("$tool" --detail < "$inputs") > tests/data/detail.tsv
rm "$inputs"
