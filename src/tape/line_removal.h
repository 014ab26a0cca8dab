#pragma once

#include <string>

#include "core/calculator.h"
#include "tape/recalculation.h"

namespace vor {

// Delete Line, Delete Lines (back through the selection) and Undo Last
// Line. Lines the engine generated (key id 0) are never removed directly:
// they go when the replay no longer produces them.
class CLineRemover {
   public:
    // A single deletion that leaves at least this many lines asks before
    // replaying, since a replay re-keys the whole tape.
    static constexpr int kAskToRecalculateFrom = 250;

    CLineRemover(CCalculator& calc, CRecalculator& recalc);

    // Delete Line and the Del key (the caller has already let the macro
    // recorder have its say).
    void deleteLine();
    void deleteLinesBackThrough();
    void undoLastLine();
    // Removes lines from the end until `keep` remain and replays the tape;
    // removing the whole tape is Clear All, with its warning.
    void truncateTape(int keep);

    // Undo is offered only for a last line the user keyed.
    bool canUndo() const;
    std::string undoCaption() const;

   private:
    void markModified();

    CCalculator& m_calc;
    CRecalculator& m_recalc;
};

}  // namespace vor
