#include "gui/translation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <vector>

#include "shell/command_strings.h"

namespace vor {
namespace {

constexpr const char* kContext = "vorlex";

// The messages of the Qt-free layers the window shows as they are raised:
// listed here so that lupdate files them, looked up by their whole text.
[[maybe_unused]] constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("vorlex", "Nothing to copy to clipboard!"),
    QT_TRANSLATE_NOOP("vorlex",
                      "Copying data to clipboard in spreadsheet ASCII format.  Please wait..."),
    QT_TRANSLATE_NOOP("vorlex",
                      "With this setting, VOR will automatically and regularly overwrite any "
                      "existing contents contained in the clipboard.  Continue?"),
    QT_TRANSLATE_NOOP("vorlex", "Error opening clipboard"),
    QT_TRANSLATE_NOOP("vorlex", "Error setting clipboard data"),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "The data from your tape box will be copied to the clipboard for insertion into a "
        "spreadsheet program via its paste command.  Be sure to use cell A1 as the insertion point "
        "for your paste operation.  Some spreadsheet programs, notably Microsoft Works, will "
        "require you to go in and do a global search and replacement of all instances of \"= with "
        "= (edit, replace).  This is because the data that is pasted in will be interepreted as "
        "text labels rather than as the formulas that they are.\n\nGenerally speaking, if you "
        "replace the value in a cell in your new worksheet, the bottom line total results will be "
        "automatically recalculated for you.\n\nNote:  Macros are basically ignored in the "
        "translation from tape box to spreadsheet.  In other words, editing a cell that was part "
        "of a macro definition will NOT cause further instances of that same macro definition to "
        "be modified.\n\nBefore making any changes to your spreadsheet, CAREFULLY examine the "
        "formulas that VOR sets up to make certain that the results you are getting are what you "
        "are expecting to get!"),
    QT_TRANSLATE_NOOP("vorlex", "TOO MANY LINES IN TAPE BOX"),
    QT_TRANSLATE_NOOP("vorlex",
                      "In auto decimal mode, the decimal button is ignored.  Would you like to "
                      "switch off auto decimal mode now?"),
    QT_TRANSLATE_NOOP("vorlex",
                      "You must re-enter this entire entry line since you switched out of Auto "
                      "Decimal Mode in the middle of the entry."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "In auto decimal mode, the decimal button is ignored.  This will probably cause your macro "
        "to give unexpected and possibly innacurate results!  It is highly recommended that you "
        "switch off auto decimal mode and re-run your macro."),
    QT_TRANSLATE_NOOP("vorlex", "Enter a value first, then use the Negate key."),
    QT_TRANSLATE_NOOP("vorlex",
                      "This will clear all contents from the tape box.  This operation can not be "
                      "undone.  Continue?"),
    QT_TRANSLATE_NOOP(
        "vorlex", "This key is valid only when it follows a multiplication or division operation."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "This number is too big for VOR.  VOR can only display up to 12 significant digits."),
    QT_TRANSLATE_NOOP("vorlex", "You must press a number key prior to pressing this key."),
    QT_TRANSLATE_NOOP("vorlex", "Error:  Divide by zero operations not allowed!"),
    QT_TRANSLATE_NOOP("vorlex",
                      "The \"=\" key is only to be used for obtaining the result of a "
                      "multiplication or division operation."),
    QT_TRANSLATE_NOOP("vorlex", "Recalculate tape box?"),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "Incorrect Version.  This version of VOR cannot read files created by VOR v2.0 or higher."),
    QT_TRANSLATE_NOOP("vorlex", "Unexpected file format."),
    QT_TRANSLATE_NOOP("vorlex", "Failed to open document."),
    QT_TRANSLATE_NOOP("vorlex", "Edit Macros"),
    QT_TRANSLATE_NOOP("vorlex", "Macro is too large.  Excess entries will be clipped."),
    QT_TRANSLATE_NOOP("vorlex", "Replace target macro definition with active macro?"),
    QT_TRANSLATE_NOOP("vorlex", "Can't copy same button to itself!"),
    QT_TRANSLATE_NOOP("vorlex", "Enter a Value"),
    QT_TRANSLATE_NOOP("vorlex", "User-Definable Message Prompt:"),
    QT_TRANSLATE_NOOP("vorlex", "Value:"),
    QT_TRANSLATE_NOOP("vorlex", "Please enter no more than 40 characters."),
    QT_TRANSLATE_NOOP("vorlex", "VOR Macro Files (*.mcr)"),
    QT_TRANSLATE_NOOP("vorlex", "Invalid or corrupt macro file!"),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "This version of VOR cannot read that file.  Please check for an upgrade from the author."),
    QT_TRANSLATE_NOOP("vorlex", "Enter a value in the edit control below."),
    QT_TRANSLATE_NOOP("vorlex", "Macro is too large."),
    QT_TRANSLATE_NOOP("vorlex", "Skipping recursive macro call"),
    QT_TRANSLATE_NOOP("vorlex",
                      "This macro key is empty.  Would you like to record a new macro for it now?  "
                      "(If you choose YES, click this macro button again when you are finished."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "This key is only valid during the recording of a macro.  It tells the system to insert "
        "whatever value was contained in the Main LED at the time the macro key is first played."),
    QT_TRANSLATE_NOOP("vorlex",
                      "Press a macro key to begin recording or just about any other key to cancel. "
                      " When finished, press the same macro key to end recording."),
    QT_TRANSLATE_NOOP("vorlex",
                      "This will clear all macro keys.  Operation cannot be undone.  Continue?"),
    QT_TRANSLATE_NOOP("vorlex", "Playing macro.  Please wait..."),
    QT_TRANSLATE_NOOP("vorlex", "Enter a value in the edit control below:"),
    QT_TRANSLATE_NOOP("vorlex", "VOR Files (*.vor)"),
    QT_TRANSLATE_NOOP("vorlex", "Error getting current Tape Box placement."),
    QT_TRANSLATE_NOOP("vorlex", "Nothing to read!"),
    QT_TRANSLATE_NOOP("vorlex", "The clipboard holds no text to read."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "Vorlex reads aloud with the speech engines of your Linux distribution. Install Speech "
        "Dispatcher with espeak-ng (packages speech-dispatcher, speech-dispatcher-espeak-ng and "
        "qt6-speech-speechd-plugin: about a hundred languages) or Flite (package "
        "qt6-speech-flite-plugin: English voices) with your package manager, then start Vorlex "
        "again.\n\nClick OK to read how in the help."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "No speech engine is installed, so Vorlex cannot read aloud and the Speech commands are "
        "greyed. Speech > Download a Speech Engine tells you how to install one."),
    QT_TRANSLATE_NOOP("vorlex",
                      "Warning: These auto comments will automatically and permanently overwrite "
                      "any user defined comments, including pre-existing ones.  Continue?"),
    QT_TRANSLATE_NOOP("vorlex", "Error getting current TTS Mode."),
    QT_TRANSLATE_NOOP("vorlex", "Read Text Data From Clipboard"),
    QT_TRANSLATE_NOOP("vorlex", "Select Speech Engine/Voice"),
    QT_TRANSLATE_NOOP("vorlex", "Please enter no more than 45 characters."),
    QT_TRANSLATE_NOOP("vorlex",
                      "No tape box line selected.  Use the ^ key to add a blank comment line "
                      "first, then add your comments to it."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "VOR-generated comment lines may not be edited.  Tip:  Use the ^ key to append blank lines "
        "to the tape box following VOR-generated comment lines while performing your calculations. "
        " You can then add your comments to these blank lines."),
    QT_TRANSLATE_NOOP("vorlex", "Sorry, but comments containing % and MR are reserved."),
    QT_TRANSLATE_NOOP("vorlex", "Edit Tape Box Entry"),
    QT_TRANSLATE_NOOP("vorlex", "No tape box line selected."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "You cannot edit this line since it does not contain an immediate numerical value.\nYou "
        "should instead look to edit one of the lines above this one, if possible."),
    QT_TRANSLATE_NOOP("vorlex", "No line selected!"),
    QT_TRANSLATE_NOOP("vorlex",
                      "This line cannot be deleted because it is a VOR-generated line.  This line "
                      "is dependent upon one or more lines above it in the tape box.  Deleting the "
                      "line upon which this one depends, will result in the removal of this line."),
    QT_TRANSLATE_NOOP("vorlex", "Recalulate now?"),
    QT_TRANSLATE_NOOP("vorlex",
                      "The selected line is a vor-generated line and cannot be deleted.  Try to "
                      "delete one of the lines either above or below this one."),
    QT_TRANSLATE_NOOP("vorlex", "Nothing to undo!"),
    QT_TRANSLATE_NOOP("vorlex",
                      "Low Memory Warning:  Tape Box memory pre-allocation failed.  The system "
                      "might not have enough memory to fill the tape box."),
    QT_TRANSLATE_NOOP("vorlex", "Re-calculating.  Please wait..."),
    QT_TRANSLATE_NOOP("vorlex", "Failed to save document."),
    QT_TRANSLATE_NOOP("vorlex", "Failed to open macro file."),
    QT_TRANSLATE_NOOP("vorlex", "Failed to write macro file."),
    QT_TRANSLATE_NOOP("vorlex", "Failed to export the tape."),
    QT_TRANSLATE_NOOP("vorlex", "Could not start print job."),
    QT_TRANSLATE_NOOP("vorlex",
                      "You cannot insert a blank <comment> line just above a line containing a "
                      "percent reference."),
    QT_TRANSLATE_NOOP("vorlex", "Cannot Undo vor-generated lines."),
    QT_TRANSLATE_NOOP("vorlex", "Cannot Undo."),
    QT_TRANSLATE_NOOP("vorlex",
                      "This button must follow either an intermediate multiplication/division "
                      "operation or an immediate value."),
};

