#pragma once

// Marks a text of the Qt-free layers that the window shows translated: it
// expands to the text itself, and lupdate finds it as a QT_TRANSLATE_NOOP
// (translations/update.sh passes -tr-function-alias). The window looks the
// text up in `context` ("vorlex") where it shows it; batch mode and files
// always get the English text.
#define VOR_TR_NOOP(context, text) text
