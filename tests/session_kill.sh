#!/usr/bin/env bash
# Two windows started at the same moment, with typed lines, are killed with
# SIGKILL: each kept a session of its own holding every finished line, and
# one start brings both tapes back, one window each. Runs under its own
# virtual X server.
# Usage: session_kill.sh VORLEX
set -euo pipefail
vorlex=$1
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "skipping: $tool not installed"; exit 77; }
done
if [ -z "${SESSION_KILL_IN_XVFB:-}" ]; then
  SESSION_KILL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x900x24" bash "$0" "$@"
fi
tmp=$(mktemp -d)
pids=()
trap 'kill -9 "${pids[@]}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config XDG_STATE_HOME=$tmp/state XDG_RUNTIME_DIR=$tmp/run
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

windows() {  # waits for $1 windows and prints their ids
  local found=""
  for _ in $(seq 150); do
    found=$(xdotool search --onlyvisible --name " - VOR" 2>/dev/null || true)
    [ "$(printf '%s' "$found" | grep -c .)" -ge "$1" ] && { echo "$found"; return; }
    sleep 0.1
  done
  echo "expected $1 windows, found: $found" >&2
  exit 1
}
keys() { xdotool windowfocus --sync "$1"; xdotool type --window "$1" --delay 30 "$2"; }
kill_all() {
  sleep 1
  for w in $(windows 2); do pids+=("$(xdotool getwindowpid "$w")"); done
  kill -9 "${pids[@]}"
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  pids=()
}
tapes() {
  for f in "$XDG_STATE_HOME"/vorlex/session*.vor; do "$vorlex" --batch --open "$f" --tape; done
}

"$vorlex" 2>/dev/null & pids+=($!)
"$vorlex" 2>/dev/null & pids+=($!)
mapfile -t ids < <(windows 2)
keys "${ids[0]}" "12+30+7"
keys "${ids[1]}" "22+"
kill_all
rows=$(tapes | sort)
expected=$(printf '                12.00  +   \n                22.00  +   \n                30.00  +   ')
[ "$rows" = "$expected" ] || { echo "the kept tapes differ:"; echo "$rows"; exit 1; }

# One start: the window takes one tape back and opens another for the other.
"$vorlex" 2>/dev/null & pids+=($!)
for w in $(windows 2); do keys "$w" "t"; done
kill_all
totals=$(tapes | grep -c Ttl)
[ "$totals" = 2 ] && [ "$(tapes | grep -vc Ttl)" = 3 ] \
  || { echo "not both tapes came back:"; tapes; exit 1; }
echo "both windows' tapes survived the kill"
