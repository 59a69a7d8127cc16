#!/usr/bin/env bash
# Screenshots of the real window under Xvfb (no window manager, so the
# window sits at the top left). With no arguments: docs/window.png. With
# button names (Command1 ... Command11): a shot after clicking each in turn,
# shots/<button>-<n>.png for each box it opens, answered with Enter.
# WIDMARK_BINARY=<program> photographs another build of it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${WIDMARK_SHOT_INSIDE:-}" ]; then
  scripts/deps.sh shot
  cmake -S . -B build-app -G Ninja -DCMAKE_BUILD_TYPE=Release -DWIDMARK_TESTS=OFF \
    -DWIDMARK_BENCH=OFF -Wno-dev > /dev/null
  cmake --build build-app --target widmark > /dev/null
  exec env WIDMARK_SHOT_INSIDE=1 tests/with_xvfb.sh scripts/screenshot.sh "$@"
fi

app=
trap '[ -z "$app" ] || { kill "$app" 2> /dev/null; wait "$app" 2> /dev/null; } || true' EXIT
"${WIDMARK_BINARY:-build-app/app/widmark}" > /dev/null 2>&1 &
app=$!
timeout 30 xdotool search --sync --onlyvisible --name "^Widmark法算定計算$" > /dev/null
sleep 1

# Button centres in pixels, from the design table (twips / 15).
declare -A centre=(
  [Command1]="88 300" [Command2]="228 300" [Command3]="596 656" [Command4]="596 172"
  [Command5]="36 660" [Command7]="596 204" [Command8]="580 16" [Command9]="489 616"
  [Command10]="136 616" [Command11]="594 400")

if [ $# -eq 0 ]; then
  mkdir -p docs
  import -window root -crop 641x772+0+0 docs/window.png
  echo "docs/window.png"
  exit 0
fi
mkdir -p shots
for button in "$@"; do
  read -r x y <<< "${centre[$button]}"
  xdotool mousemove "$x" "$y" click 1
  for n in 1 2; do
    sleep 1
    import -window root "shots/$button-$n.png"
    echo "shots/$button-$n.png"
    xdotool key Return
  done
done