// Messages composed around one name, path or number: the text before %1 and
// the text after it identify the message, whatever stands between.
constexpr const char* kTemplates[] = {
    QT_TRANSLATE_NOOP("vorlex", "Save changes to %1?"),
    QT_TRANSLATE_NOOP("vorlex", "Delete Back through %1?"),
    QT_TRANSLATE_NOOP("vorlex", "Undo  %1?"),
    QT_TRANSLATE_NOOP("vorlex", "Error switching to %1"),
    QT_TRANSLATE_NOOP("vorlex", "Paste %1 numbers onto the tape?"),
    QT_TRANSLATE_NOOP("vorlex", "%1 lines were not numbers and were skipped."),
    QT_TRANSLATE_NOOP("vorlex", "1 line was not a number and was skipped."),
    QT_TRANSLATE_NOOP("vorlex",
                      "%1\nhas been changed by another program since VOR opened or last saved "
                      "it.\n\nOverwrite it with this tape?"),
    QT_TRANSLATE_NOOP("vorlex",
                      "%1\nhas been changed by another program since the last session and cannot "
                      "be read now. The tape from the last session is shown, unsaved."),
    QT_TRANSLATE_NOOP("vorlex",
                      "The last session left unsaved changes to\n%1\nand another program has "
                      "changed that file since.\n\nKeep the unsaved tape from the last session? "
                      "Yes keeps it (a save asks before replacing the file); No opens the file as "
                      "it is now, and the unsaved changes are lost."),
    QT_TRANSLATE_NOOP("vorlex", "Tape not kept between sessions: %1"),
    QT_TRANSLATE_NOOP("vorlex",
                      "The tape cannot be kept between sessions: %1 cannot be written (%2).\n\nIf "
                      "VOR ends unexpectedly, changes not saved to a file are lost."),
    QT_TRANSLATE_NOOP("vorlex",
                      "The tape of the last session was not restored: later changes to it could "
                      "not be written to %1, so it is out of date. It was set aside as %2. VOR "
                      "starts with an empty tape."),
    // Before the one without a new name, which would take all the rest as
    // the reason.
    QT_TRANSLATE_NOOP("vorlex",
                      "The tape of the last session could not be read (%1) and was set aside as "
                      "%2. VOR starts with an empty tape."),
    QT_TRANSLATE_NOOP(
        "vorlex",
        "The tape of the last session could not be read (%1). VOR starts with an empty tape."),
    QT_TRANSLATE_NOOP("vorlex",
                      "Settings cannot be kept: %1 cannot be written (%2). Changes to the settings "
                      "last only until VOR is closed."),
    QT_TRANSLATE_NOOP("vorlex",
                      "The value \"%1\" is not a number.  Type a number such as %2 (with % for a "
                      "percentage) or MR."),
    QT_TRANSLATE_NOOP("vorlex", "Please enter an integer between %1 and %2."),
    QT_TRANSLATE_NOOP("vorlex", "%1 could not be started."),
    QT_TRANSLATE_NOOP("vorlex", "%1   Adding machine with a live paper tape   For Help, press F1"),
    // The Undo Last Line caption: "Undo" and the tape line. Last, as any
    // text starting with "Undo" matches it.
    QT_TRANSLATE_NOOP("vorlex", "Undo%1"),
    QT_TRANSLATE_NOOP(
        "vorlex", "This window's tape is not kept between sessions: %1 other windows keep theirs."),
};

