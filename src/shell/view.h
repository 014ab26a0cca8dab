#pragma once

#include <memory>
#include <string>

#include "core/calculator.h"
#include "core/ports.h"
#include "core/settings.h"
#include "core/vor_doc.h"
#include "macros/macro_player.h"
#include "macros/macro_store.h"
#include "shell/command_registry.h"
#include "shell/frame_port.h"
#include "tape/comments.h"
#include "tape/entry_editor.h"
#include "tape/line_removal.h"
#include "tape/recalculation.h"
#include "tape/tape_history.h"

namespace vor {

// The form view: owns the document, the settings and the calculator, and
// registers the commands of the keypad, the selectors and the settings.
class CVORView : private CalculatorHooks {
   public:
    // What the view hands up to the application: a line made the document
    // modified; a help request wants a help page ("index.html#key-plus").
    struct Handlers {
        std::function<void()> modified;
        std::function<void(const std::string& page)> openHelp;
        std::function<void()> copyTotal;
        std::function<void(const std::string&)> speakRow;
    };
    // Without a frame the frame's requests go nowhere.
    CVORView(FormPort& form, MessagePort& messages, ProfilePort& profile, DialogPort& dialogs,
             CMacroStore& macros, FramePort* frame, Handlers handlers);
    ~CVORView() override;

    CVORDoc& doc() { return m_doc; }
    const CVORDoc& doc() const { return m_doc; }
    CSettings& settings() { return m_settings; }
    const CSettings& settings() const { return m_settings; }
    CCalculator& calc() { return m_calc; }
    CRecalculator& recalc() { return m_recalc; }
    CLineRemover& remover() { return m_remover; }
    CMacroPlayer& macros() { return m_macros; }
    const CMacroPlayer& macros() const { return m_macros; }
    ProfilePort& profile() { return m_profile; }

    // Adds the view's rows to the command table.
    void registerCommands(CommandRegistry& commands);

    // A new, empty tape with precision and rounding from the profile.
    void newDocument();
    // A document read from a file takes the place of the current one.
    void openDocument(CVORDoc&& loaded);
    // The view is shown for a new or loaded document.
    void initialUpdate();
    // What each repaint does: radio buttons, layout, and the rebuild of a
    // new or loaded tape.
    void onPaint();

    // The moment around the tape as it stands, and its return: the
    // registers, what the keys left waiting (shown in the LEDs), the
    // selected row and a replay put off. The tape's history takes and
    // restores these around its steps.
    TapeMoment moment() const;
    void restoreMoment(const TapeMoment& moment);

    // Context help: the mode is entered by its command; while it is on, a
    // key asks for its help instead of being pressed. True when `id` was
    // taken for help and must not run.
    bool takenByContextHelp(int id);
    bool inContextHelp() const { return m_contextHelp; }
    void leaveContextHelpMode() override;

   private:
    // CalculatorHooks
    void recalculateAll() override;
    void addToActiveMacro(int commandId) override;
    bool activeMacroPlaying() const override { return m_macros.anyPlaying(); }
    void documentModified() override;
    void copyCurrentTotal() override;
    void speakRow(const std::string& row) override;
    bool inContextHelpMode() const override { return m_contextHelp; }
    void winHelp(unsigned data, unsigned command) override;
    void settingChanged(const char* name, int value) override;
    FramePort& frame() { return m_frame ? *m_frame : m_noFrame; }

    void registerSettings(CommandRegistry& commands);
    void registerTapeEditing(CommandRegistry& commands);
    void forgetKeyedState();
    bool hasSelection() const { return m_form.selectedRow() >= 0; }
    void toggleSetting(int id);
    void toggleAutoCommentSubtotal();
    bool askToUncheck(bool& value, const char* message);

    FormPort& m_form;
    MessagePort& m_messages;
    ProfilePort& m_profile;
    FramePort* m_frame;
    FramePort m_noFrame;
    Handlers m_handlers;
    CSettings m_settings;
    bool m_contextHelp = false;
    CVORDoc m_doc;
    CCalculator m_calc;
    CRecalculator m_recalc;
    CLineRemover m_remover;
    CEntryEditor m_entryEditor;
    CCommentEditor m_commentEditor;
    CMacroPlayer m_macros;
};

}  // namespace vor
