#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/tape_line.h"

namespace vor {

inline constexpr int kMaxLines = 1000;

// Operation codes (m_lastOp and the argument of performOperation).
namespace op {
inline constexpr int None = 0;
inline constexpr int Plus = 1;
inline constexpr int Division = 2;
inline constexpr int Multiplication = 3;
inline constexpr int Minus = 4;
inline constexpr int SubTotal = 5;
inline constexpr int MemoryPlusEquals = 6;
inline constexpr int MemoryMinusEquals = 7;
inline constexpr int MemorySubTotal = 8;
inline constexpr int Equals = 9;
inline constexpr int Total = 10;
inline constexpr int MemoryTotal = 14;
}  // namespace op

// The number of lines on the tape. Only the document's tape operations
// change it, so it always counts the lines and snapshots the document
// holds; everyone else reads it like the plain number it is.
class LineCount {
   public:
    constexpr operator std::int32_t() const { return m_value; }

   private:
    friend class CVORDoc;
    std::int32_t m_value = 0;
};

// A line of the tape with the snapshot taken after it.
struct TapeEntry {
    CTapeLine line;
    CLineState state;

    bool operator==(const TapeEntry&) const = default;
};

// One tape of calculations: the lines, their snapshots and every register.
// The registers are public members (doc.m_total); the lines are reached
// only through the tape operations, which keep each line, its snapshot and
// the count together.
class CVORDoc : public Registers {
   public:
    CVORDoc();

    // Starts a new, empty tape. Precision and rounding come from the
    // settings; the LED texts follow Auto Decimal.
    void startNewTape(int precision, int rounding, bool autoDecimal);

    // The text an LED shows after a clear: "0." or "0.00" in Auto Decimal.
    static std::string zeroText(bool autoDecimal) { return autoDecimal ? "0.00" : "0."; }

    // Line `index` and its snapshot; nullptr when there is no such line.
    // A pointer stays valid while its line is on the tape.
    CTapeLine* line(int index);
    const CTapeLine* line(int index) const;
    CLineState* state(int index);
    const CLineState* state(int index) const;
    CTapeLine* lastLine() { return line(m_lineCount - 1); }

    // The tape operations. Each refuses (returns false, changes nothing)
    // when the tape already holds kMaxLines lines or the index names no
    // position: appendLine adds at the end, insertLine before line `index`
    // (index == m_lineCount appends), eraseLine removes one line.
    bool appendLine(CTapeLine line, CLineState state);
    bool insertLine(int index, CTapeLine line, CLineState state);
    bool eraseLine(int index);
    // Replaces the `count` lines from `first` on with `entries` at once
    // (the tape's history puts a changed stretch back in one go). Refuses
    // a range that names no lines or a result longer than kMaxLines.
    bool spliceLines(int first, int count, std::span<const TapeEntry> entries);
    // Line `index` with its snapshot; the tape must hold it.
    const TapeEntry& entry(int index) const { return *m_tape[static_cast<std::size_t>(index)]; }
    // Keeps the first `count` lines and drops the rest.
    void truncate(int count);
    // Destroys every line and snapshot.
    void destroyLines() { truncate(0); }

    // The first line that may have changed since untouch(): each way to
    // change a line (the tape operations, a line or snapshot handed out
    // for writing) lowers it to the first index it can reach, so the lines
    // before it are surely as they were. kUntouched when none may have.
    static constexpr int kUntouched = kMaxLines + 1;
    int firstTouched() const { return m_firstTouched; }
    void untouch() { m_firstTouched = kUntouched; }

    const Registers& registers() const { return *this; }
    void setRegisters(const Registers& r) { static_cast<Registers&>(*this) = r; }

    double m_version = 1.3;
    std::array<double, 4> m_reservedReal{};
    std::array<std::int32_t, 4> m_reservedInt{};
    std::array<std::string, 4> m_reservedText;
    LineCount m_lineCount;
    bool m_modified = false;

   private:
    using Entry = TapeEntry;
    void touch(int index) { m_firstTouched = index < m_firstTouched ? index : m_firstTouched; }
    int m_firstTouched = 0;
    // Each line with its snapshot in one allocation of its own: a line
    // joins, leaves or is inserted without moving the others.
    std::vector<std::unique_ptr<Entry>> m_tape;
};

}  // namespace vor
