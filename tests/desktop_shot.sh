#!/usr/bin/env bash
# Photographs the desktop window under a private Xvfb (no window manager, so
# the window's inside stands at the screen's top left), for comparing the
# page with it. Usage: desktop_shot.sh <widmark binary> <out.png>
set -euo pipefail
"$(dirname "$0")/with_xvfb.sh" bash -c '
  QT_QPA_PLATFORM=xcb "$0" > /dev/null 2>&1 &
  program=$!
  trap "kill $program 2> /dev/null; wait $program 2> /dev/null" EXIT
  timeout 30 xdotool search --sync --onlyvisible --name "^Widmark法算定計算$" > /dev/null
  sleep 1  # the first paint
  import -window root -crop 641x772+0+0 "$1"' "$(realpath "$1")" "$2"
