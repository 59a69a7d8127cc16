#!/usr/bin/env bash
# widmark-table's options: --help is as recorded; --header names the output's
# fields first; --decimal writes figures as the window shows them,
# -0 as 0, and leaves verdicts, corners and the cross-check alone.
# Usage: table_options_test.sh <widmark-table>
set -euo pipefail
tool=$1
help=$("$tool" --help)
# The help as recorded (tests/data/help.txt, read through by hand): its
# field numbers, its counts and its words are what a user goes by.
diff <(echo "$help") "$(dirname "$0")/data/help.txt" || { echo "--help is not as recorded"; exit 1; }
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

# --sheet: the defence's case with its clock times and head. The link keeps
# the figures' inputs as typed (percent-encoded as the page does), never the
# head's fields; its QR code reads back as the link; clock times that
# disagree with the delay, and unknown keys, are refused.
case_line=$(printf '%s\t0.22\t0\t55\t350\t9' "$defaults")
keys=$'Site=https://example.test/widmark/\nDriveTime=21:10\nTestTime=22:05\nPostTime=21:40\nCaseName=令和8年（わ）第1号\nSubject=甲野 & <太郎>'
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '%s\n%s\n' "$case_line" "$keys" | "$tool" --sheet > "$dir/sheet.html"
link=$(grep -o 'class="link">[^<]*' "$dir/sheet.html" | sed 's/^class="link">//; s/&amp;/\&/g')
want='https://example.test/widmark/#v=1&Text1=200&Text2=300&Text3=70&Text4=1&Text5=0.7947&Text6=0.78&Text7=0.15&Text8=0&Text9=0&Text10=15&Text11=5&Text12=0&Text13=2000&BackMeasured=0.22&BackHours=0&BackMinutes=55&DriveTime=21%3A10&TestTime=22%3A05&PostAmount=350&PostStrength=9&PostTime=21%3A40&p=c'
[ "$link" = "$want" ] || { echo "sheet link: $link"; exit 1; }
grep -q '甲野 &amp; &lt;太郎&gt;' "$dir/sheet.html" || { echo "the subject is not escaped"; exit 1; }
grep -q '0時間55分（運転 21:10、運転後の飲酒 21:40、検査 22:05）' "$dir/sheet.html" \
  || { echo "the clock times are not on the sheet"; exit 1; }
grep -q '運転の後の飲酒は検査の1時間以内です' "$dir/sheet.html" \
  || { echo "the drink 25 minutes before the test has no caveat"; exit 1; }
# A figure of exactly 0 in the sheet's four decimals, as its table has it.
printf '0\t0\t70\t0\t0.7947\t0.78\t0.15\t0\t0\t15\t5\t0\t2000\n' | "$tool" --sheet \
  | grep -q '呼気1リットルあたり 0.0000 mg で' || { echo "the headline's 0 is not 0.0000"; exit 1; }
# The prosecution's stated figure is taken and checked.
printf '%s\n%s\n' "$defaults" $'OfficialR1=0.78\nOfficialBeta1=0.15\nOfficialRatio1=2000\nOfficialFigure1=0.25' \
  | "$tool" --sheet | grep -q '示された 0.25 mg と一致します' || { echo "OfficialFigure1 is not checked"; exit 1; }
# Clock times that agree with a delay of whole hours are taken.
printf '%s\t0.22\t2\t0\n%s\n' "$defaults" $'DriveTime=21:10\nTestTime=23:10' | "$tool" --sheet \
  | grep -q '2時間0分（運転 21:10、検査 23:10）' || { echo "2 h from 21:10 to 23:10 is refused"; exit 1; }
grep -o '<svg class="qr".*</svg>' "$dir/sheet.html" | sed 's|</svg>.*|</svg>|' \
  | sed 's|<svg class="qr"|<svg xmlns="http://www.w3.org/2000/svg" width="400" height="400" class="qr"|' > "$dir/qr.svg"
rsvg-convert -o "$dir/qr.png" "$dir/qr.svg"
[ "$(zbarimg -q --raw "$dir/qr.png" 2>/dev/null)" = "$want" ] || { echo "the QR code is not the link"; exit 1; }
for bad in $'DriveTime=21:10\nTestTime=22:10' $'Nope=1' $'CaseName=a\nCaseName=b' $'Purpose=z' \
           $'AbsorbFast=x' $'OfficialR1=x\nOfficialBeta1=0.11\nOfficialRatio1=2000' \
           $'DrinkStart=20:00\nDriveTime=20:30' $'DrinkingHours=x'; do
  # A line it cannot take exits 1 (2 is for its usage).
  status=0
  printf '%s\n%s\n' "$case_line" "$bad" | "$tool" --sheet > "$dir/out" || status=$?
  [ "$status" -eq 1 ] || { echo "--sheet exits $status for: $bad"; exit 1; }
  grep -q '^error' "$dir/out" || { echo "no error line for: $bad"; exit 1; }
done
# An option it does not know: the usage on standard error, exit 2.
if "$tool" --nope 2> "$dir/usage" > /dev/null; then echo "--nope was taken"; exit 1; fi
grep -q '^usage: widmark-table' "$dir/usage" || { echo "no usage for --nope"; exit 1; }
# A line of the thirteen boxes and a later test alone; the drinking time
# from its clock times; with --header the document still comes first.
printf '%s\t0.22\t0\t55\n%s\n' "$defaults" $'DrinkStart=20:00\nDrinkEnd=23:30' \
  | "$tool" --sheet --header > "$dir/short.html"
head -c 1 "$dir/short.html" | grep -q '<' || { echo "--sheet --header: $(head -1 "$dir/short.html")"; exit 1; }
grep -q '飲み始めから飲み終わりまで</th><td>3時間30分' "$dir/short.html" \
  || { echo "the drinking time is not 3時間30分"; exit 1; }
