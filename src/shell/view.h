#pragma once

#include <memory>
#include <string>

#include "core/calculator.h"
#include "core/ports.h"
#include "core/settings.h"
#include "core/vor_doc.h"
#include "tape/recalculation.h"

namespace vor {

// What the view asks of the main window when a setting changes its look.
class FramePort {
   public:
    virtual ~FramePort() = default;
    virtual void applyAlwaysOnTop(bool /*on*/) {}
    virtual void applyMiddleKeys(bool /*shown*/) {}
    virtual void applyLedArrangement(bool /*swapped*/) {}
    virtual void setHintSuppression(bool /*suppressed*/) {}
    // Context help: the pointer shows the help cursor while the mode is on.
    virtual void showContextHelpCursor(bool /*on*/) {}
    virtual void openHelpTopic(unsigned /*topic*/, unsigned /*data*/) {}
};

struct CommandState {
    bool handled = false;  // the command has a handler in this build
    bool enabled = false;
    bool checked = false;
};

// The form view: owns the document, the settings and the calculator, and
// routes every command id to its handler.
class CVORView : private CalculatorHooks {
   public:
    CVORView(FormPort& form, MessagePort& messages, ProfilePort& profile);
    ~CVORView() override;

    void setFrame(FramePort* frame) { m_frame = frame; }

    CVORDoc& doc() { return m_doc; }
    CSettings& settings() { return m_settings; }
    CCalculator& calc() { return m_calc; }
    CRecalculator& recalc() { return m_recalc; }
    ProfilePort& profile() { return m_profile; }

    // A new, empty tape with precision and rounding from the profile.
    void newDocument();
    // The view is shown for a new or loaded document.
    void initialUpdate();
    // What each repaint does: radio buttons, layout, and the rebuild of a
    // new or loaded tape.
    void onPaint();

    // Runs a command; false when the id has no handler (yet).
    bool onCommand(int id);
    CommandState commandState(int id) const;

   private:
    // CalculatorHooks
    void recalculateAll() override;
    void addToActiveMacro(int commandId) override;
    void documentModified() override {}
    bool inContextHelpMode() const override { return m_contextHelp; }
    void leaveContextHelpMode() override;
    void winHelp(unsigned data, unsigned command) override;
    FramePort& frame() { return m_frame ? *m_frame : m_noFrame; }

    bool onSettingsCommand(int id);
    void toggleAutoCommentSubtotal();
    bool askToUncheck(bool& value, const char* message);

    FormPort& m_form;
    MessagePort& m_messages;
    ProfilePort& m_profile;
    FramePort* m_frame = nullptr;
    FramePort m_noFrame;
    CSettings m_settings;
    bool m_contextHelp = false;
    CVORDoc m_doc;
    CCalculator m_calc;
    CRecalculator m_recalc;
};

}  // namespace vor
