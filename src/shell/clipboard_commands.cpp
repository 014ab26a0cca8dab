#include "shell/clipboard_commands.h"

#include "clipboard/clipboard_text.h"
#include "clipboard/csv_export.h"
#include "clipboard/paste_numbers.h"
#include "clipboard/sheet_export.h"
#include "clipboard/text_export.h"
#include "core/command_ids.h"
#include "shell/app.h"
#include "shell/settings_store.h"

namespace vor {

CClipboardCommands::CClipboardCommands(CVORApp& app, ClipboardPort& clipboard)
    : m_app(app), m_clipboard(&clipboard) {}

void CClipboardCommands::registerCommands() {
    CommandRegistry& commands = m_app.commands();
    commands.add(cmd::CopySheet, [this] { copySheet(); });
    commands.add(
        cmd::CopyText, [this] { copyText(); },
        [this] {
            CommandState s;
            s.enabled = m_app.doc().m_lineCount > 0;
            return s;
        });
    commands.add(cmd::EditPaste, [this] { pasteNumbers(m_clipboard->text()); });
    commands.add(cmd::ExportTape, [this] {
        PathRequest request;
        request.save = true;
        request.filter = "CSV Files (*.csv);;Text Files (*.txt)";
        request.defaultPath = m_app.pathName().empty() ? "tape.csv" : m_app.pathName() + ".csv";
        if (const auto path = m_app.dialogs().askPath(request)) exportTape(*path);
    });
    commands.addToggle(
        cmd::AutoCopyTotal, [this] { toggleAutoCopy(); },
        [this] { return m_app.view().settings().autoCopyTotal; });
}

bool CClipboardCommands::put(const std::string& text) {
    if (m_clipboard->setText(text)) return true;
    m_app.messages().show(std::string(kErrorSettingClipboard));
    return false;
}

void CClipboardCommands::copyWithTitle(const std::string& text) {
    FormPort& form = m_app.form();
    const std::string title = m_app.currentTitle();
    form.setWaitCursor(true);
    m_app.setTitleText(std::string(kCopyingTitle));
    put(text);
    m_app.setTitleText(title);
    form.setWaitCursor(false);
}

void CClipboardCommands::copySheet() {
    const CVORDoc& doc = m_app.doc();
    if (doc.m_lineCount == 0) {
        m_app.messages().show(std::string(kNothingToCopy));
        return;
    }
    m_app.messages().show(std::string(kSheetExplanation), kSheetExplanationButtons,
                          kSheetExplanationIcon);
    copyWithTitle(buildSheetExport(doc, m_app.pathName()));
}

void CClipboardCommands::copyText() {
    const CVORDoc& doc = m_app.doc();
    if (doc.m_lineCount == 0) {
        m_app.messages().show(std::string(kNothingToCopy));
        return;
    }
    copyWithTitle(buildTextExport(doc, m_app.pathName()));
}

void CClipboardCommands::toggleAutoCopy() {
    CSettings& settings = m_app.view().settings();
    const BoolSetting& s = *boolSettingForCommand(cmd::AutoCopyTotal);
    m_app.setTitleText(autoCopyToggleTitle(m_app.documentTitle()));
    if (settings.autoCopyTotal) {
        settings.autoCopyTotal = false;
        writeBool(m_app.view().profile(), s, false);
        return;
    }
    if (m_app.messages().show(std::string(kAutoCopyQuestion), Buttons::YesNo) != Answer::Yes)
        return;
    settings.autoCopyTotal = true;
    writeBool(m_app.view().profile(), s, true);
    copyCurrentTotal();
}

void CClipboardCommands::copyCurrentTotal() {
    const std::string total = autoCopyText(m_app.doc(), m_app.view().settings().europeanMode);
    m_app.setTitleText(autoCopyTitle(total, m_app.documentTitle()));
    put(total);
}

void CClipboardCommands::pasteNumbers(const std::string& text) {
    CCalculator& calc = m_app.view().calc();
    const PastedNumbers pasted = parsePastedNumbers(text, m_app.view().settings().europeanMode);
    if (pasted.numbers.size() > static_cast<std::size_t>(kAskAbove) &&
        m_app.messages().show(confirmMessage(static_cast<int>(pasted.numbers.size())),
                              Buttons::YesNo) != Answer::Yes)
        return;
    // A paste is typing: it works on the recalculated tape, as a key would.
    calc.settlePendingRecalc();
    vor::pasteNumbers(calc, pasted.numbers);
    if (pasted.skipped > 0) m_app.messages().show(skippedMessage(pasted.skipped));
}

bool CClipboardCommands::exportTape(const std::string& path) {
    const bool text = path.size() >= 4 && path.compare(path.size() - 4, 4, ".txt") == 0;
    const std::string bytes =
        text ? buildTextExport(m_app.doc(), m_app.pathName())
             : buildCsvExport(m_app.doc(), m_app.view().settings().europeanMode);
    std::string error;
    if (m_app.files().writeAtomic(path, bytes, error)) return true;
    m_app.messages().show("Failed to export the tape.\n" + path + ": " + error);
    return false;
}

}  // namespace vor
