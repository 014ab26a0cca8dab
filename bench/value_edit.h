#pragma once

#include <string>
#include <vector>

#include "tape/recalculation.h"

namespace vor::bench {

// Changes the value of one step, as the Edit Tape Box Entry dialog does,
// alternating between two figures so every run really changes the tape.
class ValueEdit : public StepEditor {
   public:
    bool editStep(std::vector<CReplayStep>& steps, int index, bool&) override {
        m_flip = !m_flip;
        steps[static_cast<std::size_t>(index)].m_valueText = m_flip ? "13.5" : "12.5";
        return true;
    }

   private:
    bool m_flip = false;
};

}  // namespace vor::bench
