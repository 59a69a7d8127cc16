#!/usr/bin/env bash
# Runs a command where a screen reader would meet the program: a private X
# server (Xvfb), a private D-Bus user bus with its own accessibility bus, and
# Qt's AT-SPI bridge on. Everything started here ends with the command.
# Usage: with_atspi.sh command [arguments...]
set -euo pipefail
if [ -z "${WIDMARK_ATSPI_INSIDE:-}" ]; then
  exec env WIDMARK_ATSPI_INSIDE=1 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1024x900x24 -nolisten tcp" "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2> /dev/null; wait $launcher 2> /dev/null; rm -rf "$runtime"' EXIT
"$@"
