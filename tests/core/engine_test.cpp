// The machine's arithmetic, driven key by key as a user would.
#include <gtest/gtest.h>

#include <ostream>

#include "core/command_ids.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Lines = std::vector<std::string>;

struct EngineCase {
    const char* name;
    const char* keys;
    Lines lines;
    Lines flags;  // empty: not checked
    const char* mainLed;
    Lines messages;
};

const char* kPlusMisuse =
    "This button must follow either an intermediate multiplication/division operation or an "
    "immediate value.\n\nTip: Use this button in place of the equals (=) button to add the "
    "result to the current running total.";
const char* kNumberFirst = "You must press a number key prior to pressing this key.";

// Test listings (and the test names ctest builds from them) show the keys.
void PrintTo(const EngineCase& c, std::ostream* os) {
    *os << c.keys;
}

class EngineTest : public ::testing::TestWithParam<EngineCase> {};

TEST_P(EngineTest, ProducesTapeLedsAndMessages) {
    const EngineCase& c = GetParam();
    Machine m;
    m.keys(c.keys);
    EXPECT_EQ(m.lines(), c.lines);
    if (!c.flags.empty()) {
        EXPECT_EQ(m.flags(), c.flags);
    }
    EXPECT_EQ(m.mainLed(), c.mainLed);
    EXPECT_EQ(m.messages.shown, c.messages);
}

const EngineCase kEngineCases[] = {
    {"MultiplyThenPlusAndRepeat",
     "12 X 3 + 5 + + Ttl",
     {"12.00 X", "3.00 =", "36.00 +", "5.00 +", "5.00 +", "46.00 Ttl ;3 Items (3 Pos, 0 Neg)"},
     {"1010 I", "1016 I", "0 -", "1016 I", "1016 R", "1025 -"},
     "46.",
     {}},
    {"SubtotalAndCounts",
     "10 + 4 - Sub 2.5 - Ttl",
     {"10.00 +", "4.00 -", "6.00 Sub ;2 Items (1 Pos, 1 Neg)", "2.50 -",
      "3.50 Ttl ;3 Items (1 Pos, 2 Neg)"},
     {},
     "3.5",
     {}},
    {"DivisionWithEquals",
     "100 / 8 =",
     {"100.00 /", "8.00 =", "12.50"},
     {"1020 I", "1018 I", "0 -"},
     "12.5",
     {}},
    {"ChainedMultiplication",
     "2 X 3 X 4 =",
     {"2.00 X", "3.00 X", "4.00 =", "24.00"},
     {},
     "24.",
     {}},
    {"DivideByZeroIsRefusedAndStaysPending",
     "100 / 0 = 4 =",
     {"100.00 /", "4.00 =", "25.00"},
     {},
     "25.",
     {"Error:  Divide by zero operations not allowed!"}},
    {"ZeroDividedByZero", "0 / 0 =", {"0.00 /", "0.00 =", "0.00"}, {}, "0.", {}},
    {"PercentOfLastLine",
     "200 + 15 % + Ttl",
     {"200.00 +", "30.00 + ;<% key> (15.00% of 200.00)", "230.00 Ttl ;2 Items (2 Pos, 0 Neg)"},
     {"1016 I", "1016 I", "1025 -"},
     "230.",
     {}},
    {"MemoryKeys",
     "7 M+= 3 M-= MST + MT",
     {"7.00 M+", "3.00 M-", "4.00 MS", "4.00 +", "4.00 MT"},
     {"1043 I", "1033 I", "1032 -", "1016 R", "1031 -"},
     "4.",
     {}},
    {"EqualsWithoutPendingOperation",
     "5 = +",
     {},
     {},
     "0.",
     {"The \"=\" key is only to be used for obtaining the result of a multiplication or division "
      "operation.",
      kPlusMisuse}},
    {"TotalTwiceResetsMainLed",
     "Ttl Ttl",
     {"0.00 Ttl ;0 Items (0 Pos, 0 Neg)", "0.00 Ttl ;0 Items (0 Pos, 0 Neg)"},
     {},
     "0.",
     {}},
    {"PlusAfterTotalAddsShownValue",
     "12 + Ttl +",
     {"12.00 +", "12.00 Ttl ;1 Items (1 Pos, 0 Neg)", "12.00 +"},
     {"1016 I", "1025 -", "1016 I"},
     "12.",
     {}},
    {"OperationRightAfterMultiplyIsRefused", "3 X +", {"3.00 X"}, {}, "0.", {kNumberFirst}},
    {"NegativeItemsAreCounted",
     "5 Neg + 3 - Ttl",
     {"-5.00 +", "3.00 -", "-8.00 Ttl ;2 Items (0 Pos, 2 Neg)"},
     {},
     "-8.",
     {}},
    {"MarkUp",
     "80 X 20 MUD",
     {"80.00 X", "20.00 %MU ;profit rate: 20.00%", "20.00 $MU ;$ Mark up",
      "100.00 $SP ;Selling price: $100.00"},
     {"1010 I", "1030 I", "0 -", "0 -"},
     "100.",
     {}},
    {"MarkDown",
     "110 / 10 MUD",
     {"110.00 /", "10.00 %MD ;loss rate: 10.00%", "10.00 $MD ;$ Mark down",
      "100.00 $SP ;Selling price: $100.00"},
     {},
     "100.",
     {}},
    {"MarkUpOutsideMultiplication",
     "5 + 20 MUD",
     {"5.00 +"},
     {},
     "20.",
     {"This key is valid only when it follows a multiplication or division operation."}},
    {"MarkUpClosesTheProduct",
     "80 X 20 MUD 5 X 3 =",
     {"80.00 X", "20.00 %MU ;profit rate: 20.00%", "20.00 $MU ;$ Mark up",
      "100.00 $SP ;Selling price: $100.00", "5.00 X", "3.00 =", "15.00"},
     {},
     "15.",
     {}},
    {"MemoryRecallIsATypedValue",
     "12 M+= MR +",
     {"12.00 M+", "12.00 + ;<MR key pressed>"},
     {"1043 I", "1016 I"},
     "12.",
     {}},
    {"MemoryKeepsLedPrecision",
     "7 M+= 1 / 3 M+= MR",
     {"7.00 M+", "1.00 /", "3.00 =", "0.33 M+"},
     {},
     "7.33333",
     {}},
    {"DigitCancelsRecall", "12 M+= MR 5 +", {"12.00 M+", "125.00 +"}, {}, "125.", {}},
    {"ClearMarksTheTape",
     "5 + C 3 +",
     {"5.00 +", "<clear>", "3.00 +"},
     {"1016 I", "1001 -", "1016 I"},
     "3.",
     {}},
    {"NegateZeroIsRefused", "Neg", {}, {}, "0.", {"Enter a value first, then use the Negate key."}},
    {"NegatedResultIsAddedAsTypedValue",
     "5 + Neg +",
     {"5.00 +", "-5.00 +"},
     {"1016 I", "1016 I"},
     "0.",
     {}},
};

