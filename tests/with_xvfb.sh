#!/usr/bin/env bash
# Runs a command on a private X server. Xvfb picks a free display itself
# (-displayfd) and reports it, so two runs on one machine never take the
# same display; the server is ended by its PID when the command ends.
# Usage: with_xvfb.sh command [arguments...]
set -euo pipefail
dir=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2> /dev/null || true
    wait "$server" 2> /dev/null || true
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp -nolisten unix-abstract 3> "$dir/display" \
  > "$dir/xvfb.log" 2>&1 &
server=$!
read -r number < "$dir/display" || true
if [ -z "${number:-}" ]; then
  cat "$dir/xvfb.log" >&2
  echo "with_xvfb.sh: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=:$number
"$@"
