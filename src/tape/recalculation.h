#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calculator.h"

namespace vor {

// One line of the tape as the replay will key it again.
struct CReplayStep {
    std::string m_valueText;
    std::string m_comment;
    int m_keyId = 0;
    bool m_afterMulDiv = false;
    bool m_isImmediate = true;
    bool m_isPercent = false;
    bool m_isMemoryRecall = false;

    bool operator==(const CReplayStep&) const = default;
};

// Lets the user change one step before the replay (the Edit Tape Box Entry
// dialog). Returns false when the line is refused or the edit cancelled.
class StepEditor {
   public:
    virtual ~StepEditor() = default;
    virtual bool editStep(std::vector<CReplayStep>& steps, int index, bool& convertedToMulDiv) = 0;
};

inline constexpr const char* kRecalcStatus = "Re-calculating.  Please wait...";

// Rebuilds the whole tape by replaying every keyed line through the same
// keys that made it, so a change to one line ripples into every total below.
class CRecalculator {
   public:
    explicit CRecalculator(CCalculator& calc) : m_calc(calc) {}

    // editIndex -1 replays the tape unchanged; otherwise the editor is asked
    // to change that step first.
    void recalculate(int editIndex = -1, StepEditor* editor = nullptr);

    // The tape has just lost a line that `before` (the step list from before
    // the change) still holds: replays it now, or marks the replay pending
    // for the next line, print or playback. Either way the replay tells
    // from `before` whether the keys' state still fits the new tape.
    void recalculateChanged(std::vector<CReplayStep> before);
    void putOffChanged(std::vector<CReplayStep> before);

    // The replay put off by the last change, with the tape the keys worked
    // on before it (empty when none waits); setting it puts that waiting
    // replay back as it was, or drops the one waiting now.
    std::optional<std::vector<CReplayStep>> pendingChange() const;
    void setPendingChange(std::optional<std::vector<CReplayStep>> before);

    // The step list of the current tape plus the closing step.
    std::vector<CReplayStep> buildSteps();

    // The replay itself: clears the calculator and the tape and keys the
    // steps again, without what recalculate() does around it (the view
    // shut, the state the keys left put back).
    void replay(std::vector<CReplayStep>& steps, bool convertedToMulDiv, int editIndex);

   private:
    void replayStep(std::vector<CReplayStep>& steps, std::size_t i, bool& convertedToMulDiv,
                    int editIndex);
    void run(int editIndex, StepEditor* editor, std::optional<std::vector<CReplayStep>> before);

    CCalculator& m_calc;
    // The tape the keys last worked on, while a replay of a changed tape is
    // pending.
    std::optional<std::vector<CReplayStep>> m_pendingBefore;
};

}  // namespace vor
