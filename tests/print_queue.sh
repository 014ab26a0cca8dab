#!/usr/bin/env bash
# Runs the print dialog tests against a print queue: a CUPS server of the
# test's own (its own folder and socket, never the system's), with one
# queue that leads nowhere and is the default. Qt's print dialog behaves
# differently once a queue exists. Skips (77) without cupsd and lpadmin,
# or when the server does not come up.
# Usage: print_queue.sh GUI_TEST_BINARY
set -u
tests="$1"

cupsd_bin="$(command -v cupsd || echo /usr/sbin/cupsd)"
if [ ! -x "$cupsd_bin" ] || ! command -v lpadmin >/dev/null; then
  echo "SKIP: cupsd and lpadmin are needed (Debian: cups-daemon cups-client)"
  exit 77
fi

work="$(mktemp -d)"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{conf,spool/tmp,cache,state,log}
cat >"$work/conf/cupsd.conf" <<EOF
Listen $work/cups.sock
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
EOF
cat >"$work/conf/cups-files.conf" <<EOF
ServerRoot $work/conf
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
EOF

"$cupsd_bin" -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
pid=$!
export CUPS_SERVER="$work/cups.sock"
for _ in $(seq 50); do
  [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
if ! lpadmin -p vorlex-queue -E -v ipp://127.0.0.1:9/ipp/print -m raw 2>/dev/null \
    || ! lpadmin -d vorlex-queue 2>/dev/null; then
  echo "SKIP: the test's own CUPS server did not come up"
  cat "$work/log/error_log" 2>/dev/null | tail -n 5
  exit 77
fi

# Per-user CUPS settings must not choose another default.
export HOME="$work"
QT_QPA_PLATFORM=offscreen "$tests" --gtest_filter='TapePrinterTest.PrintDialog*'
