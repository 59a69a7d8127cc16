#!/usr/bin/env bash
# Installs the Debian 12 packages a purpose needs, and only those missing:
#   scripts/deps.sh run    build and start the calculator
#   scripts/deps.sh test   build every variant and run every test
#   scripts/deps.sh shot   take screenshots under Xvfb
#   scripts/deps.sh package  build the Debian package
#   scripts/deps.sh web    build the page (Emscripten, the font subset)
set -euo pipefail

build=(g++ cmake ninja-build qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic librsvg2-bin
       pkg-config libqrencode-dev)
package=("${build[@]}" dpkg-dev file)
check=(lintian desktop-file-utils appstream xvfb xauth xdotool)
web=(cmake ninja-build emscripten nodejs python3 python3-fonttools python3-brotli fonts-ipafont-gothic
     librsvg2-bin node-qrcode-generator)
browser=(chromium npm imagemagick zbar-tools)
test=("${build[@]}" locales clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
      cups printer-driver-cups-pdf poppler-utils
      xvfb xauth dbus at-spi2-core python3-gi gir1.2-atspi-2.0
      "${package[@]}" "${check[@]}" "${web[@]}" "${browser[@]}")
shot=("${build[@]}" xvfb xauth imagemagick xdotool)

case "${1:-run}" in
  run) wanted=("${build[@]}") ;;
  test) wanted=("${test[@]}") ;;
  shot) wanted=("${shot[@]}") ;;
  package) wanted=("${package[@]}") ;;
  web) wanted=("${web[@]}") ;;
  *) echo "usage: $0 run|test|shot|package|web" >&2; exit 2 ;;
esac

# The tests read and write numbers under a comma-decimal locale.
comma_locale() {
  [ "${1:-run}" = test ] || return 0
  locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && return 0
  echo "Generating the de_DE.UTF-8 locale"
  "${sudo[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
}

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
missing=()
for pkg in "${wanted[@]}"; do
  # npm may come with another build of Node.js, which Debian's npm would clash with.
  [ "$pkg" = npm ] && command -v npm > /dev/null && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if [ ${#missing[@]} -eq 0 ]; then
  comma_locale "${1:-run}"
  exit 0
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
comma_locale "${1:-run}"
