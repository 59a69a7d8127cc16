#!/usr/bin/env bash
# Installs what is missing, builds the Debian package in build-package/ and
# prints the .deb's path as its last line. Then: sudo apt install ./<file>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh package
# Built with Debian's own hardening flags, as a Debian build would be.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
mkdir -p build-package
cmake -S . -B build-package -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
  -DWIDMARK_TESTS=OFF -DWIDMARK_BENCH=OFF > build-package/configure.log
cmake --build build-package -j "$(nproc)" > build-package/build.log
rm -rf build-package/package
(cd build-package && cpack -G DEB > cpack.log)
realpath build-package/package/*.deb
