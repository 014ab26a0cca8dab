// The entry in the Main LED as digits, 00, the point, Right Shift and
// Negate build it, in both entry modes.
#include <gtest/gtest.h>

#include <ostream>

#include "core/command_ids.h"
#include "core/number_text.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Lines = std::vector<std::string>;

struct EntryCase {
    const char* name;
    bool autoDecimal;
    const char* keys;
    Lines ledAfterEachStep;  // one expectation per space-separated group of `keys`
};

// Test listings (and the test names ctest builds from them) show the keys.
void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.keys;
}

class EntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, MainLedFollowsTheKeys) {
    const EntryCase& c = GetParam();
    CSettings s;
    s.autoDecimal = c.autoDecimal;
    Machine m(s);
    std::string keys = c.keys;
    std::size_t step = 0;
    std::size_t pos = 0;
    while (pos < keys.size()) {
        auto bar = keys.find('|', pos);
        if (bar == std::string::npos) bar = keys.size();
        m.keys(keys.substr(pos, bar - pos));
        ASSERT_LT(step, c.ledAfterEachStep.size());
        EXPECT_EQ(m.mainLed(), c.ledAfterEachStep[step]) << "after step " << step;
        ++step;
        pos = bar + 1;
    }
    EXPECT_EQ(step, c.ledAfterEachStep.size());
    EXPECT_TRUE(m.messages.shown.empty());
}

const EntryCase kEntryCases[] = {
    {"DigitsAndSeparators",
     false,
     "1|2|3|4|.|5|<-|6",
     {"1.", "12.", "123.", "1,234.", "1,234.", "1,234.5", "1,234.", "1,234.6"}},
    {"ShiftToThePointAlone", false, "5|<-|<-", {"5.", ".", "."}},
    {"ShiftDropsIntegerDigit", false, "1 2 3|<-|4", {"123.", "12.", "124."}},
    {"DoubleZero", false, "7|00|00", {"7.", "700.", "70,000."}},
    {"NewEntryAfterOperation", false, "5 +|7", {"5.", "7."}},
    {"AutoDecimalShiftsIn",
     true,
     "5|7|1|2|00|<-",
     {"0.05", "0.57", "5.71", "57.12", "5,712.00", "571.20"}},
    {"AutoDecimalShortShift", true, "1 2 3|<-|<-", {"1.23", "0.12", "0.01"}},
    {"NegateTypedEntryKeepsTyping", false, "1 2|Neg|5", {"12.", "-12.", "-125."}},
    {"NegateResultStartsNewEntryOnDigit", false, "8 +|Neg|3", {"8.", "-8.", "3."}},
};

INSTANTIATE_TEST_SUITE_P(Keys, EntryTest, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EntryKeys, WholeLedTextEntersAsItsValue) {
    Machine m;
    m.keys("5 +");
    m.calc.enterDigits("                    42.");
    EXPECT_EQ(m.mainLed(), "42.");
    m.keys("+");
    EXPECT_DOUBLE_EQ(m.doc.m_total, 47.0);
}

// An entry grows only as far as the LED can show it, and each key costs
// one pass over its text: typing 100,000 digits onto an entry of 24,000
// took hours while every comma was inserted on its own.
class LongEntry : public ::testing::TestWithParam<bool> {};

TEST_P(LongEntry, StopsWhereTheLedIsFull) {
    const bool autoDecimal = GetParam();
    CSettings s;
    s.autoDecimal = autoDecimal;
    Machine m(s);
    const std::string ones(24000, '1');
    const std::string tail = autoDecimal ? ".11" : ".";
    m.calc.enterDigits(ones + tail);
    for (int i = 0; i < 100000; ++i) m.calc.onDigit('7');

    const std::string& entry = m.doc.m_mainText;
    EXPECT_LE(entry.size(), kMostLedCharacters);
    EXPECT_GT(entry.size(), kMostLedCharacters - 4);
    EXPECT_EQ(m.form.mainLedText(), entry);
    std::string digits = entry;
    std::erase(digits, ',');
    const std::size_t sevens = digits.size() - ones.size() - tail.size();
    EXPECT_GT(sevens, 500u);
    const std::string expected = autoDecimal ? ones + "11" + std::string(sevens - 2, '7') + ".77"
                                             : ones + std::string(sevens, '7') + ".";
    EXPECT_EQ(digits, expected);
    // A comma before every third digit left of the point, and nowhere else.
    const std::size_t point = entry.find('.');
    bool grouped = true;
    for (std::size_t i = 0; i < point; ++i) grouped &= (entry[i] == ',') == ((point - i) % 4 == 0);
    EXPECT_TRUE(grouped);
}

