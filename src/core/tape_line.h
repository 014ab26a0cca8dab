#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/tape_words.h"

namespace vor {

// Texts on a tape line are bounded like the buffers they are stored in:
// 255 characters of text and 79 of comment, each plus a terminating zero.
inline constexpr std::size_t kMaxLineText = 255;
inline constexpr std::size_t kMaxComment = 79;

// One printed line of the tape.
class CTapeLine {
   public:
    bool m_repeated = false;
    std::int32_t m_keyId = 0;  // 0: a result line produced by the line before it
    bool m_isImmediate = false;
    std::string m_text;
    std::string m_comment{words::kCommentStart};
    double m_value = 0.0;

    // Row text of the tape box: the line text followed by its comment.
    std::string row() const { return m_text + m_comment; }

    // Long texts are cut at the buffer size rather than refused: the head of
    // a value or comment is what matters to the reader.
    void setText(const std::string& text) { m_text = text.substr(0, kMaxLineText); }
    void setComment(const std::string& comment) { m_comment = comment.substr(0, kMaxComment); }

    bool operator==(const CTapeLine&) const = default;
};

// Every register of the calculator that keying the next line depends on:
// the document holds the live set, and each line's snapshot a copy of it as
// it stood after the key that made the line, so undo and the snapshot
// operations copy one block instead of keeping two field lists in step.
//
// A snapshot starts blank (empty texts, zeros) until the engine fills it;
// the document puts its own starting values in when it is created.
struct Registers {
    std::string m_mainText;
    std::string m_memoryText;

    double m_total = 0.0;
    double m_memory = 0.0;
    double m_lastValue = 0.0;
    double m_factor = 0.0;
    double m_repeatValue = 0.0;
    double m_reservedReal5 = 0.0;
    double m_product = 0.0;
    // The sum of every Ttl since the tape began: the tape alone determines
    // it, so the file does not keep it and the replay rebuilds it.
    double m_grandTotal = 0.0;

    std::int32_t m_negCount = 0;
    std::int32_t m_itemCount = 0;
    std::int32_t m_lastOp = 0;  // op::None
    std::int32_t m_precision = 0;
    std::int32_t m_rounding = 0;
    bool m_decimalEntered = false;
    bool m_newEntry = false;
    bool m_rebuildTape = false;

    bool operator==(const Registers&) const = default;
};

// The calculator state after the key that made a line; undo returns to it.
class CLineState {
   public:
    Registers m_registers;
    double m_lineValue = 0.0;

    bool operator==(const CLineState&) const = default;
};

}  // namespace vor
