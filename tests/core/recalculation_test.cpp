// Replaying a tape must give back the tape that was keyed, row for row.
#include <gtest/gtest.h>

#include <ostream>

#include "core/command_ids.h"
#include "core/number_text.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Lines = std::vector<std::string>;

// Everything a replay must reproduce: rows, line flags, values and the
// state each snapshot recorded.
struct TapeImage {
    Lines rows;
    Lines flags;
    std::vector<double> values;
    Lines states;
    std::string main;
    std::string memory;
};

void expectSame(const TapeImage& a, const TapeImage& b, const char* when) {
    EXPECT_EQ(a.rows, b.rows) << when;
    EXPECT_EQ(a.flags, b.flags) << when;
    EXPECT_EQ(a.values, b.values) << when;
    EXPECT_EQ(a.states, b.states) << when;
    EXPECT_EQ(a.main, b.main) << when;
    EXPECT_EQ(a.memory, b.memory) << when;
}

std::string describe(const CLineState& s) {
    const Registers& r = s.m_registers;
    return r.m_mainText + "|" + r.m_memoryText + "|" + formatFixed(r.m_total, 6) + "|" +
           formatFixed(r.m_memory, 6) + "|" + formatFixed(r.m_repeatValue, 6) + "|" +
           formatFixed(r.m_product, 6) + "|" + std::to_string(r.m_itemCount) + "/" +
           std::to_string(r.m_negCount) + "|" + std::to_string(r.m_lastOp) +
           (r.m_newEntry ? "N" : "") + (r.m_decimalEntered ? "D" : "");
}

TapeImage image(const Machine& m) {
    TapeImage t{m.form.rows(), m.flags(), {}, {}, m.form.mainLedText(), m.form.memoryLedText()};
    for (int i = 0; i < m.doc.m_lineCount; ++i) {
        t.values.push_back(m.doc.line(i)->m_value);
        // From the second line on: a value negated and never printed before
        // the first line (7 Neg Sub) leaves a repeat value in the first
        // line's state that no line of the tape records.
        if (i > 0) t.states.push_back(describe(*m.doc.state(i)));
    }
    return t;
}

// A keyed sequence named for what it exercises.
struct Sequence {
    const char* name;
    const char* keys;
};

// Test listings (and the test names ctest builds from them) show the keys.
void PrintTo(const Sequence& s, std::ostream* os) {
    *os << s.keys;
}

std::string sequenceName(const ::testing::TestParamInfo<Sequence>& info) {
    return info.param.name;
}

class RoundTrip : public ::testing::TestWithParam<Sequence> {};

TEST_P(RoundTrip, RecalculatingReproducesTheKeyedTape) {
    Machine m;
    m.keys(GetParam().keys);
    const TapeImage keyed = image(m);
    const auto messagesBefore = m.messages.shown.size();
    m.recalc.recalculate();
    expectSame(image(m), keyed, "first recalculation");
    m.recalc.recalculate();
    expectSame(image(m), keyed, "second recalculation");
    EXPECT_EQ(m.messages.shown.size(), messagesBefore) << "a replay must not raise messages";
}

const Sequence kRoundTrips[] = {
    {"MultiplyThenPlusAndRepeat", "12 X 3 + 5 + + Ttl"},
    {"SubtotalAndCounts", "10 + 4 - Sub 2.5 - Ttl"},
    {"QuotientThenChainedProduct", "100 / 8 = 2 X 3 X 4 ="},
    {"PercentOfLastLine", "200 + 15 % + Ttl"},
    {"MemoryKeys", "7 M+= 3 M-= MST + MT"},
    {"MarkUpAddedToTotal", "80 X 20 MUD + Ttl"},
    {"MarkDown", "110 / 10 MUD"},
    {"ClearAndClearAll", "5 + C 3 + CA 4 -"},
    {"PlusAfterTotal", "12 + Ttl +"},
    {"ZeroDividedByZero", "0 / 0 ="},
    {"QuotientIntoMemoryRecalled", "7 M+= 1 / 3 M+= MR + MT"},
    {"NegatedResultAdded", "5 + Neg +"},
    {"NegatedSecondItem", "5 + 3 + Neg + Ttl"},
    {"PercentInsideProduct", "10 X 5 % ="},
    {"RecalledFactor", "20 M+= 10 X MR ="},
    {"PercentRateForMarkUp", "80 X 20 % MUD"},
    {"RecalledRateForMarkUp", "25 M+= 80 X MR MUD"},
    {"RecalledFractionAdded", "1.5 M+= 2 + MR + Ttl"},
    {"PercentOfSubtotalAfterRecall", "12.345 X 3 M+= MR - Sub 50 % - Ttl"},
    {"QuotientOutOfMemory", "5 X 4 - 100 / 4 M-= MST Ttl"},
    {"NegatedPercent", "200 + 15 % Neg + Ttl"},
    {"NegatedRecalls", "9 M+= MR Neg - 4 X MR Neg ="},
    {"DoublyNegatedPercentRate", "80 X 20 % Neg Neg MUD"},
    {"EveryDecimalOfSmallValues", "1.234567 X 1000000 = 0.009175 M+= MR +"},
    {"NegatedEntryBeforeSubtotal", "7 Neg Sub M+= Ttl +"},
    {"ShiftedRecall", "123 M+= MR <- -"},
};

