#!/usr/bin/env bash
# Installs what is missing, builds the page into build-web/site/ and serves it
# at http://127.0.0.1:8080/ until stopped (Ctrl+C):
#   scripts/web.sh         build and serve
#   scripts/web.sh build   only build; the site's path is the last line
# The folder is static files: any web server or file share can serve it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh web
# This machine's node may not see Debian's node modules that Emscripten needs.
export NODE_PATH=/usr/share/nodejs
mkdir -p build-web
emcmake cmake -S . -B build-web -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
  > build-web/configure.log 2>&1 || { cat build-web/configure.log; exit 1; }
cmake --build build-web -j "$(nproc)" > build-web/build.log 2>&1 || { cat build-web/build.log; exit 1; }
site=$(realpath build-web/site)
if [ "${1:-serve}" = build ]; then
  echo "$site"
  exit 0
fi
echo "$site"
echo "Serving the calculator at http://127.0.0.1:8080/ (Ctrl+C stops)"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory "$site"
