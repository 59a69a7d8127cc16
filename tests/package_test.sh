#!/usr/bin/env bash
# The package as a user meets it: lintian, the desktop entry and AppStream
# validators, then (as root) installed with apt, started from its desktop
# entry's Exec line under a private Xvfb until its window shows, and removed.
# Usage: package_test.sh <widmark .deb>
set -euo pipefail
deb=$(realpath "$1")
app_id=jp.widmark.calculator
work=$(mktemp -d)
installed=0
cleanup() {
  if [ "$installed" = 1 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q widmark > "$work/purge.log" 2>&1 \
      || cat "$work/purge.log"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== lintian"
lintian --display-info --fail-on error "$deb" 2>&1 | { grep -v 'root privileges' || true; }
dpkg-deb -x "$deb" "$work/root"
echo "== desktop-file-validate"
desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop" && echo "no findings"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml"

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing the package needs root; the checks above passed"
  exit 0
fi
if dpkg-query -W -f='${Status}' widmark 2> /dev/null | grep -q 'install ok installed'; then
  echo "skipped: a widmark package is already installed here, and this test leaves it alone"
  exit 0
fi

echo "== apt install"
installed=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; exit 1; }
entry=/usr/share/applications/$app_id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuUik]//g')
echo "Exec=$exec_line"
[ "$(command -v "${exec_line%% *}")" = /usr/bin/widmark ] || { echo "Exec is not the installed program"; exit 1; }

echo "== start from the desktop entry under Xvfb"
WIDMARK_EXEC=$exec_line "$(dirname "$0")/with_xvfb.sh" bash -c '
  QT_QPA_PLATFORM=xcb $WIDMARK_EXEC > /dev/null 2>&1 &
  program=$!
  trap "kill $program 2> /dev/null; wait $program 2> /dev/null" EXIT
  timeout 30 xdotool search --sync --onlyvisible --name "^Widmark法算定計算$" > /dev/null \
    || { echo "the window did not appear"; exit 1; }
  echo "window shown"'
echo "package test: passed"
