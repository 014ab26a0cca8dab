#include "shell/batch.h"

#include <algorithm>
#include <deque>
#include <ostream>

#include "clipboard/csv_export.h"
#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/key_tokens.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "core/selector_buttons.h"
#include "macros/enter_value_dialog.h"
#include "macros/macro_keys.h"
#include "shell/app.h"
#include "shell/command_registry.h"
#include "shell/settings_store.h"
#include "tape/comment_dialog.h"
#include "tape/edit_entry_dialog.h"

namespace vor {
namespace {

// Messages go to standard error on one line each; questions get the answer
// chosen on the command line.
class ConsoleMessages : public MessagePort {
   public:
    ConsoleMessages(std::ostream& err, bool yes) : m_err(err), m_yes(yes) {}
    Answer show(const std::string& text, Buttons buttons, Icon) override {
        std::string line;
        for (char c : text) line += (c == '\n') ? std::string("\\n") : std::string(1, c);
        m_err << "VOR: " << line << '\n';
        switch (buttons) {
            case Buttons::YesNo:
            case Buttons::YesNoCancel: return m_yes ? Answer::Yes : Answer::No;
            case Buttons::OkCancel: return m_yes ? Answer::Ok : Answer::Cancel;
            default: return Answer::Ok;
        }
    }
    void setYes(bool yes) { m_yes = yes; }

   private:
    std::ostream& m_err;
    bool m_yes;
};

// Batch mode fills dialogs from the key list: COMMENT= and EDIT= queue the
// answer for the dialog their command opens; a dialog without an answer is
// cancelled. A refusal of the dialog itself (a comment too long) is shown
// like any message and the dialog counts as cancelled.
class ScriptedDialogs : public DialogPort {
   public:
    struct Fill {
        std::string value;
        std::string key;  // EDIT only: the label to choose in the key list
    };
    explicit ScriptedDialogs(MessagePort& messages) : m_messages(messages) {}
    void queue(Fill fill) { m_fill = std::move(fill); }
    // Answers for Enter a Value, in the order the prompts come; nothing
    // stands for OK on the preset default.
    void queueValue(std::optional<std::string> value) { m_values.push_back(std::move(value)); }
    // An answer no dialog asked for does not wait for the next one.
    void drop() {
        m_fill.reset();
        m_values.clear();
    }

    bool run(DialogModel& model) override {
        if (auto* value = dynamic_cast<CEnterValueDlg*>(&model)) return enterValue(*value);
        if (!m_fill) return false;
        const Fill fill = std::move(*m_fill);
        m_fill.reset();
        std::string refusal;
        if (auto* comment = dynamic_cast<CCommentDlg*>(&model)) {
            comment->open();
            comment->m_commentText = fill.value;
            refusal = comment->onOK();
        } else if (auto* edit = dynamic_cast<CEditEntryDlg*>(&model)) {
            edit->m_valueText = fill.value;
            const auto& list = edit->m_keyList;
            if (const auto it = std::find(list.begin(), list.end(), fill.key); it != list.end())
                edit->m_keySelection = static_cast<int>(it - list.begin());
            refusal = edit->onOK();
        } else {
            return false;
        }
        if (refusal.empty()) return true;
        m_messages.show(refusal);
        return false;
    }
    std::optional<std::string> askPath(const PathRequest&) override { return std::nullopt; }

   private:
    bool enterValue(CEnterValueDlg& dlg) {
        if (m_values.empty()) return false;
        const std::optional<std::string> value = std::move(m_values.front());
        m_values.pop_front();
        if (value) dlg.m_valueText = *value;
        const std::string refusal = dlg.onOK();
        if (refusal.empty()) return true;
        m_messages.show(refusal);
        return false;
    }

    MessagePort& m_messages;
    std::optional<Fill> m_fill;
    std::deque<std::optional<std::string>> m_values;
};

// The key labels Edit Tape Box Entry may offer in its key list.
bool isEditKeyLabel(const std::string& label) {
    for (const char* k : {"+", "-", "X", "/", "=", "Ttl", "Sub", "M+=", "M-=", "MST", "MT", "MUD"})
        if (label == k) return true;
    return false;
}

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

// A clipboard's worth of numbers; a larger file is not a paste.
constexpr std::size_t kMaxPasteBytes = 16u << 20;

struct UsageError {
    std::string text;
};

// The command a selector token names ("PREC=2", "ROUND=UP"), 0 when none.
int selectorCommand(const std::string& token) {
    auto find = [&token](const std::string& prefix, auto buttons) {
        if (token.rfind(prefix, 0) != 0) return 0;
        for (const SelectorButton& b : buttons)
            if (token.substr(prefix.size()) == b.name) return b.id;
        return 0;
    };
    if (const int id = find("PREC=", precisionButtons())) return id;
    return find("ROUND=", roundingButtons());
}

class BatchRun {
   public:
    BatchRun(ProfilePort* user, std::ostream& out, std::ostream& err)
        : m_profile(user),
          m_messages(err, true),
          m_dialogs(m_messages),
          m_app(AppPorts{m_form, m_messages, m_profile, nullptr, &m_dialogs, nullptr, {}}),
          m_out(out) {
        m_app.initInstance();
    }

