#pragma once

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

    // The step list of the current tape plus the closing step.
    std::vector<CReplayStep> buildSteps();

   private:
    void replay(std::vector<CReplayStep>& steps, bool convertedToMulDiv, int editIndex);
    void replayStep(std::vector<CReplayStep>& steps, std::size_t i, bool& convertedToMulDiv,
                    int editIndex);

    CCalculator& m_calc;
};

}  // namespace vor
