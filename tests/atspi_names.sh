#!/usr/bin/env bash
# The window as a screen reader meets it: on a private X server and D-Bus
# session with the AT-SPI registry, every control of the main window and of
# two dialogs must have an accessible name, and the window must carry the
# program's class name. Skips (77) when a tool is missing.
# Usage: atspi_names.sh VORLEX [DUMP_FILE]
set -euo pipefail
vorlex=$1
dump=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
# The system interpreter: pyatspi comes as a Debian package.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session xdotool xprop xwininfo xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "skipping: $tool not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "skipping: at-spi2-core not installed"; exit 77; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "skipping: python3-pyatspi not installed"; exit 77; }

if [ -z "${ATSPI_NAMES_INSIDE:-}" ]; then
  ATSPI_NAMES_INSIDE=1 exec dbus-run-session -- bash "$0" "$@"
fi

tmp=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
# The server picks a free display itself and reports it: X servers of
# tests running side by side cannot race for the same number.
Xvfb -displayfd 5 -screen 0 1280x900x24 -nolisten tcp -noreset 5>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && DISPLAY=":$(cat "$tmp/display")" xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
export DISPLAY=":$(cat "$tmp/display")"
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start:"; cat "$tmp/xvfb.log"; exit 1; }
export XDG_CONFIG_HOME=$tmp/config XDG_STATE_HOME=$tmp/state XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0 GTK_MODULES=

"$launcher" --launch-immediately >/dev/null 2>&1 & pids+=($!)
"$vorlex" >"$tmp/vorlex.log" 2>&1 & pids+=($!)

window=""
for _ in $(seq 150); do
  window=$(xwininfo -root -tree 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) ".* - VOR".*/\1/p' | head -n1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear:"; cat "$tmp/vorlex.log" "$tmp/xvfb.log"; exit 1; }

# The desktop matches the window to vorlex.desktop by its class.
class=$(xprop -id "$window" WM_CLASS)
echo "$class"
case "$class" in
  *'"vorlex", "vorlex"'*) ;;
  *) echo "unexpected window class"; exit 1 ;;
esac

status=0
"$python" "$here/atspi_names.py" "$window" "$tmp/dump.txt" || status=$?
if [ -n "$dump" ]; then
  { echo "$class"; cat "$tmp/dump.txt"; } >"$dump" 2>/dev/null || true
fi
[ "$status" = 0 ] || { echo "the program's messages:"; cat "$tmp/vorlex.log"; }
exit "$status"
