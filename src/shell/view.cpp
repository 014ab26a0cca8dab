#include "shell/view.h"

#include <utility>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/selector_buttons.h"
#include "core/tape_words.h"
#include "core/tr_noop.h"
#include "shell/help_topics.h"
#include "shell/settings_store.h"

namespace vor {

CVORView::CVORView(FormPort& form, MessagePort& messages, ProfilePort& profile, DialogPort& dialogs,
                   CMacroStore& macros, FramePort* frame, Handlers handlers)
    : m_form(form),
      m_messages(messages),
      m_profile(profile),
      m_frame(frame),
      m_handlers(std::move(handlers)),
      m_settings(readViewSettings(profile)),
      m_calc(m_doc, m_settings, form, messages, *this),
      m_recalc(m_calc),
      m_remover(m_calc, m_recalc),
      m_entryEditor(m_calc, m_recalc, dialogs),
      m_commentEditor(m_calc, profile, dialogs),
      m_macros(m_calc, macros, profile, dialogs) {
    m_doc.m_mainText = CVORDoc::zeroText(m_settings.autoDecimal);
    m_doc.m_memoryText = m_doc.m_mainText;
}

CVORView::~CVORView() = default;

void CVORView::newDocument() {
    const DocumentDefaults d = readDocumentDefaults(m_profile);
    m_settings.autoDecimal = d.autoDecimal;
    m_doc.startNewTape(d.precision, d.rounding, d.autoDecimal);
    forgetKeyedState();
}

void CVORView::openDocument(CVORDoc&& loaded) {
    m_doc = std::move(loaded);
    forgetKeyedState();
}

// What the keys of the previous tape left waiting (a % comment, the value
// of the last line, a postponed recalculation) belongs to that tape.
void CVORView::forgetKeyedState() {
    m_calc.forgetEntryState();
    m_calc.m_recalcPending = false;
}

void CVORView::initialUpdate() {
    m_calc.showDocument();
    m_calc.refreshRadioButtons();
    m_calc.refreshRoundingButtons();
    frame().applyLedArrangement(m_settings.swapLEDs);
}

void CVORView::onPaint() {
    m_calc.refreshRadioButtons();
    frame().applyMiddleKeys(m_settings.viewMiddleKeys);
    if (!m_doc.m_rebuildTape) return;
    m_form.resetRows();
    if (m_doc.m_lineCount > 0) m_recalc.recalculate(-1);
    m_doc.m_rebuildTape = false;
    m_doc.m_modified = false;
}

TapeMoment CVORView::moment() const {
    return {m_doc.registers(),        m_calc.entryState(),     m_form.selectedRow(),
            m_recalc.pendingChange(), m_settings.europeanMode, m_settings.autoCommentSubtotal};
}

void CVORView::restoreMoment(const TapeMoment& moment) {
    Registers registers = moment.registers;
    // The rows are in place: nothing is left for a paint to rebuild.
    registers.m_rebuildTape = false;
    m_doc.setRegisters(registers);
    for (const auto& [id, value] :
         {std::pair{cmd::EuropeanMode, moment.europeanMode},
          std::pair{cmd::AutoCommentSubtotal, moment.autoCommentSubtotal}}) {
        const BoolSetting& s = *boolSettingForCommand(id);
        if (m_settings.*s.member == value) continue;
        m_settings.*s.member = value;
        writeBool(m_profile, s, value);
    }
    m_calc.setEntryState(moment.entry);
    m_calc.writeDisplays();
    m_calc.refreshRadioButtons();
    m_calc.refreshRoundingButtons();
    // A replay waiting now belongs to the tape just left; the one that
    // waited then comes back with its tape.
    m_recalc.setPendingChange(moment.pendingReplay);
    if (moment.selectedRow >= 0) m_form.selectRow(moment.selectedRow);
    m_doc.m_modified = true;
    documentModified();
}

void CVORView::recalculateAll() {
    m_recalc.recalculate(-1);
}

void CVORView::addToActiveMacro(int commandId) {
    m_macros.addToActiveMacro(commandId);
}

void CVORView::documentModified() {
    if (m_handlers.modified) m_handlers.modified();
}

// The form's own settings (Auto Decimal, precision, rounding) are written
// the moment they change, like every other setting.
void CVORView::settingChanged(const char* name, int value) {
    m_profile.writeInt(kSettingsSection, name, value);
}

void CVORView::copyCurrentTotal() {
    if (m_handlers.copyTotal) m_handlers.copyTotal();
}

// A replay switches Immediate Read off, so only keyed lines arrive here;
// lines a macro prints are not read while it plays.
void CVORView::speakRow(const std::string& row) {
    if (activeMacroPlaying()) return;
    if (m_handlers.speakRow) m_handlers.speakRow(row);
}

void CVORView::leaveContextHelpMode() {
    m_contextHelp = false;
    frame().showContextHelpCursor(false);
}

// Every help request of the form ends here: the message, then the help
// page at the section about the control asked about.
void CVORView::winHelp(unsigned data, unsigned) {
    m_messages.show("CVORView::WinHelp() called");
    if (m_handlers.openHelp) m_handlers.openHelp(helpPageForData(data));
}

bool CVORView::takenByContextHelp(int id) {
    // In context help mode a click asks for the key's help instead of
    // pressing it; the 00 key handles the mode itself and then types.
    if (!m_contextHelp || id == cmd::DoubleZero || !CCalculator::isKey(id)) return false;
    leaveContextHelpMode();
    winHelp(helpId(id), 0);
    return true;
}

void CVORView::registerCommands(CommandRegistry& commands) {
    auto addKey = [this, &commands](int id) {
        if (CCalculator::isKey(id))
            commands.add(id, [this, id] {
                m_macros.keyPressed(id);
                m_calc.onKey(id);
            });
    };
    for (const KeyDesc& k : keypad()) addKey(k.id);
    for (const SelectorButton& b : precisionButtons()) addKey(b.id);
    for (const SelectorButton& b : roundingButtons()) addKey(b.id);

    commands.add(cmd::AutoDecimalCheck, [this] {
        m_calc.toggleAutoDecimal();
        m_calc.refreshRadioButtons();
    });
    commands.add(cmd::RecalculateNow, [this] { m_recalc.recalculate(-1); });
    commands.add(cmd::ContextHelp, [this] {
        m_contextHelp = true;
        frame().showContextHelpCursor(true);
    });
    registerSettings(commands);
    registerTapeEditing(commands);
}

void CVORView::registerTapeEditing(CommandRegistry& commands) {
    // The keypad's # and ^ are recordable keys: while a macro is being
    // recorded they are only stored. Del deletes at once even then (a
    // macro gets it only from Edit Macros or a macro file), since a key
    // that destroys a line must never act later than the user pressed it.
    auto addKey = [this, &commands](int id, std::function<void()> action) {
        commands.add(id, [this, id, action = std::move(action)] {
            m_macros.keyPressed(id);
            if (!m_calc.recording(id)) action();
        });
    };
    commands.add(cmd::DeleteKey, [this] {
        m_macros.keyPressed(cmd::DeleteKey);
        m_remover.deleteLine();
    });
    addKey(cmd::Pound, [this] { m_commentEditor.editComment(); });
    addKey(cmd::UpShift, [this] { m_commentEditor.insertBlankCommentLine(); });

    // Commands that work on the selected line are offered only while one is.
    auto onSelection = [this] {
        CommandState s;
        s.enabled = hasSelection();
        return s;
    };
    commands.add(cmd::DeleteLine, [this] { m_remover.deleteLine(); });
    commands.add(
        cmd::DeleteLines, [this] { m_remover.deleteLinesBackThrough(); }, onSelection);
    commands.add(
        cmd::EditTapeEntry, [this] { m_entryEditor.editTapeEntry(); }, onSelection);
    commands.add(
        cmd::EditComment, [this] { m_commentEditor.editComment(); }, onSelection);
    commands.add(cmd::InsertCommentLine, [this] { m_commentEditor.insertBlankCommentLine(); });
    commands.add(
        cmd::UndoLastLine, [this] { m_remover.undoLastLine(); },
        [this] {
            CommandState s;
            s.enabled = m_remover.canUndo();
            s.caption = m_remover.undoCaption();
            return s;
        });
}

void CVORView::registerSettings(CommandRegistry& commands) {
    for (int id = cmd::FontSize4; id <= cmd::FontSize7; ++id) {
        const int size = 4 + (id - cmd::FontSize4);
        commands.addToggle(
            id,
            [this, size] {
                m_settings.multiColumnFontPointSize = size;
                m_profile.writeInt(kSettingsSection, "Multi Column Font Point Size", size);
            },
            [this, size] { return m_settings.multiColumnFontPointSize == size; });
    }
    for (const BoolSetting& s : boolSettings()) {
        // Auto-copy is the clipboard's command; Immediate Read arrives with
        // speech.
        if (s.commandId == cmd::AutoCopyTotal || s.commandId == cmd::ReadImmediate) continue;
        const bool CSettings::*member = s.member;
        commands.addToggle(
            s.commandId, [this, id = s.commandId] { toggleSetting(id); },
            [this, member] { return m_settings.*member; });
    }
}

bool CVORView::askToUncheck(bool& value, const char* message) {
    if (value) {
        if (m_messages.show(message, Buttons::YesNo) == Answer::Yes) value = false;
    } else {
        value = true;
    }
    return value;
}

void CVORView::toggleAutoCommentSubtotal() {
    const BoolSetting& s = *boolSettingForCommand(cmd::AutoCommentSubtotal);
    if (!m_settings.autoCommentSubtotal) {
        if (m_messages.show("Warning: These auto comments will automatically and permanently "
                            "overwrite any user defined comments, including pre-existing ones.  "
                            "Continue?",
                            Buttons::YesNo) != Answer::Yes)
            return;
        m_settings.autoCommentSubtotal = true;
        writeBool(m_profile, s, true);
    } else {
        m_settings.autoCommentSubtotal = false;
        writeBool(m_profile, s, false);
        for (int i = 0; i < m_doc.m_lineCount; ++i) {
            CTapeLine& line = *m_doc.line(i);
            if (line.m_comment.find(words::kRunningSubtotal) != std::string::npos)
                line.m_comment = " ";
        }
    }
    m_recalc.recalculate(-1);
}

void CVORView::toggleSetting(int id) {
    const BoolSetting& s = *boolSettingForCommand(id);
    bool& value = m_settings.*s.member;
    switch (id) {
        case cmd::AutoDecimalMode:
            m_calc.toggleAutoDecimal();
            m_calc.refreshRadioButtons();
            return;
        case cmd::AutoCommentSubtotal: toggleAutoCommentSubtotal(); return;
        case cmd::PromptToSave:
            askToUncheck(
                value, VOR_TR_NOOP(
                           "vorlex",
                           "By unchecking this setting, you are telling VOR to not prompt you to "
                           "save your modified files upon exiting.  This will result in lost "
                           "information if you should ever forget to save your work before closing "
                           "down VOR.  Uncheck this setting?"));
            writeBool(m_profile, s, value);
            return;
        case cmd::ShowClearAllWarning:
            askToUncheck(
                value,
                VOR_TR_NOOP(
                    "vorlex",
                    "By unchecking this setting, you are telling VOR to not warn you that you "
                    "are about to clear all memory and all tape box contents.  This will "
                    "result in lost information if you should ever accidentally hit the CA "
                    "button or one of its shortcut keys because you will then no longer have "
                    "the option of aborting the operation.  Uncheck this setting?"));
            writeBool(m_profile, s, value);
            return;
        default: break;
    }
    value = !value;
    if (id == cmd::MiddleKeys) frame().setHintSuppression(!value);
    writeBool(m_profile, s, value);
    switch (id) {
        case cmd::AlwaysOnTop: frame().applyAlwaysOnTop(value); break;
        case cmd::MiddleKeys: frame().applyMiddleKeys(value); break;
        case cmd::SwapLEDs: frame().applyLedArrangement(value); break;
        case cmd::EuropeanMode:
            // The LEDs change their number style at once, even on an empty tape.
            m_calc.writeDisplays();
            m_recalc.recalculate(-1);
            break;
        default: break;
    }
}

}  // namespace vor
