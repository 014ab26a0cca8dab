#include "shell/clipboard_commands.h"

#include "clipboard/clipboard_text.h"
#include "clipboard/csv_export.h"
#include "clipboard/paste_numbers.h"
#include "clipboard/sheet_export.h"
#include "clipboard/text_export.h"
#include "core/calculator.h"
#include "core/command_ids.h"
#include "shell/command_registry.h"
#include "shell/settings_store.h"

namespace vor {

void CClipboardCommands::registerCommands() {
    CommandRegistry& commands = m_p.commands;
    commands.add(cmd::CopySheet, [this] { copySheet(); });
    commands.add(
        cmd::CopyText, [this] { copyText(); },
        [this] {
            CommandState s;
            s.enabled = m_p.doc.m_lineCount > 0;
            return s;
        });
    commands.add(cmd::EditPaste, [this] { pasteNumbers(m_p.clipboard.text()); });
    commands.add(cmd::ExportTape, [this] {
        PathRequest request;
        request.save = true;
        request.filter = "CSV Files (*.csv);;Text Files (*.txt)";
        request.defaultPath =
            m_p.title.pathName().empty() ? "tape.csv" : m_p.title.pathName() + ".csv";
        if (const auto path = m_p.dialogs.askPath(request)) exportTape(*path);
    });
    commands.addToggle(
        cmd::AutoCopyTotal, [this] { toggleAutoCopy(); },
        [this] { return m_p.settings.autoCopyTotal; });
}

bool CClipboardCommands::put(const std::string& text) {
    if (m_p.clipboard.setText(text)) return true;
    m_p.messages.show(std::string(kErrorSettingClipboard));
    return false;
}

void CClipboardCommands::copyWithTitle(const std::string& text) {
    FormPort& form = m_p.form;
    const std::string title = m_p.title.currentTitle();
    form.setWaitCursor(true);
    m_p.title.setTitleText(std::string(kCopyingTitle));
    put(text);
    m_p.title.setTitleText(title);
    form.setWaitCursor(false);
}

void CClipboardCommands::copySheet() {
    const CVORDoc& doc = m_p.doc;
    if (doc.m_lineCount == 0) {
        m_p.messages.show(std::string(kNothingToCopy));
        return;
    }
    m_p.messages.show(std::string(kSheetExplanation), kSheetExplanationButtons,
                      kSheetExplanationIcon);
    copyWithTitle(buildSheetExport(doc, m_p.title.pathName()));
}

void CClipboardCommands::copyText() {
    const CVORDoc& doc = m_p.doc;
    if (doc.m_lineCount == 0) {
        m_p.messages.show(std::string(kNothingToCopy));
        return;
    }
    copyWithTitle(buildTextExport(doc, m_p.title.pathName()));
}

void CClipboardCommands::toggleAutoCopy() {
    CSettings& settings = m_p.settings;
    const BoolSetting& s = *boolSettingForCommand(cmd::AutoCopyTotal);
    m_p.title.setTitleText(autoCopyToggleTitle(m_p.title.documentTitle()));
    if (settings.autoCopyTotal) {
        settings.autoCopyTotal = false;
        writeBool(m_p.profile, s, false);
        return;
    }
    if (m_p.messages.show(std::string(kAutoCopyQuestion), Buttons::YesNo) != Answer::Yes) return;
    settings.autoCopyTotal = true;
    writeBool(m_p.profile, s, true);
    copyCurrentTotal();
}

void CClipboardCommands::copyCurrentTotal() {
    const std::string total = autoCopyText(m_p.doc, m_p.settings.europeanMode);
    m_p.title.setTitleText(autoCopyTitle(total, m_p.title.documentTitle()));
    put(total);
}

void CClipboardCommands::pasteNumbers(const std::string& text) {
    CCalculator& calc = m_p.calc;
    const PastedNumbers pasted = parsePastedNumbers(text, m_p.settings.europeanMode);
    if (pasted.numbers.size() > static_cast<std::size_t>(kAskAbove) &&
        m_p.messages.show(confirmMessage(static_cast<int>(pasted.numbers.size())),
                          Buttons::YesNo) != Answer::Yes)
        return;
    // A paste is typing: it works on the recalculated tape, as a key would.
    calc.settlePendingRecalc();
    vor::pasteNumbers(calc, pasted.numbers);
    if (pasted.skipped > 0) m_p.messages.show(skippedMessage(pasted.skipped));
}

bool CClipboardCommands::exportTape(const std::string& path) {
    const bool text = path.size() >= 4 && path.compare(path.size() - 4, 4, ".txt") == 0;
    const std::string bytes = text ? buildTextExport(m_p.doc, m_p.title.pathName())
                                   : buildCsvExport(m_p.doc, m_p.settings.europeanMode);
    std::string error;
    if (m_p.files.writeAtomic(path, bytes, error)) return true;
    m_p.messages.show("Failed to export the tape.\n" + path + ": " + error);
    return false;
}

}  // namespace vor
