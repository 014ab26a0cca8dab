#include "shell/clipboard_commands.h"

#include "clipboard/clipboard_text.h"
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

}  // namespace vor
