#!/usr/bin/env bash
# A saved tape is detected as application/x-vorlex by the desktop's MIME
# database as the distribution ships it plus ours: by its .vor name, where
# another package claims the same glob, and by its content when the name has
# no extension. Skips (77) where shared-mime-info or gio is missing.
# Usage: mime_detect.sh VORLEX SOURCE_DIR
set -euo pipefail
vorlex="$1"
source_dir="$2"
expected=application/x-vorlex

for tool in update-mime-database gio; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool not installed"; exit 77; }
done
[ -d /usr/share/mime/packages ] || { echo "SKIP: no /usr/share/mime/packages"; exit 77; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/share/mime/packages" "$work/home" "$work/config"
cp /usr/share/mime/packages/*.xml "$work/share/mime/packages/"
cp "$source_dir/resources/vorlex-mime.xml" "$work/share/mime/packages/vorlex.xml"
# Only the database built here, never the user's own.
export XDG_DATA_DIRS="$work/share" XDG_DATA_HOME="$work/home"
update-mime-database "$work/share/mime"

XDG_CONFIG_HOME="$work/config" "$vorlex" --batch --keys "12 + 30 + Ttl" --save "$work/tape.vor" >/dev/null
cp "$work/tape.vor" "$work/tape"

failed=0
check() {
  local what="$1" file="$2" got
  got="$("${@:3}" "$file")"
  if [ "$got" = "$expected" ]; then
    echo "ok: $what: $got"
  else
    echo "FAIL: $what: $got, expected $expected"
    failed=1
  fi
}
gio_type() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
check "gio, tape.vor" "$work/tape.vor" gio_type
check "gio, tape without extension" "$work/tape" gio_type
# xdg-mime asks gio on a GNOME desktop; elsewhere it asks file(1), which
# knows no desktop database, so it is checked the GNOME way.
if command -v xdg-mime >/dev/null; then
  xdg_type() { XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$1"; }
  check "xdg-mime, tape.vor" "$work/tape.vor" xdg_type
  check "xdg-mime, tape without extension" "$work/tape" xdg_type
fi
exit "$failed"
