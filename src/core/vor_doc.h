#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

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

// One tape of calculations: the lines, their snapshots and every register.
class CVORDoc {
   public:
    CVORDoc();

    // Starts a new, empty tape. Precision and rounding come from the
    // settings; the LED texts follow Auto Decimal.
    void startNewTape(int precision, int rounding, bool autoDecimal);

    // The text an LED shows after a clear: "0." or "0.00" in Auto Decimal.
    static std::string zeroText(bool autoDecimal) { return autoDecimal ? "0.00" : "0."; }

    CTapeLine* line(int index) const;
    CLineState* state(int index) const;
    CTapeLine* lastLine() const { return m_lineCount > 0 ? line(m_lineCount - 1) : nullptr; }

    double m_version = 1.3;
    std::array<std::unique_ptr<CTapeLine>, kMaxLines + 1> m_lines;
    std::array<std::unique_ptr<CLineState>, kMaxLines + 1> m_states;
    std::string m_mainText = "0.";
    std::string m_memoryText = "0.";
    std::array<double, 4> m_reservedReal{};
    std::array<std::int32_t, 4> m_reservedInt{};
    std::array<std::string, 4> m_reservedText;

    double m_total = 0.0;
    double m_memory = 0.0;
    double m_lastValue = 0.0;
    double m_factor = 0.0;
    double m_repeatValue = 0.0;
    double m_reservedReal5 = 0.0;
    double m_product = 0.0;

    std::int32_t m_negCount = 0;
    std::int32_t m_itemCount = 0;
    std::int32_t m_lastOp = op::None;
    std::int32_t m_lineCount = 0;
    std::int32_t m_precision = 2;
    std::int32_t m_rounding = 12;
    bool m_decimalEntered = false;
    bool m_newEntry = false;
    bool m_rebuildTape = true;

    bool m_modified = false;

    Registers registers() const;
    void setRegisters(const Registers& r);

    // Destroys every line and snapshot, last to first.
    void destroyLines();
};

}  // namespace vor
