#!/usr/bin/env bash
# A window with typed lines is killed with SIGKILL; the session it kept
# must hold every finished line. Runs under its own virtual X server.
# Usage: session_kill.sh VORLEX
set -euo pipefail
vorlex=$1
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "skipping: $tool not installed"; exit 77; }
done
if [ -z "${SESSION_KILL_IN_XVFB:-}" ]; then
  SESSION_KILL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config XDG_STATE_HOME=$tmp/state XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=xcb "$vorlex" 2>/dev/null &
pid=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name " - VOR" 2>/dev/null | head -n1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "the window did not appear"; kill -9 $pid; exit 1; }
xdotool windowfocus --sync "$win"
xdotool type --delay 30 "12+30+7"
sleep 1
kill -9 $pid
wait $pid 2>/dev/null || true
session=$XDG_STATE_HOME/vorlex/session.vor
[ -f "$session" ] || { echo "no session after the kill"; exit 1; }
rows=$("$vorlex" --batch --open "$session" --tape)
expected=$(printf '                12.00  +   \n                30.00  +   ')
if [ "$rows" != "$expected" ]; then
  echo "the kept tape differs:"; echo "$rows"; exit 1
fi
echo "the tape survived the kill"
