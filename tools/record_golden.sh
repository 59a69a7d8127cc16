#!/usr/bin/env bash
# Records the reference build's answers beside the input columns of
# tests/data/golden.tsv (or of a fresh tests/data/golden_inputs.tsv), the
# --detail and --amounts answers for the same inputs in tests/data/detail.tsv
# and amounts.tsv, and the --back answers in back.tsv: the same inputs, each
# with a measured figure and a time to the test from a fixed cycle; and the
# --absorb and --official answers in absorb.tsv and official.tsv for their
# own 25 input columns.
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
paste "$inputs" <("$tool" --amounts < "$inputs") > tests/data/amounts.tsv
back=$(mktemp)
awk -F'\t' 'BEGIN { OFS = "\t"
  split("0.1 0.25 0 0.5 0.15 1e-3 0.3 2", measured, " ")
  split("1 0 2.5 3 0 10 1 -1", hours, " ")
  split("30 45 0 15 90 0 0 30", minutes, " ") }
  { i = (NR - 1) % 8 + 1; print $0, measured[i], hours[i], minutes[i] }' "$inputs" > "$back"
paste "$back" <("$tool" --back < "$back") > tests/data/back.tsv
rm "$inputs" "$back"
absorb=$(mktemp)
cut -f1-25 tests/data/absorb.tsv > "$absorb"
paste "$absorb" <("$tool" --absorb < "$absorb") > tests/data/absorb.tsv
rm "$absorb"
official=$(mktemp)
cut -f1-25 tests/data/official.tsv > "$official"
paste "$official" <("$tool" --official < "$official") > tests/data/official.tsv
rm "$official"