QString lookUp(const QString& source) {
    const QByteArray utf8 = source.toUtf8();
    return QCoreApplication::translate(kContext, utf8.constData());
}

// A template cut at its %1, %2...: the literal pieces, the numbers in the
// order they stand, and what follows the last one.
struct Template {
    const char* pattern;
    QString english;
    QStringList pieces;
    QList<int> numbers;
    QString tail;
};

// The templates are cut once: messages and captions are looked up on
// every key press.
const std::vector<Template>& templates() {
    static const std::vector<Template> all = [] {
        static const QRegularExpression marker(QStringLiteral("%([1-3])"));
        std::vector<Template> cut;
        for (const char* pattern : kTemplates) {
            Template t{pattern, QString::fromUtf8(pattern), {}, {}, {}};
            qsizetype from = 0;
            for (auto it = marker.globalMatch(t.english); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                t.pieces << t.english.mid(from, m.capturedStart() - from);
                t.numbers << m.captured(1).toInt();
                from = m.capturedEnd();
            }
            t.tail = t.english.mid(from);
            cut.push_back(std::move(t));
        }
        return cut;
    }();
    return all;
}

// The template filled with what `text` has in place of its %1, %2...
// (each once, at most three, none empty), or a null string when `text` is
// not an instance of it. The literal pieces between them are found left to
// right, so a name holding the next piece is misread; the pieces are long
// enough for that not to happen to a path or a reason.
QString fromTemplate(const QString& text, const Template& t) {
    if (t.numbers.isEmpty()) return text == t.english ? lookUp(t.english) : QString();
    const QStringList& pieces = t.pieces;
    const QList<int>& numbers = t.numbers;
    if (!text.startsWith(pieces.first()) || !text.endsWith(t.tail)) return {};
    const qsizetype end = text.size() - t.tail.size();
    QStringList args(numbers.size());
    qsizetype at = pieces.first().size();
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const bool last = i + 1 == numbers.size();
        const qsizetype next = last ? end : text.indexOf(pieces[i + 1], at + 1);
        if (next <= at || next > end || (!last && next + pieces[i + 1].size() > end)) return {};
        if (numbers[i] > numbers.size()) return {};
        args[numbers[i] - 1] = text.mid(at, next - at);
        at = last ? end : next + pieces[i + 1].size();
    }
    const QString translated = QCoreApplication::translate(kContext, t.pattern);
    switch (args.size()) {
        case 1: return translated.arg(args[0]);
        case 2: return translated.arg(args[0], args[1]);
        default: return translated.arg(args[0], args[1], args[2]);
    }
}