    void keys(const std::string& list) {
        const KeyTokens split = splitKeyTokens(list);
        if (!split.error.empty()) throw UsageError{split.error};
        for (const std::string& token : split.tokens) key(token);
    }

    void set(const std::string& assignment) {
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

    void answer(const std::string& a) {
        if (a != "yes" && a != "no") throw UsageError{"--answer takes yes or no"};
        m_messages.setYes(a == "yes");
    }

    void printTape() {
        for (const auto& row : m_form.rows()) m_out << row << '\n';
    }

    // A file that cannot be read or written is reported and the run goes
    // on with the tape as it was; the exit status says it at the end.
    void open(const std::string& path) {
        if (!m_app.openDocument(path)) m_fileFailed = true;
    }
    void save(const std::string& path) {
        if (!m_app.saveDocument(path)) m_fileFailed = true;
    }
    void printPdf(const PdfPrinter& printer, const std::string& path) {
        std::string error;
        if (!printer(m_app, path, error)) {
            m_messages.show(error, Buttons::Ok, Icon::Exclamation);
            m_fileFailed = true;
        }
    }
    bool fileFailed() const { return m_fileFailed; }

    // Paste Numbers with a file's text standing in for the clipboard.
    void paste(const std::string& path) {
        std::string text;
        std::string error;
        if (!m_app.files().read(path, text, error, kMaxPasteBytes)) {
            m_messages.show(path + ": " + error, Buttons::Ok, Icon::Exclamation);
            m_fileFailed = true;
            return;
        }
        m_keyed = true;
        m_app.clipboardCommands().pasteNumbers(text);
    }

    // Prints exactly what the clipboard would receive, nothing else.
    void exportTape(const std::string& kind) {
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
        // Copy to Clipboard (WP) is offered only for a tape with lines; run
        // its work directly so an empty tape gives its message here too.
        if (id == cmd::CopyText)
            m_app.clipboardCommands().copyText();
        else
            m_app.runCommand(id);
        if (clipboard.sets() != before) m_out << clipboard.text();
    }

    // What Read Tape would hand the engine, one utterance a line; no audio.
    void speakText() {
        for (const std::string& text : m_app.speech().readTapeUtterances()) {
            for (char c : text) {
                if (c == '\n')
                    m_out << "\\n";
                else
                    m_out << c;
            }
            m_out << '\n';
        }
    }

    // A refused or unreadable macro file is reported and the run goes on
    // with the macros as they were.
    void importMacros(const std::string& path) {
        if (!m_app.macroCommands().importMacros(path)) m_fileFailed = true;
    }
    void exportMacros(const std::string& path) {
        if (!m_app.macroCommands().exportMacros(path)) m_fileFailed = true;
    }

    // One line per macro: its prompt, default value and keys by token.
    void printMacros() {
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

    void printLeds() {
        m_out << "Main LED: " << m_form.mainLedText() << '\n';
        m_out << "Memory LED: " << m_form.memoryLedText() << '\n';
    }

   private:
    void command(int id) {
        m_keyed = true;
        m_app.runCommand(id);
        m_dialogs.drop();
    }

    // SEL=N selects tape row N (1 is the top row), SEL=LAST the last one; a
    // row that does not exist leaves the selection as it is.
    void select(const std::string& row) {
        if (row == "LAST") {
            m_form.selectRow(m_form.rowCount() - 1);
            return;
        }
        if (row.empty() || row.size() > 9 || !isNumberToken(row) ||
            row.find('.') != std::string::npos)
            throw UsageError{"SEL takes a row number or LAST: " + row};
        m_form.selectRow(std::stoi(row) - 1);
    }

    void key(const std::string& token) {
        if (const auto id = keyIdForLabel(token)) return command(*id);
        if (isNumberToken(token)) {
            for (char c : token) command(*keyIdForLabel(std::string(1, c)));
            return;
        }
        if (isMalformedNumber(token)) throw UsageError{"malformed number: " + token};
        if (token == "RECALC") return command(cmd::RecalculateNow);
        if (token == "AUTODEC") return command(cmd::AutoDecimalMode);
        if (token == "EURO") return command(cmd::EuropeanMode);
        if (const int id = selectorCommand(token)) return command(id);
        if (token.rfind("SEL=", 0) == 0) return select(token.substr(4));
        if (token == "DELBACK") return command(cmd::DeleteLines);
        if (token == "UNDO") return command(cmd::UndoLastLine);
        if (token == "ACS") return command(cmd::AutoCommentSubtotal);
        if (token == "RECORD") return command(cmd::MacroStartRecording);
        if (token == "STOP") return command(cmd::MacroStopRecording);
        if (token == "CLEARMACROS") return command(cmd::MacroClearAll);
        if (token == "VALUE") return m_dialogs.queueValue(std::nullopt);
        if (token.rfind("VALUE=", 0) == 0) return m_dialogs.queueValue(token.substr(6));
        if (token.rfind("COMMENT=", 0) == 0) {
            m_dialogs.queue({token.substr(8), {}});
            return command(cmd::Pound);
        }
        if (token.rfind("EDIT=", 0) == 0) {
            // "EDIT=1,234.5" is a value: the text after the last comma is a
            // key only when it names one the key list can offer.
            std::string value = token.substr(5);
            std::string key;
            const auto comma = value.rfind(',');
            if (comma != std::string::npos && isEditKeyLabel(value.substr(comma + 1))) {
                key = value.substr(comma + 1);
                value.erase(comma);
            }
            m_dialogs.queue({value, key});
            return command(cmd::EditTapeEntry);
        }
        throw UsageError{"unknown key: " + token};
    }

    OverlayProfile m_profile;
    MemoryForm m_form;
    ConsoleMessages m_messages;
    ScriptedDialogs m_dialogs;
    CVORApp m_app;
    std::ostream& m_out;
    bool m_keyed = false;
    bool m_fileFailed = false;
};

}  // namespace

void printBatchUsage(std::ostream& out) {
    out << "usage: vorlex [FILE]          open the window\n"
           "       vorlex --batch [options]\n"
           "       vorlex --version       print the version\n"
           "  --keys \"K K ...\"   press keys: 0-9 00 . + - X / = % Ttl Sub M+= M-= MST MT MR\n"
           "                     MUD Neg <- C CA ^ # Del V QR Macro0-3 UP DOWN, numbers such\n"
           "                     as 12.5, and RECALC PREC=F|0..5 ROUND=UP|OFF|DOWN AUTODEC EURO\n"
           "                     SEL=N|LAST COMMENT=text EDIT=value[,KEY] DELBACK UNDO ACS\n"
           "                     RECORD STOP CLEARMACROS VALUE=x VALUE;\n"
           "                     a token with blanks is written in double quotes\n"
           "  --set \"Name=value\" change a setting for this run only\n"
           "  --answer yes|no    how questions are answered (default yes)\n"
           "  --tape             print the tape box rows (the default output)\n"
           "  --leds             print the Main LED and the Memory LED\n"
           "  --open FILE        open a .vor file (File Open)\n"
           "  --save FILE        save the tape as a .vor file (File Save As)\n"
           "  --print-pdf FILE   print the tape to a PDF file\n"
           "  --export sheet|text|csv  print what Copy to Clipboard would copy, or the CSV\n"
           "  --paste FILE       Paste Numbers with FILE's text as the clipboard\n"
           "  --speak-text       print the text Read Tape would speak\n"
           "  --import-macros FILE, --export-macros FILE  read or write a .mcr macro file\n"
           "  --macros           print the four macros\n"
           "  --version          print the version\n"
           "  --help             print this text\n";
}

void printVersion(std::ostream& out) {
    out << "vorlex " << VORLEX_VERSION << '\n';
}

int runBatch(const std::vector<std::string>& args, ProfilePort* userProfile, std::ostream& out,
             std::ostream& err, const PdfPrinter& printPdf) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            printBatchUsage(out);
            return 0;
        }
        if (arg == "--version") {
            printVersion(out);
            return 0;
        }
    }
    try {
        BatchRun run(userProfile, out, err);
        bool printed = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& opt = args[i];
            auto value = [&]() -> const std::string& {
                if (i + 1 >= args.size()) throw UsageError{opt + " needs a value"};
                return args[++i];
            };
            if (opt == "--keys")
                run.keys(value());
            else if (opt == "--set")
                run.set(value());
            else if (opt == "--answer")
                run.answer(value());
            else if (opt == "--tape")
                run.printTape(), printed = true;
            else if (opt == "--leds")
                run.printLeds(), printed = true;
            else if (opt == "--open")
                run.open(value());
            else if (opt == "--save")
                run.save(value());
            else if (opt == "--print-pdf" && printPdf)
                run.printPdf(printPdf, value());
            else if (opt == "--paste")
                run.paste(value());
            else if (opt == "--export")
                run.exportTape(value()), printed = true;
            else if (opt == "--import-macros")
                run.importMacros(value());
            else if (opt == "--export-macros")
                run.exportMacros(value());
            else if (opt == "--macros")
                run.printMacros(), printed = true;
            else if (opt == "--speak-text")
                run.speakText(), printed = true;
            else if (opt == "--print-pdf")
                throw UsageError{"--print-pdf needs the build with a window"};
            else
                throw UsageError{"unknown option: " + opt};
        }
        if (!printed) run.printTape();
        return run.fileFailed() ? 1 : 0;
    } catch (const UsageError& e) {
        err << "vorlex: " << e.text << '\n';
        return 2;
    }
}

}  // namespace vor
