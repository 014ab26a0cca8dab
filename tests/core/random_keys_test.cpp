// Random key sequences: whatever is pressed, the tape box and the document
// agree, and a replayed tape replays to itself.
#include <gtest/gtest.h>

#include <random>

#include "core/command_ids.h"
#include "test_support.h"

namespace vor::test {
namespace {

constexpr int kKeys[] = {cmd::Digit0,
                         cmd::Digit1,
                         cmd::Digit2,
                         cmd::Digit5,
                         cmd::Digit9,
                         cmd::DoubleZero,
                         cmd::DecimalPoint,
                         cmd::Plus,
                         cmd::Minus,
                         cmd::Multiply,
                         cmd::Divide,
                         cmd::Equals,
                         cmd::SubTotal,
                         cmd::Total,
                         cmd::MemoryPlusEquals,
                         cmd::MemoryMinusEquals,
                         cmd::MemorySubTotal,
                         cmd::MemoryTotal,
                         cmd::MemoryRecall,
                         cmd::Percent,
                         cmd::MarkUpDown,
                         cmd::Negate,
                         cmd::RightShift,
                         cmd::Clear,
                         cmd::Digit7,
                         cmd::Digit3,
                         cmd::Plus};

void expectFormMatchesDocument(const Machine& m) {
    ASSERT_EQ(m.form.rowCount(), m.doc.m_lineCount);
    for (int i = 0; i < m.doc.m_lineCount; ++i) {
        ASSERT_NE(m.doc.line(i), nullptr);
        ASSERT_NE(m.doc.state(i), nullptr);
        EXPECT_EQ(m.form.rowText(i), m.doc.line(i)->row()) << "row " << i;
    }
}

// Runs vary the entry mode, the number style and the precision.
CSettings settingsForRun(int run) {
    CSettings s;
    s.autoDecimal = run % 5 == 0;
    s.europeanMode = run % 7 == 0;
    return s;
}

int precisionForRun(int run) {
    return run % 3 == 0 ? 99 : 2;
}

// Presses `count` keys drawn from `keys`; returns their ids for the trace.
template <std::size_t N>
std::string pressRandomKeys(Machine& m, std::mt19937& rng, const int (&keys)[N], int count) {
    std::string pressed;
    for (int k = 0; k < count; ++k) {
        const int key = keys[rng() % N];
        pressed += std::to_string(key) + " ";
        m.calc.onKey(key);
    }
    return pressed;
}

TEST(RandomKeys, TapeStaysConsistentAndReplaysToItself) {
    std::mt19937 rng(20261207);
    for (int run = 0; run < 300; ++run) {
        Machine m(settingsForRun(run), precisionForRun(run));
        const std::string pressed = pressRandomKeys(m, rng, kKeys, 40);
        SCOPED_TRACE("run " + std::to_string(run) + " keys " + pressed);
        expectFormMatchesDocument(m);
        m.recalc.recalculate();
        expectFormMatchesDocument(m);
        const std::vector<std::string> once = m.form.rows();
        m.recalc.recalculate();
        EXPECT_EQ(m.form.rows(), once);
        if (testing::Test::HasFailure()) return;
    }
}

// Keys whose every effect is printed on the tape: a replay must give back
// exactly the lines that were keyed. (Totals, %, MR and MUD can leave state
// behind that no line records, such as an entry consumed without a line.)
constexpr int kPrintedKeys[] = {cmd::Digit0,
                                cmd::Digit1,
                                cmd::Digit2,
                                cmd::Digit5,
                                cmd::Digit9,
                                cmd::DoubleZero,
                                cmd::DecimalPoint,
                                cmd::Plus,
                                cmd::Minus,
                                cmd::Multiply,
                                cmd::Divide,
                                cmd::Equals,
                                cmd::MemoryPlusEquals,
                                cmd::MemoryMinusEquals,
                                cmd::Negate,
                                cmd::RightShift,
                                cmd::Clear,
                                cmd::Digit7,
                                cmd::Digit3,
                                cmd::Plus};

TEST(RandomKeys, ReplayGivesBackTheKeyedLines) {
    std::mt19937 rng(7);
    for (int run = 0; run < 1000; ++run) {
        Machine m(settingsForRun(run), precisionForRun(run));
        const std::string pressed = pressRandomKeys(m, rng, kPrintedKeys, 30);
        const std::vector<std::string> keyed = m.form.rows();
        const std::vector<std::string> flags = m.flags();
        m.recalc.recalculate();
        EXPECT_EQ(m.form.rows(), keyed) << "run " << run << " keys " << pressed;
        EXPECT_EQ(m.flags(), flags) << "run " << run << " keys " << pressed;
        if (testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace vor::test
