#!/usr/bin/env bash
# widmark-table's options: --help names every field; --header names the
# output's fields first; --decimal writes figures as the window shows them,
# -0 as 0, and leaves verdicts, corners and the cross-check alone.
# Usage: table_options_test.sh <widmark-table>
set -euo pipefail
tool=$1
help=$("$tool" --help)
for field in Text1 Text13 BackMeasured BackMinutes PostAmount PostStrength \
             EnteredFigure CourtMinutesToZero EnteredSakeAtMost LowestCorner HighestCorner; do
  grep -q "$field" <<< "$help" || { echo "--help does not name $field"; exit 1; }
done
defaults=$'200\t300\t70\t1\t0.7947\t0.78\t0.15\t0\t0\t15\t5\t0\t2000'
actual=$(printf '%s\t%s\t%s\t%s\n' "$defaults" 0.1 1 30 "$defaults" -0 -0 0 \
         | "$tool" --back --header --decimal)
expected=$'EnteredFigure\tEnteredVerdict\tMostFavourableFigure\tMostFavourableVerdict\tLeastFavourableFigure\tLeastFavourableVerdict\tCrossCheck\tLowestCorner\tHighestCorner
0.2125\tPunishable\t0.171739130434783\tPunishable\t0.25\tPunishable\twithin\t0.11/2300\t0.19/1900
0\tNotPunishable\t0\tNotPunishable\t0\tNotPunishable\tbelow\t0.11/1900\t0.11/1900'
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual")
  exit 1
fi
# Without --decimal the same -0 stays exact.
[ "$(printf '%s\t-0\t-0\t0\n' "$defaults" | "$tool" --back | cut -f1)" = "-0x0p+0" ]