INSTANTIATE_TEST_SUITE_P(Sequences, RoundTrip, ::testing::ValuesIn(kRoundTrips), sequenceName);

// A number typed but never printed (left in the LED by T, or negated on
// its way into a multiplication) is not on the tape, so the states inside
// an operation may differ; the printed tape must not.
class RowsRoundTrip : public ::testing::TestWithParam<Sequence> {};

TEST_P(RowsRoundTrip, RecalculatingReproducesThePrintedLines) {
    Machine m;
    m.keys(GetParam().keys);
    const TapeImage keyed = image(m);
    m.recalc.recalculate();
    const TapeImage replayed = image(m);
    EXPECT_EQ(replayed.rows, keyed.rows);
    EXPECT_EQ(replayed.flags, keyed.flags);
    EXPECT_EQ(replayed.values, keyed.values);
}

const Sequence kRowsRoundTrips[] = {
    {"UnprintedNegatedEntries", "7 Neg Sub M+= 5 Neg 2 Ttl +"},
    {"NegatedFactorIntoMemory", "12 X 1.5 Neg M-= MST"},
    {"SixteenDigitItem", "1234567890123456 + 1 + Ttl"},
    {"ShiftedPercent", "55 + 31 % <- X 2 ="},
};

INSTANTIATE_TEST_SUITE_P(Sequences, RowsRoundTrip, ::testing::ValuesIn(kRowsRoundTrips),
                         sequenceName);

TEST(Recalculation, NegatedPercentFollowsAnEditedBase) {
    Machine m;
    m.keys("200 + 15 % Neg +");
    EXPECT_EQ(m.lines().back(), "-30.00 + ;<% key> (15.00% of 200.00) Neg");
    m.doc.line(0)->m_value = 100.0;
    m.recalc.recalculate();
    EXPECT_EQ(m.lines().back(), "-15.00 + ;<% key> (15.00% of 100.00) Neg");
    EXPECT_DOUBLE_EQ(m.doc.m_total, 85.0);
}

TEST(Recalculation, AutoDecimalTapeReplaysWholeValues) {
    CSettings s;
    s.autoDecimal = true;
    Machine m(s);
    m.keys("2 0 0 + 5 X 3 0 0 M+= MR -");
    const std::vector<std::string> keyed = m.lines();
    m.recalc.recalculate();
    EXPECT_EQ(m.lines(), keyed);
    EXPECT_EQ(keyed.front(), "2.00 +");
}

TEST(Recalculation, PercentKeepsEveryDecimalOfTheRate) {
    Machine m;
    m.keys("100 + 8.875 % + Ttl");
    EXPECT_EQ(m.lines()[1], "8.88 + ;<% key> (8.875% of 100.00)");
    m.recalc.recalculate();
    EXPECT_DOUBLE_EQ(m.doc.line(1)->m_value, 8.875);
    EXPECT_EQ(m.lines()[2], "108.88 Ttl ;2 Items (2 Pos, 0 Neg)");
}

TEST(Recalculation, EmptyTapeChangesNothing) {
    Machine m;
    m.form.setStatusText("Ready");
    m.recalc.recalculate();
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_EQ(m.form.statusText(), "Ready");
    EXPECT_TRUE(m.form.enabled());
}

