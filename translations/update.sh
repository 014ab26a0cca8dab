#!/usr/bin/env bash
# Brings translations/vorlex_*.ts up to date with the texts in the sources:
# the window's own (Tr::tr, QT_TRANSLATE_NOOP) and those of the Qt-free
# tables and messages, marked with VOR_TR_NOOP (core/tr_noop.h). New texts
# arrive unfinished; texts no longer in the sources are dropped. The test
# i18n.translations_complete runs the same command on a copy.
#   translations/update.sh [lupdate]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lupdate=${1:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$here/.."
"$lupdate" -silent -locations none -no-obsolete -no-ui-lines \
  -tr-function-alias QT_TRANSLATE_NOOP+=VOR_TR_NOOP \
  -extensions cpp,h src -ts "${TS_FILES:-$here/vorlex_de.ts}"
