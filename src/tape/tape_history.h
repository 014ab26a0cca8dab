#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "core/entry_state.h"
#include "core/ports.h"
#include "core/vor_doc.h"
#include "tape/recalculation.h"

namespace vor {

// What surrounds the tape at one moment and is not on it: the registers,
// what the keys left waiting, the selected row, a replay put off by a
// deletion (empty when none waits) and the two settings that shape how
// the lines are written, so a tape taken back over a change of them does
// not go on in the other style.
struct TapeMoment {
    Registers registers;
    EntryState entry;
    int selectedRow = -1;
    std::optional<std::vector<CReplayStep>> pendingReplay;
    bool europeanMode = false;
    bool autoCommentSubtotal = false;
};

// The tape's history: every change of the tape as one step that can be
// taken back and done again. It keeps one copy of the tape as last
// recorded and, per step, only the stretch of lines that changed (the
// lines before it and after it are the same on both sides) plus the moment
// around the change, so a hundred steps on a full tape cost what changed,
// not a hundred tapes.
class CTapeHistory {
   public:
    // Kept whatever they cost; older steps beyond them go once the steps
    // hold more than kByteCap.
    static constexpr std::size_t kMinSteps = 100;
    static constexpr std::size_t kByteCap = std::size_t{8} << 20;

    // Forgets every step: `doc` is the tape from here on (a tape opened,
    // restored or rebuilt).
    void reset(CVORDoc& doc);
    // A command ran from `before` to where `doc` is now: when it changed
    // the lines or the totals, it becomes the newest step (with the moment
    // `after` gives, asked only then) and the steps ahead are gone. True
    // when a step was recorded.
    bool record(CVORDoc& doc, TapeMoment before, const std::function<TapeMoment()>& after);

    bool canStepBack() const { return m_position > 0; }
    bool canStepForward() const { return m_position < m_steps.size(); }
    // Puts the lines of the step back into `doc` and the tape box rows of
    // `form`, and returns the moment to restore; nullptr when there is no
    // step that way.
    const TapeMoment* stepBack(CVORDoc& doc, FormPort& form);
    const TapeMoment* stepForward(CVORDoc& doc, FormPort& form);

    std::size_t stepCount() const { return m_steps.size(); }
    std::size_t bytes() const { return m_bytes; }

   private:
    struct Step {
        int first = 0;
        std::vector<TapeEntry> removed;
        std::vector<TapeEntry> inserted;
        TapeMoment before;
        TapeMoment after;
        std::size_t bytes = 0;
    };
    // Replaces `count` lines from `first` on with `entries` in the
    // document, the form and the copy.
    void apply(CVORDoc& doc, FormPort& form, int first, int count,
               const std::vector<TapeEntry>& entries);
    void trim();

    std::vector<TapeEntry> m_copy;
    std::deque<Step> m_steps;
    // Steps taken: m_steps[m_position - 1] is the one Back takes back.
    std::size_t m_position = 0;
    std::size_t m_bytes = 0;
};

}  // namespace vor
