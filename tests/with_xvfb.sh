#!/usr/bin/env bash
# Runs a command on a private X server. Xvfb picks a free display itself
# (-displayfd) and reports it, so two runs on one machine never take the
# same display; the server is ended by its PID when the command ends. A
# server that cannot be reached once it has reported (a display freed by
# another run at that very moment) is replaced by a new one.
# Usage: with_xvfb.sh command [arguments...]
set -euo pipefail
dir=$(mktemp -d)
server=
stop_server() {
  if [ -n "$server" ]; then
    kill "$server" 2> /dev/null || true
    wait "$server" 2> /dev/null || true
    server=
  fi
}
trap 'stop_server; rm -rf "$dir"' EXIT
number=
for attempt in 1 2 3; do
  rm -f "$dir/display"
  mkfifo "$dir/display"
  # -noreset: by default the server resets when its last client leaves (the
  # check below, or the accessibility bus launcher), refusing anyone who
  # connects meanwhile.
  Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp -noreset 3> "$dir/display" \
    > "$dir/xvfb.log" 2>&1 &
  server=$!
  number=
  read -r number < "$dir/display" || true
  if [ -n "$number" ] && DISPLAY=:$number xdotool getdisplaygeometry > /dev/null 2>&1; then
    break
  fi
  stop_server
  number=
done
if [ -z "$number" ]; then
  cat "$dir/xvfb.log" >&2
  echo "with_xvfb.sh: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=:$number
"$@"
