#pragma once

#include <memory>
#include <vector>

#include "core/ports.h"

class QTimer;

namespace vor {

class KeypadForm;
class StatusPane;

// The calculator's view of the keypad window: LEDs, tape box rows and
// selection, check marks, key captions and press feedback, and the
// window-wide effects (redraw, enabling, wait cursor, status text, title).
class QtFormPort : public FormPort {
   public:
    explicit QtFormPort(KeypadForm& form);
    ~QtFormPort() override;

    // The status bar pane that statusText/setStatusText read and write.
    void setStatusPane(StatusPane* pane) { m_pane = pane; }

    std::string mainLedText() const override;
    std::string memoryLedText() const override;
    void setLedTexts(const std::string& main, const std::string& memory) override;

    void addRow(const std::string& row) override;
    void insertRow(int index, const std::string& row) override;
    void deleteRow(int index) override;
    void replaceRow(int index, const std::string& row) override;
    void resetRows() override;
    int rowCount() const override;
    std::string rowText(int index) const override;
    int selectedRow() const override;
    bool selectRow(int index) override;
    bool reserveRows(int count) override;

    void setChecked(int controlId, bool checked) override;
    void setKeyCaption(int keyId, const std::string& caption) override;
    void setKeyPressed(int keyId, bool pressed) override;

    void setRedraw(bool on) override;
    void setEnabled(bool on) override;
    void setWaitCursor(bool on) override;
    std::string statusText() const override;
    void setStatusText(const std::string& text) override;
    void setTitle(const std::string& title) override;

   private:
    void applySelection(int index);
    void showLeds(const std::string& main, const std::string& memory);
    void flushSelection();
    // Whether the window is on screen to show anything: before its first
    // paint (the rebuild of a tape opened at start) a wait cursor or a
    // please-wait text could not be seen and would only delay that paint.
    bool onScreen() const;

    KeypadForm& m_form;
    StatusPane* m_pane = nullptr;
    bool m_redraw = true;
    // While drawing is off (a replay), the selection is only remembered:
    // selecting a row makes the list lay out every row again, and doing
    // that for each appended line would make a replay quadratic.
    int m_deferredSelection = -1;
    bool m_deferredLeds = false;
    std::string m_deferredMain;
    std::string m_deferredMemory;
    // One entry per wait cursor asked for and not yet taken back: whether
    // it was really set, so that one skipped before the window was shown is
    // not taken back from one set later.
    std::vector<bool> m_waitCursors;
    // A replay shuts the form and opens it again before the event loop
    // runs. Disabling and enabling every key in between would only make
    // the whole window repaint, so the form is shut when the event loop
    // runs first (a message box during a replay), and not at all when it
    // is opened again before that.
    std::unique_ptr<QTimer> m_pendingDisable;
};

}  // namespace vor
