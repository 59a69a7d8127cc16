#!/usr/bin/env bash
# Runs a command where a screen reader would meet the program: a private X
# server (Xvfb), a private D-Bus user bus with its own accessibility bus, and
# Qt's AT-SPI bridge on. Everything started here ends with the command.
# Usage: with_atspi.sh command [arguments...]
set -euo pipefail
if [ -z "${WIDMARK_ATSPI_INSIDE:-}" ]; then
  exec env WIDMARK_ATSPI_INSIDE=1 \
    "$(dirname "$0")/with_xvfb.sh" "$0" "$@"
fi
runtime=$(mktemp -d)
bus=
launcher=
cleanup() {
  [ -n "$launcher" ] && { kill "$launcher" 2> /dev/null; wait "$launcher" 2> /dev/null; }
  [ -n "$bus" ] && kill "$bus" 2> /dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

# The user bus, on a socket in our own folder; it starts the accessibility
# registry on demand from the system's service files.
cat > "$runtime/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>widmark</type>
  <listen>unix:dir=$runtime</listen>
  <auth>EXTERNAL</auth>
  <servicedir>/usr/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
exec 3< <(dbus-daemon --config-file="$runtime/bus.conf" --nofork --print-address=1 --print-pid=1 \
            2> >(grep -v 'fd limit' >&2))
read -r address <&3
read -r bus <&3
export DBUS_SESSION_BUS_ADDRESS=$address
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
# The launcher takes its name on the bus a moment after it starts. A program
# that asks for the accessibility bus before then has the bus start a second
# launcher from the service files, and the two race for the name: wait.
for _ in $(seq 100); do
  dbus-send --bus="$DBUS_SESSION_BUS_ADDRESS" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2> /dev/null | grep -q 'boolean true' \
    && break
  sleep 0.1
done
"$@"
