#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

class QTranslator;

// The window's texts in the user's language. English is the source text of
// every translation; one context, "vorlex", holds the window's own texts and
// those of the Qt-free layers (marked there with VOR_TR_NOOP), so a text
// reads the same wherever it is shown.
namespace vor {

// `Tr::tr("...")` is a window text; lupdate files it under "vorlex".
class Tr {
    Q_DECLARE_TR_FUNCTIONS(vorlex)
};

// A text of a Qt-free table (command captions, hints) in the user's language.
QString uiText(std::string_view source);

// A command's status-bar prompt and its tool tip (shell/command_strings),
// translated as one "prompt\ntip" text so that the two stay a pair.
QString commandPromptText(int commandId);
QString commandTipText(int commandId);

// Loads the translation for the first of the user's languages that Vorlex
// has (LANGUAGE, LC_ALL, LC_MESSAGES, LANG through QLocale::system()), and
// Qt's own for the same language when installed, and installs both in the
// application. Returns the language loaded ("de"), empty for English.
// The window calls it once; batch mode never does.
QString installTranslations();

// The translator of Vorlex's own texts for the first of `locale`'s
// languages that has one; null for English and languages without one.
std::unique_ptr<QTranslator> ownTranslator(const QLocale& locale);

// A message of the Qt-free layers (a message box text, the status line) in
// the user's language. Whole texts are looked up first, then the templates
// of messages composed with names or numbers ("Save changes to %1?"), then
// a known first line with the rest looked up the same way (a tip) or kept
// as it is (a path, an error). A text none of them knows is shown as it is.
QString translateMessage(const std::string& text);

}  // namespace vor
