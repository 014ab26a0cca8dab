#pragma once

#include <string>
#include <vector>

#include "core/calculator.h"
#include "core/ports.h"
#include "tape/edit_entry_dialog.h"
#include "tape/recalculation.h"

namespace vor {

// Edit Tape Box Entry: the command, and the edit of one replay step that
// the recalculation asks for before it replays the tape.
class CEntryEditor : public StepEditor {
   public:
    CEntryEditor(CCalculator& calc, CRecalculator& recalc, DialogPort& dialogs);

    // The command: edits the selected line and replays the tape.
    void editTapeEntry();

    // Refuses a computed line, shows the dialog (the port's run() returns
    // true only once the model's onOK() accepted) and applies its result.
    bool editStep(std::vector<CReplayStep>& steps, int index, bool& convertedToMulDiv) override;

    // Puts the dialog's result into the step.
    static void applyResult(const CEditEntryDlg& dlg, CReplayStep& step, bool& convertedToMulDiv);
    // A comment as a line stores it: " ;" in front, a bare " ;" blank
    // dropped, at most 47 characters.
    static std::string normaliseComment(std::string comment);

    static constexpr std::size_t kMaxStoredComment = 47;

   private:
    // Runs the dialog with the view opened for the user meanwhile.
    bool runDialog(CEditEntryDlg& dlg);
    // The tax line of TAX+ or TAX- is edited as its rate: the lines the key
    // printed are figured again at the new one.
    bool editTaxRate(CReplayStep& step);
    CCalculator& m_calc;
    CRecalculator& m_recalc;
    DialogPort& m_dialogs;
    // The status text from before the recalculation, shown again while the
    // dialog is open.
    std::string m_statusBefore;
};

}  // namespace vor
