#pragma once

#include <string>

namespace vor {

// What the calculator keeps between keys besides the registers: the LED
// strings, the base of the next %, and what a %, MR or Neg left waiting for
// the next operation key. None of it is on the tape or in a snapshot, so
// whoever puts the calculator back somewhere (undo, a replay, a new tape)
// takes or forgets all of it at once; a field added here is carried
// everywhere.
struct EntryState {
    std::string m_mainLED;
    std::string m_memoryLED;
    // The value of the last line printed: what a % is taken of.
    double m_lastLineValue = 0.0;
    // A % or MR note waiting for the line of the next operation key.
    std::string m_pendingComment;
    bool m_hasPendingComment = false;
    // The repeat value was last set by Negate. The tape does not show that
    // key, so a +, -, M+= or M-= that repeats this value prints it as a
    // typed value, which a recalculation can type back in.
    bool m_negatedRepeat = false;
    // The values a % or MR replaced when its note began to wait. A note that
    // is dropped unprinted (typed over, shifted, dropped by =) gives them
    // back: no line would record the recalled or computed value they held.
    double m_noteLastValue = 0.0;
    double m_noteRepeatValue = 0.0;
    bool m_noteNegatedRepeat = false;

    bool operator==(const EntryState&) const = default;
};

}  // namespace vor