INSTANTIATE_TEST_SUITE_P(Modes, LongEntry, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "AutoDecimal" : "Normal"; });

TEST(EntryKeys, DecimalPointInAutoDecimalAsksToSwitchOff) {
    CSettings s;
    s.autoDecimal = true;
    Machine m(s);
    m.messages.script = {Answer::No};
    m.keys("5 .");
    EXPECT_TRUE(m.settings.autoDecimal);
    EXPECT_EQ(m.mainLed(), "0.05");
    m.messages.script = {Answer::Yes};
    m.keys(".");
    EXPECT_FALSE(m.settings.autoDecimal);
    EXPECT_EQ(m.mainLed(), "0.");
    EXPECT_EQ(m.profile.getInt("Settings", "Auto Decimal", -1), 0);
    ASSERT_EQ(m.messages.shown.size(), 3u);
    EXPECT_EQ(m.messages.shown[2],
              "You must re-enter this entire entry line since you switched out of Auto Decimal "
              "Mode in the middle of the entry.");
    EXPECT_EQ(m.messages.icons[2], Icon::Information);
}

TEST(EntryKeys, DecimalPointWhileMacroPlaysOnlyWarns) {
    CSettings s;
    s.autoDecimal = true;
    Machine m(s);
    m.hooks.playing = true;
    m.keys(".");
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.messages.icons[0], Icon::Exclamation);
    EXPECT_TRUE(m.settings.autoDecimal);
}

TEST(EntryKeys, ClearAllAsksUnlessWarningIsOff) {
    Machine m;
    m.keys("5 + 3 M+=");
    m.messages.script = {Answer::No};
    m.keys("CA");
    EXPECT_EQ(m.doc.m_lineCount, 2);
    m.keys("CA");
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_EQ(m.form.rowCount(), 0);
    EXPECT_EQ(m.memoryLed(), "0.");
    EXPECT_DOUBLE_EQ(m.doc.m_total, 0.0);

    CSettings quiet;
    quiet.showClearAllWarning = false;
    Machine q(quiet);
    q.keys("5 + CA");
    EXPECT_TRUE(q.messages.shown.empty());
    EXPECT_EQ(q.doc.m_lineCount, 0);
}

TEST(EntryKeys, ClearKeepsMemoryAndFactor) {
    Machine m;
    m.keys("4 M+= 3 X 2 C");
    EXPECT_DOUBLE_EQ(m.doc.m_memory, 4.0);
    EXPECT_DOUBLE_EQ(m.doc.m_factor, 3.0);
    EXPECT_DOUBLE_EQ(m.doc.m_product, 0.0);
    EXPECT_EQ(m.doc.m_lastOp, 0);
    EXPECT_EQ(m.lines().back(), "<clear>");
}

TEST(EntryKeys, SelectionMovesWithinTheTape) {
    Machine m;
    m.calc.selectNextLine();
    EXPECT_EQ(m.form.selectedRow(), -1) << "empty tape: nothing to select";
    m.keys("1 + 2 + 3 +");
    m.form.resetRows();
    for (int i = 0; i < 3; ++i) m.form.addRow(m.doc.line(i)->row());
    m.calc.selectPreviousLine();
    EXPECT_EQ(m.form.selectedRow(), 0);
    m.calc.selectPreviousLine();
    EXPECT_EQ(m.form.selectedRow(), 0);
    m.calc.selectLastLine();
    m.calc.selectNextLine();
    EXPECT_EQ(m.form.selectedRow(), 2);
}

TEST(EntryKeys, DoubleZeroInHelpModeShowsHelpThenTypes) {
    struct HelpHooks : TestHooks {
        bool inContextHelpMode() const override { return helpMode; }
        void leaveContextHelpMode() override { helpMode = false; }
        void winHelp(unsigned data, unsigned) override { helpData = data; }
        bool helpMode = true;
        unsigned helpData = 0;
    } hooks;
    Machine m;
    CCalculator calc(m.doc, m.settings, m.form, m.messages, hooks);
    calc.onDoubleZero();
    EXPECT_EQ(m.messages.shown, (Lines{"Help Context Mode"}));
    EXPECT_FALSE(hooks.helpMode);
    EXPECT_EQ(hooks.helpData, 0x80000000u | (101u << 16) | 1023u);
    EXPECT_EQ(squeeze(m.form.mainLedText()), "0.");
}

}  // namespace
}  // namespace vor::test
