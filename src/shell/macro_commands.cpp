#include "shell/macro_commands.h"

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/selector_buttons.h"
#include "macros/edit_macros_dialog.h"
#include "macros/macro_file.h"
#include "shell/command_registry.h"

namespace vor {

CMacroCommands::CMacroCommands(Ports ports) : m_p(ports) {
    player().setHost(this);
}

namespace {

// The controls of the form a macro entry may click: its keys (the hidden
// ones and the tape arrows included), the precision and rounding buttons
// and Auto Decimal. A macro file can hold any number, and one that names a
// menu command (Exit, Open) must not run it.
bool isFormControl(int id) {
    if (findKey(id) != nullptr || id == cmd::AutoDecimalCheck) return true;
    for (const SelectorButton& b : precisionButtons())
        if (b.id == id) return true;
    for (const SelectorButton& b : roundingButtons())
        if (b.id == id) return true;
    return false;
}

}  // namespace

// Playback clicks run straight from the table: menus and keys are brought
// up to date once, when the key that started the macro has finished.
void CMacroCommands::click(int id) {
    if (isFormControl(id)) m_p.commands.run(id);
}

std::string CMacroCommands::title() const {
    return m_p.title.currentTitle();
}

void CMacroCommands::setTitle(const std::string& title) {
    m_p.title.setTitleText(title);
}

void CMacroCommands::registerCommands() {
    CommandRegistry& commands = m_p.commands;
    CMacroPlayer& p = player();
    for (int k = 0; k < kMacroCount; ++k)
        commands.add(
            cmd::Macro0 + k, [&p, k] { p.onMacroKey(k); },
            [&p, k] {
                CommandState s;
                s.enabled = true;
                s.caption = p.keyCaption(k);
                return s;
            });
    commands.add(cmd::Variable, [&p] { p.onVariable(); });
    commands.add(
        cmd::QuickRecord, [&p] { p.onQuickRecord(); },
        [&p] {
            CommandState s;
            s.enabled = true;
            s.caption = p.quickRecordCaption();
            return s;
        });
    commands.add(
        cmd::MacroStartRecording, [&p] { p.startRecording(); },
        [&p] {
            CommandState s;
            s.enabled = !p.recording() && !p.m_macroArmed;
            return s;
        });
    commands.add(
        cmd::MacroStopRecording, [&p] { p.stopRecording(); },
        [&p] {
            CommandState s;
            s.enabled = p.recording() || p.m_macroArmed;
            return s;
        });
    commands.add(cmd::MacroClearAll, [&p] { p.clearAllMacros(); });
    commands.add(cmd::MacroEdit, [this] { editMacros(); });
    commands.add(cmd::MacroImport, [this] {
        PathRequest request;
        request.filter = kMacroFileFilter;
        if (const auto path = m_p.dialogs.askPath(request)) importMacros(*path);
    });
    commands.add(cmd::MacroExport, [this] {
        PathRequest request;
        request.save = true;
        request.filter = kMacroFileFilter;
        if (auto path = m_p.dialogs.askPath(request)) {
            // The file dialog's default extension: a name typed without one
            // gets ".mcr".
            const auto slash = path->find_last_of('/');
            const std::string name = slash == std::string::npos ? *path : path->substr(slash + 1);
            if (name.find('.') == std::string::npos) *path += ".mcr";
            exportMacros(*path);
        }
    });
}

bool CMacroCommands::importMacros(const std::string& path) {
    std::string bytes;
    std::string error;
    MessagePort& messages = m_p.messages;
    if (!m_p.files.read(path, bytes, error, kMaxMacroFileBytes)) {
        messages.show("Failed to open macro file.\n" + path + ": " + error);
        return false;
    }
    CMacroStore read = player().store();
    switch (readMacroFile(bytes, read)) {
        case MacroFileResult::Corrupt: messages.show(kCorruptMacroFile); return false;
        case MacroFileResult::NewerVersion: messages.show(kNewerMacroFile); return false;
        case MacroFileResult::Read: break;
    }
    player().finishRecording();
    player().store() = read;
    player().saveMacros();
    return true;
}

bool CMacroCommands::exportMacros(const std::string& path) {
    std::string error;
    if (!m_p.files.writeAtomic(path, writeMacroFile(player().store()), error)) {
        m_p.messages.show("Failed to write macro file.\n" + path + ": " + error);
        return false;
    }
    return true;
}

void CMacroCommands::editMacros() {
    // The dialog works on a copy of the macros as they stand, a recording
    // in progress included.
    player().finishRecording();
    CEditMacrosDlg dlg(player().store(), m_p.messages);
    if (!m_p.dialogs.run(dlg)) return;
    player().store() = dlg.m_store;
    player().saveMacros();
}

}  // namespace vor