// `text` in the user's language when it is a known whole text or an
// instance of a template; a null string otherwise.
QString knownText(const QString& text) {
    const QString whole = lookUp(text);
    if (whole != text) return whole;
    for (const Template& t : templates()) {
        const QString filled = fromTemplate(text, t);
        if (!filled.isNull()) return filled;
    }
    return {};
}

}  // namespace

QString uiText(std::string_view source) {
    const std::string text(source);
    return QCoreApplication::translate(kContext, text.c_str());
}

QString commandPromptText(int commandId) {
    return uiText(commandString(commandId)).section(QLatin1Char('\n'), 0, 0);
}

QString commandTipText(int commandId) {
    return uiText(commandString(commandId)).section(QLatin1Char('\n'), 1);
}

std::unique_ptr<QTranslator> ownTranslator(const QLocale& locale) {
    auto own = std::make_unique<QTranslator>();
    if (!own->load(locale, QStringLiteral("vorlex"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return nullptr;
    return own;
}

QString installTranslations() {
    std::unique_ptr<QTranslator> own = ownTranslator(QLocale::system());
    if (!own) return {};
    // Qt's dialogs (file chooser, print dialog, Yes/No) in the same
    // language, when the distribution's Qt translations are installed.
    const QString language = own->language().section(QLatin1Char('_'), 0, 0);
    own->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(own.release());
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(qt.release());
    }
    return language;
}

QString translateMessage(const std::string& text) {
    const QString source = QString::fromStdString(text);
    if (source.isEmpty()) return source;
    const QString known = knownText(source);
    if (!known.isNull()) return known;
    // A known first line with details after it: "Failed to save
    // document.\n<path>: <error>", or a message and a tip after a blank
    // line, each looked up on its own.
    const qsizetype nl = source.indexOf(QLatin1Char('\n'));
    if (nl > 0) {
        const QString first = knownText(source.left(nl));
        if (!first.isNull()) {
            qsizetype rest = nl;
            while (rest < source.size() && source[rest] == QLatin1Char('\n')) ++rest;
            return first + source.mid(nl, rest - nl) +
                   translateMessage(source.mid(rest).toStdString());
        }
    }
    return source;
}

}  // namespace vor