TEST(Recalculation, NewPrecisionReformatsFromStoredValues) {
    Machine m;
    m.keys("1.23456 + 2 X 1.5 =");
    m.messages.script = {Answer::Yes};
    m.calc.onPrecisionButton(cmd::Precision4);
    EXPECT_EQ(m.lines(), (Lines{"1.2346 +", "2.0000 X", "1.5000 =", "3.0000"}));
    EXPECT_EQ(m.messages.shown, (Lines{"Recalculate tape box?"}));
    EXPECT_EQ(m.profile.getInt("Settings", "Decimal Precision", -1), 4);
}

TEST(Recalculation, AnsweringNoKeepsOldLines) {
    Machine m;
    m.keys("1.5 +");
    m.messages.script = {Answer::No};
    m.calc.onRoundingButton(cmd::RoundUp);
    m.keys("1.231 +");
    EXPECT_EQ(m.lines(), (Lines{"1.50 +", "1.24 +"}));
}

TEST(Recalculation, PercentLineReplaysThePercentage) {
    Machine m;
    m.keys("200 + 15 % +");
    // Change the base: the percent line must follow it.
    m.doc.line(0)->m_value = 100.0;
    m.recalc.recalculate();
    EXPECT_EQ(m.lines(), (Lines{"100.00 +", "15.00 + ;<% key> (15.00% of 100.00)"}));
}

TEST(Recalculation, MemoryRecallLineTakesTheMemoryOfTheReplay) {
    Machine m;
    m.keys("7 M+= MR +");
    m.doc.line(0)->m_value = 9.0;
    m.recalc.recalculate();
    EXPECT_EQ(m.lines(), (Lines{"9.00 M+", "9.00 + ;<MR key pressed>"}));
}

TEST(Recalculation, ResultLineKeepsItsComment) {
    Machine m;
    m.keys("12 X 3 + 4 / 2 =");
    m.doc.line(2)->m_comment = " ;product";
    m.doc.line(5)->m_comment = " ;quotient";
    m.recalc.recalculate();
    EXPECT_EQ(m.lines(), (Lines{"12.00 X", "3.00 =", "36.00 + ;product", "4.00 /",
                                "2.00 =", "2.00 ;quotient"}));
}

TEST(Recalculation, NothingIsSpokenAndSettingsComeBack) {
    CSettings s;
    s.readImmediate = true;
    Machine m(s);
    m.keys("5 + 6 +");
    m.hooks.spoken.clear();
    m.calc.m_macroRecording = true;
    m.form.setStatusText("Ready");
    m.recalc.recalculate();
    EXPECT_TRUE(m.hooks.spoken.empty());
    EXPECT_TRUE(m.settings.readImmediate);
    EXPECT_TRUE(m.calc.m_macroRecording);
    EXPECT_TRUE(m.hooks.recorded.empty()) << "the replay must not feed the recorder";
    EXPECT_EQ(m.form.statusText(), "Ready");
    EXPECT_EQ(m.doc.m_lineCount, 2);
}

TEST(Recalculation, PendingRecalculationRunsBeforeTheNextLine) {
    Machine m;
    m.keys("5 + 6 +");
    m.doc.line(0)->m_value = 1.0;
    m.calc.m_recalcPending = true;
    m.keys("2 +");
    EXPECT_FALSE(m.calc.m_recalcPending);
    EXPECT_EQ(m.lines(), (Lines{"1.00 +", "6.00 +", "2.00 +"}));
    EXPECT_DOUBLE_EQ(m.doc.m_total, 9.0);
}

TEST(Recalculation, EuropeanModeRewritesEveryLine) {
    Machine m;
    m.keys("1234.5 + 2 X 3.25 =");
    m.settings.europeanMode = true;
    m.recalc.recalculate();
    EXPECT_EQ(m.lines(), (Lines{"1.234,50 +", "2,00 X", "3,25 =", "6,50"}));
    EXPECT_EQ(m.mainLed(), "6,5");
}

}  // namespace
}  // namespace vor::test

namespace vor::test {
namespace {

TEST(Recalculation, EntryBeingTypedSurvivesTheReplay) {
    Machine m;
    m.keys("5 + 1 2 .");
    m.messages.script = {Answer::Yes};
    m.calc.onPrecisionButton(cmd::Precision3);
    EXPECT_EQ(m.mainLed(), "12.");
    m.keys("7 +");
    EXPECT_EQ(m.lines(), (Lines{"5.000 +", "12.700 +"}));

    m.keys("MR");
    m.recalc.recalculate();
    m.keys("+");
    EXPECT_EQ(m.lines().back(), "0.000 + ;<MR key pressed>");
}

}  // namespace
}  // namespace vor::test
