#include "shell/batch_run.h"

#include <ostream>

#include "clipboard/csv_export.h"
#include "core/command_ids.h"
#include "core/key_table.h"
#include "macros/macro_keys.h"
#include "shell/settings_store.h"

namespace vor {
namespace {

// A clipboard's worth of numbers; a larger file is not a paste.
constexpr std::size_t kMaxPasteBytes = 16u << 20;

// A macro text as --macros prints it: backslash and quote escaped, control
// characters as \xhh, everything else as it is.
std::string quotedMacroText(const std::string& text) {
    static const char* const kHex = "0123456789abcdef";
    std::string out;
    auto hex = [&out](unsigned c) {
        out += "\\x";
        out += kHex[(c >> 4) & 0xF];
        out += kHex[c & 0xF];
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            hex(c);
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            // U+0080..U+009F, the second control block, in its UTF-8 form.
            hex(static_cast<unsigned char>(text[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// The key token of a macro entry: the label batch mode types it with.
std::string macroKeyToken(int id) {
    if (id == cmd::SelectPrevious) return "UP";
    if (id == cmd::SelectNext) return "DOWN";
    if (isRecordableKey(id)) return labelForKey(id);
    return "UNKNOWN:" + std::to_string(id);
}

// A text on one line: its line ends written as \n.
void printOneLine(std::ostream& out, const std::string& text) {
    for (char c : text) {
        if (c == '\n')
            out << "\\n";
        else
            out << c;
    }
    out << '\n';
}

}  // namespace

BatchRun::BatchRun(ProfilePort* user, std::ostream& out, std::ostream& err,
                   const PdfPrinter& printPdf)
    : m_profile(user),
      m_messages(err, true),
      m_dialogs(m_messages),
      m_app(AppPorts{m_form, m_messages, m_profile, nullptr, &m_dialogs, nullptr, {}}),
      m_out(out),
      m_printPdf(printPdf) {
    m_app.initInstance();
}

void BatchRun::keys(const std::string& list) {
    const KeyTokens split = splitKeyTokens(list);
    if (!split.error.empty()) throw UsageError{split.error};
    for (const std::string& token : split.tokens) pressKeyToken(token, *this);
}

void BatchRun::press(int commandId) {
    m_keyed = true;
    m_app.runCommand(commandId);
    m_dialogs.drop();
}

void BatchRun::set(const std::string& assignment) {
    const auto eq = assignment.find('=');
    if (eq == std::string::npos) throw UsageError{"--set needs Name=value: " + assignment};
    const std::string name = assignment.substr(0, eq);
    const std::string value = assignment.substr(eq + 1);
    const char* section = sectionOfSetting(name);
    if (section == nullptr) throw UsageError{"--set: unknown setting: " + name};
    m_profile.writeString(section, name, value);
    m_app.view().settings() = readViewSettings(m_profile);
    // Precision, rounding and Auto Decimal belong to a new tape: apply
    // them as long as nothing has been keyed yet.
    if (m_app.doc().m_lineCount == 0 && !m_keyed) m_app.onNewDocument();
}

void BatchRun::answer(const std::string& a) {
    if (a != "yes" && a != "no") throw UsageError{"--answer takes yes or no"};
    m_messages.setYes(a == "yes");
}

void BatchRun::open(const std::string& path) {
    if (!m_app.openDocument(path)) m_fileFailed = true;
}

void BatchRun::save(const std::string& path) {
    if (!m_app.saveDocument(path)) m_fileFailed = true;
}

void BatchRun::printPdf(const std::string& path) {
    std::string error;
    if (!m_printPdf(m_app, path, error)) {
        m_messages.show(error, Buttons::Ok, Icon::Exclamation);
        m_fileFailed = true;
    }
}

// Paste Numbers with a file's text standing in for the clipboard.
void BatchRun::paste(const std::string& path) {
    std::string text;
    std::string error;
    if (!m_app.files().read(path, text, error, kMaxPasteBytes)) {
        m_messages.show(path + ": " + error, Buttons::Ok, Icon::Exclamation);
        m_fileFailed = true;
        return;
    }
    m_keyed = true;
    m_app.runAsStep([this, &text] { m_app.clipboardCommands().pasteNumbers(text); });
}

// A refused or unreadable macro file is reported and the run goes on with
// the macros as they were.
void BatchRun::importMacros(const std::string& path) {
    if (!m_app.macroCommands().importMacros(path)) m_fileFailed = true;
}

void BatchRun::exportMacros(const std::string& path) {
    if (!m_app.macroCommands().exportMacros(path)) m_fileFailed = true;
}

void BatchRun::printTape() {
    for (const auto& row : m_form.rows()) m_out << row << '\n';
}

void BatchRun::printLeds() {
    m_out << "Main LED: " << m_form.mainLedText() << '\n';
    m_out << "Memory LED: " << m_form.memoryLedText() << '\n';
}

// Prints exactly what the clipboard would receive, nothing else.
void BatchRun::exportTape(const std::string& kind) {
    if (kind == "csv") {
        m_out << buildCsvExport(m_app.doc(), m_app.view().settings().europeanMode);
        return;
    }
    int id = 0;
    if (kind == "sheet") id = cmd::CopySheet;
    if (kind == "text") id = cmd::CopyText;
    if (id == 0) throw UsageError{"--export takes sheet, text or csv"};
    MemoryClipboard& clipboard = m_app.memoryClipboard();
    const int before = clipboard.sets();
    // Copy to Clipboard (WP) is offered only for a tape with lines; run its
    // work directly so an empty tape gives its message here too.
    if (id == cmd::CopyText)
        m_app.clipboardCommands().copyText();
    else
        m_app.runCommand(id);
    if (clipboard.sets() != before) m_out << clipboard.text();
}

// What Read Tape would hand the engine, one utterance a line; no audio.
void BatchRun::speakText() {
    for (const std::string& text : m_app.speech().readTapeUtterances()) printOneLine(m_out, text);
}

// One line per macro: its prompt, default value and keys by token.
void BatchRun::printMacros() {
    const CMacroStore& store = m_app.macroStore();
    for (int k = 0; k < kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        m_out << "Macro" << k << " prompt=\"" << quotedMacroText(store.m_macroPrompt[m])
              << "\" default=\"" << quotedMacroText(store.m_macroDefault[m]) << "\" keys=";
        for (int i = 0; i < store.size(k); ++i)
            m_out << (i ? " " : "") << macroKeyToken(store.entry(k, i));
        m_out << '\n';
    }
}

}  // namespace vor