INSTANTIATE_TEST_SUITE_P(Keys, EngineTest, ::testing::ValuesIn(kEngineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EngineSettings, CountsOffKeepsTheKeyComment) {
    CSettings s;
    s.givePosNegCounts = false;
    Machine m(s);
    m.keys("5 + Sub Ttl");
    EXPECT_EQ(m.lines(), (Lines{"5.00 +", "5.00 Sub", "5.00 Ttl"}));
}

TEST(EngineSettings, AutoCommentSubtotalUsesTheTotalBeforeTheLine) {
    CSettings s;
    s.autoCommentSubtotal = true;
    Machine m(s);
    m.keys("12.5 + 2 +");
    EXPECT_EQ(m.lines(), (Lines{"12.50 + ;cur sub: 12.500000", "2.00 + ;cur sub: 14.500000"}));
}

TEST(EngineSettings, EuropeanModeShowsCommaDecimals) {
    CSettings s;
    s.europeanMode = true;
    Machine m(s);
    m.keys("1234.5 + 1 M+= C");
    EXPECT_EQ(m.lines(), (Lines{"1.234,50 +", "1,00 M+", "<clear>"}));
    EXPECT_DOUBLE_EQ(m.doc.line(0)->m_value, 1234.5);
    // The Memory LED is written again by C without being read: it must stay
    // in the shown form.
    EXPECT_EQ(m.memoryLed(), "1,");
    EXPECT_EQ(m.mainLed(), "0,");
    m.keys("7 . 5");
    EXPECT_EQ(m.mainLed(), "7,5");
}

TEST(EngineSettings, AutoDecimalLedsAfterOperation) {
    CSettings s;
    s.autoDecimal = true;
    Machine m(s);
    m.keys("1 2 5 0 +");
    EXPECT_EQ(m.lines(), (Lines{"12.50 +"}));
    EXPECT_EQ(m.mainLed(), "12.5");
    m.keys("7");
    EXPECT_EQ(m.mainLed(), "0.07");
}

TEST(EngineSettings, FullTapeRefusesLinesButKeepsRegisters) {
    Machine m;
    for (int i = 0; i < 1000; ++i) m.keys("1 +");
    ASSERT_EQ(m.doc.m_lineCount, 1000);
    const std::string row999 = m.form.rowText(999);
    m.keys("2 +");
    EXPECT_EQ(m.messages.shown, (Lines{"TOO MANY LINES IN TAPE BOX"}));
    EXPECT_EQ(m.form.rowCount(), 1000);
    EXPECT_EQ(m.form.rowText(999), row999);
    EXPECT_DOUBLE_EQ(m.doc.m_total, 1002.0);
}

TEST(EngineSettings, RecordingStoresIdsOnly) {
    Machine m;
    m.calc.m_macroRecording = true;
    m.keys("5 + MR Neg");
    EXPECT_EQ(m.hooks.recorded,
              (std::vector<int>{cmd::Digit5, cmd::Plus, cmd::MemoryRecall, cmd::Negate}));
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_EQ(m.mainLed(), "0.");
}

TEST(EngineSettings, ReadImmediateSpeaksEveryNewRow) {
    CSettings s;
    s.readImmediate = true;
    Machine m(s);
    m.keys("5 +");
    ASSERT_EQ(m.hooks.spoken.size(), 1u);
    EXPECT_EQ(m.hooks.spoken[0], m.form.rowText(0));
}

TEST(EngineSettings, OverflowingMemoryReadsBackAsZero) {
    Machine m;
    m.keys("999999999999 M+= 999999999999 M+=");
    EXPECT_EQ(m.memoryLed(), "OVERFLOW ERROR");
    m.keys("1 M+=");
    EXPECT_EQ(m.memoryLed(), "1.");
}

}  // namespace
}  // namespace vor::test
