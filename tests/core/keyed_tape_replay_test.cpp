// Sequences a replay can get wrong: keys must print every number the replay
// needs, keys that print nothing must leave nothing behind that no line
// records, and a replay must keep what the keys after the last line did.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "core/command_ids.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Lines = std::vector<std::string>;

// Rows, flags and both LEDs: what the user sees and what a replay keys.
struct Shown {
    Lines rows;
    Lines flags;
    std::string mainLed;
    std::string memoryLed;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
    for (std::size_t i = 0; i < s.rows.size(); ++i)
        *os << "\n  [" << s.rows[i] << "] " << (i < s.flags.size() ? s.flags[i] : "");
    *os << "\n  Main LED [" << s.mainLed << "] Memory LED [" << s.memoryLed << "]";
}

Shown shown(const Machine& m) {
    return {m.form.rows(), m.flags(), m.form.mainLedText(), m.form.memoryLedText()};
}

// What the machine shows must stay the same through two recalculations.
void expectReplaysToItself(Machine& m) {
    const Shown keyed = shown(m);
    const auto messages = m.messages.shown.size();
    m.recalc.recalculate();
    EXPECT_EQ(shown(m), keyed) << "first recalculation";
    m.recalc.recalculate();
    EXPECT_EQ(shown(m), keyed) << "second recalculation";
    EXPECT_EQ(m.messages.shown.size(), messages) << "a replay must not raise messages";
}

struct PrintedCase {
    const char* name;
    const char* keys;
    Lines lines;
    Lines flags;
    const char* mainLed;
};

void PrintTo(const PrintedCase& c, std::ostream* os) {
    *os << c.keys;
}

class KeysThatPrintARegister : public ::testing::TestWithParam<PrintedCase> {};

// ST, T, MST and MT close a waiting product or quotient as = does, so the
// number typed for it is on the tape.
TEST_P(KeysThatPrintARegister, CloseAWaitingProductWithItsOwnLines) {
    const PrintedCase& c = GetParam();
    Machine m;
    m.keys(c.keys);
    EXPECT_EQ(m.lines(), c.lines);
    EXPECT_EQ(m.flags(), c.flags);
    EXPECT_EQ(m.mainLed(), c.mainLed);
    EXPECT_TRUE(m.messages.shown.empty());
    expectReplaysToItself(m);
}

const PrintedCase kPrintedCases[] = {
    {"TotalAfterMultiply",
     "70 X 84 Ttl",
     {"70.00 X", "84.00 =", "5,880.00", "0.00 Ttl ;0 Items (0 Pos, 0 Neg)"},
     {"1010 I", "1018 I", "0 -", "1025 -"},
     "5,880."},
    {"SubTotalAfterDivide",
     "10 + 100 / 8 Sub",
     {"10.00 +", "100.00 /", "8.00 =", "12.50", "10.00 Sub ;1 Items (1 Pos, 0 Neg)"},
     {"1016 I", "1020 I", "1018 I", "0 -", "1026 -"},
     "10."},
    {"MemorySubTotalAfterMultiply",
     "4 M+= 6 X 7 MST",
     {"4.00 M+", "6.00 X", "7.00 =", "42.00", "4.00 MS"},
     {"1043 I", "1010 I", "1018 I", "0 -", "1032 -"},
     "4."},
    {"MemoryTotalAfterMultiply",
     "5 M+= 6 X 7 MT",
     {"5.00 M+", "6.00 X", "7.00 =", "42.00", "5.00 MT"},
     {"1043 I", "1010 I", "1018 I", "0 -", "1031 -"},
     "5."},
    {"PercentEntryTakesItsNoteToTheOperandLine",
     "200 + 10 X 15 % Ttl",
     {"200.00 +", "10.00 X", "1.50 = ;<% key> (15.00% of 10.00)", "15.00",
      "200.00 Ttl ;1 Items (1 Pos, 0 Neg)"},
     {"1016 I", "1010 I", "1018 I", "0 -", "1025 -"},
     "15."},
    {"ChainedProductThenTotal",
     "2 X 3 X 4 Ttl Ttl",
     {"2.00 X", "3.00 X", "4.00 =", "24.00", "0.00 Ttl ;0 Items (0 Pos, 0 Neg)",
      "0.00 Ttl ;0 Items (0 Pos, 0 Neg)"},
     {"1010 I", "1010 I", "1018 I", "0 -", "1025 -", "1025 -"},
     "0."},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeysThatPrintARegister, ::testing::ValuesIn(kPrintedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every register, every snapshot and both LEDs are what = followed by the
// key gives: the key does nothing of its own to the closing.
TEST(KeysThatPrintARegister, LeaveWhatEqualsThenTheKeyLeaves) {
    for (const char* key : {"Ttl", "Sub", "MST", "MT"}) {
        SCOPED_TRACE(key);
        Machine direct;
        direct.keys(std::string("3 M+= 12 + 70 X 84 ") + key);
        Machine viaEquals;
        viaEquals.keys(std::string("3 M+= 12 + 70 X 84 = ") + key);
        EXPECT_EQ(shown(direct), shown(viaEquals));
        EXPECT_EQ(direct.doc.registers(), viaEquals.doc.registers());
        ASSERT_EQ(direct.doc.m_lineCount, viaEquals.doc.m_lineCount);
        for (int i = 0; i < direct.doc.m_lineCount; ++i) {
            EXPECT_EQ(direct.doc.state(i)->m_registers, viaEquals.doc.state(i)->m_registers)
                << "line " << i;
            EXPECT_EQ(direct.doc.state(i)->m_lineValue, viaEquals.doc.state(i)->m_lineValue);
        }
    }
}

// A refused = refuses the key as well: nothing is printed or changed, and
// the operation is still waiting for its number.
TEST(KeysThatPrintARegister, StopWhenTheClosingIsRefused) {
    const struct {
        const char* before;
        const char* key;
        const char* message;
        const char* afterFourEquals;
    } rows[] = {
        {"100 / 0", "Ttl", "Error:  Divide by zero operations not allowed!", "25.00"},
        {"70 X", "Sub", "You must press a number key prior to pressing this key.", "280.00"},
        {"5 M+= 70 X", "MT", "You must press a number key prior to pressing this key.", "280.00"},
        {"70 X", "MST", "You must press a number key prior to pressing this key.", "280.00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.before) + " " + row.key);
        Machine m;
        m.keys(row.before);
        const Registers before = m.doc.registers();
        const Lines lines = m.lines();
        m.messages.shown.clear();
        m.keys(row.key);
        EXPECT_EQ(m.messages.shown, Lines{row.message});
        EXPECT_EQ(m.lines(), lines);
        EXPECT_EQ(m.doc.registers(), before);
        m.keys("4 =");
        EXPECT_EQ(m.lines().back(), row.afterFourEquals);
    }
}

// A % or MR that is dropped before any line takes it leaves nothing behind:
// not its note (which would land on a later line and be re-keyed there),
// and not the last and repeat values it put in place of the user's.
TEST(DroppedNotes, LeaveNothingThatNoLineRecords) {
    const struct {
        const char* keys;
        Lines lines;
    } rows[] = {
        // = with nothing to close drops the entry and its note.
        {"5 + 10 % = X 2 =", {"5.00 +", "0.00 X", "2.00 =", "0.00"}},
        {"7 M+= 5 + MR = Ttl", {"7.00 M+", "5.00 +", "5.00 Ttl ;1 Items (1 Pos, 0 Neg)"}},
        // Typed over, the % no longer sets the value ST leaves for a repeat...
        {"5 + 10 % 3 Sub +", {"5.00 +", "5.00 Sub ;1 Items (1 Pos, 0 Neg)", "5.00 +"}},
        {"7 M+= 3 + MR 4 Sub +",
         {"7.00 M+", "3.00 +", "3.00 Sub ;1 Items (1 Pos, 0 Neg)", "3.00 +"}},
        // ...nor the cost a mark-up starts from.
        {"80 X 50 % 2 0 MUD",
         {"80.00 X", "20.00 %MU ;profit rate: 20.00%", "20.00 $MU ;$ Mark up",
          "100.00 $SP ;Selling price: $100.00"}},
        {"9 M+= 80 X MR <- 2 0 MUD",
         {"9.00 M+", "80.00 X", "20.00 %MU ;profit rate: 20.00%", "20.00 $MU ;$ Mark up",
          "100.00 $SP ;Selling price: $100.00"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        Machine m;
        m.keys(row.keys);
        EXPECT_EQ(m.lines(), row.lines);
        expectReplaysToItself(m);
    }
}

// Keys pressed after the last line print nothing, so a recalculation (a
// new precision, say) must leave them as they were: the next key then
// prints what it would have printed without the recalculation.
TEST(WorkAfterTheLastLine, SurvivesARecalculation) {
    const struct {
        const char* before;
        const char* after;
    } rows[] = {
        {"5 + 10 %", "+ Ttl"},        {"5 + Neg", "+ Ttl"},
        {"12 + Ttl <-", "+"},         {"5 + 3 Ttl", "+"},
        {"80 X 20 MUD Neg", "+ Ttl"}, {"7 M+= MR", "5 +"},
        {"9 M+= 2 + MR 4", "Sub +"},  {"5 + .", "2 +"},
        {"30 X 2 Neg", "Ttl"},        {"100 / 8 = 5 Neg", "MUD"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.before) + " | " + row.after);
        Machine straight;
        straight.keys(row.before);
        const Shown beforeNext = shown(straight);
        straight.keys(row.after);

        Machine recalculated;
        recalculated.keys(row.before);
        recalculated.messages.script = {Answer::Yes};
        recalculated.calc.onPrecisionButton(cmd::Precision3);
        recalculated.messages.script = {Answer::Yes};
        recalculated.calc.onPrecisionButton(cmd::Precision2);
        EXPECT_EQ(recalculated.form.mainLedText(), beforeNext.mainLed);
        EXPECT_EQ(recalculated.form.memoryLedText(), beforeNext.memoryLed);
        recalculated.keys(row.after);
        EXPECT_EQ(shown(recalculated), shown(straight));
    }
}

// The tape changed under the keys: the total the Neg was taken from is no
// longer the total, so only an entry being typed goes on.
TEST(WorkAfterTheLastLine, GivesWayWhenTheTapeChanged) {
    Machine m;
    m.keys("5 + 3 + Neg");
    m.doc.line(1)->m_value = 4.0;
    m.recalc.recalculate();
    EXPECT_EQ(m.mainLed(), "9.");
    m.keys("12");
    m.doc.line(1)->m_value = 6.0;
    m.recalc.recalculate();
    EXPECT_EQ(m.mainLed(), "12.");
    m.keys("+");
    EXPECT_EQ(m.lines(), (Lines{"5.00 +", "6.00 +", "12.00 +"}));
}

// The replay starts from a cleared calculator without printing a Clear
// line, so a full tape replays without "TOO MANY LINES IN TAPE BOX".
TEST(ReplayStart, FullTapeRecalculatesWithoutAMessage) {
    Machine m;
    m.keys("C");
    while (m.doc.m_lineCount < kMaxLines - 3) m.keys("1 +");
    m.keys("2 X 3 +");
    ASSERT_EQ(m.doc.m_lineCount, kMaxLines);
    m.messages.shown.clear();
    expectReplaysToItself(m);
    EXPECT_TRUE(m.messages.shown.empty());
    // Still full: the next line is refused as before.
    m.keys("4 +");
    EXPECT_EQ(m.messages.shown, Lines{"TOO MANY LINES IN TAPE BOX"});
}

// A % on the first line has no line above it to take its base from, after
// a replay as on a fresh tape.
TEST(ReplayStart, PercentOnTheFirstLineHasNoBase) {
    Machine m;
    m.keys("50 % + Ttl");
    EXPECT_EQ(m.lines().front(), "0.00 + ;<% key> (50.00% of 0.00)");
    expectReplaysToItself(m);
}

// Stands in for the Edit Tape Box Entry dialog.
class FakeEditor : public StepEditor {
   public:
    explicit FakeEditor(std::function<bool(CReplayStep&)> edit) : m_edit(std::move(edit)) {}
    bool editStep(std::vector<CReplayStep>& steps, int index, bool&) override {
        ++calls;
        return m_edit(steps[static_cast<std::size_t>(index)]);
    }
    int calls = 0;

   private:
    std::function<bool(CReplayStep&)> m_edit;
};

TEST(EditedSteps, RefusedOrCancelledEditKeepsAWaitingRecalculation) {
    for (const bool accept : {false, true}) {
        SCOPED_TRACE(accept ? "accepted" : "refused");
        Machine m;
        m.keys("5 + 6 + 7 +");
        m.doc.eraseLine(1);
        m.form.deleteRow(1);
        m.calc.m_recalcPending = true;
        FakeEditor editor([accept](CReplayStep& step) {
            step.m_comment = " ;checked";
            return accept;
        });
        m.recalc.recalculate(0, &editor);
        EXPECT_EQ(editor.calls, 1);
        EXPECT_EQ(m.calc.m_recalcPending, !accept);
        if (accept)
            EXPECT_EQ(m.lines(), (Lines{"5.00 + ;checked", "7.00 +"}));
        else
            EXPECT_EQ(m.lines(), (Lines{"5.00 +", "7.00 +"}));
        // Whatever the editor did, the next line sees the recalculated tape.
        m.keys("1 +");
        EXPECT_FALSE(m.calc.m_recalcPending);
        EXPECT_DOUBLE_EQ(m.doc.m_total, 13.0);
    }
    Machine m;
    m.keys("5 +");
    m.calc.m_recalcPending = true;
    m.recalc.recalculate(3, nullptr);
    EXPECT_TRUE(m.calc.m_recalcPending) << "an edit of no line replays nothing";
}

TEST(EditedSteps, MemoryRecallLineKeepsItsCommentUnderAutoCommentSubtotal) {
    CSettings s;
    s.autoCommentSubtotal = true;
    Machine m(s);
    m.keys("7 M+= MR + 2 +");
    EXPECT_EQ(m.lines(), (Lines{"7.00 M+ ;cur sub: 0.000000", "7.00 + ;<MR key pressed>",
                                "2.00 + ;cur sub: 9.000000"}));
    FakeEditor editor([](CReplayStep& step) {
        step.m_valueText = "9.";
        return true;
    });
    m.recalc.recalculate(0, &editor);
    EXPECT_EQ(m.lines(), (Lines{"9.00 M+ ;cur sub: 0.000000", "9.00 + ;<MR key pressed>",
                                "2.00 + ;cur sub: 11.000000"}));
    expectReplaysToItself(m);
}

// What the dialog makes of "MR" typed as the value: a Memory Recall line
// that shows the memory of its place in the tape, with the MR comment.
TEST(EditedSteps, ValueEditedToMemoryRecallReplaysAsOne) {
    for (const bool autoComment : {false, true}) {
        SCOPED_TRACE(autoComment ? "Auto Comment Subtotal" : "plain");
        CSettings s;
        s.autoCommentSubtotal = autoComment;
        Machine m(s);
        m.keys("7 M+= 3 + 2 M+=");
        FakeEditor editor([](CReplayStep& step) {
            step.m_valueText = "MR";
            step.m_isMemoryRecall = true;
            step.m_comment.clear();
            return true;
        });
        m.recalc.recalculate(1, &editor);
        const Lines lines = m.lines();
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[1], "7.00 + ;<MR key pressed>");
        EXPECT_EQ(m.flags()[1], "1016 I");
        EXPECT_DOUBLE_EQ(m.doc.m_total, 7.0);
        EXPECT_EQ(m.memoryLed(), "9.");
        expectReplaysToItself(m);
        // Still a Memory Recall line: it follows an edited memory.
        m.doc.line(0)->m_value = 4.0;
        m.recalc.recalculate();
        EXPECT_EQ(m.lines()[1], "4.00 + ;<MR key pressed>");
    }
}

// Under Auto Decimal a value from the edit dialog is the whole value,
// however many characters it has; a single digit is not a digit key.
TEST(EditedSteps, AutoDecimalTakesEditedValuesWhole) {
    const struct {
        const char* value;
        const char* line;
    } rows[] = {{"5", "5.00 +"},   {"12", "12.00 +"}, {"1234", "1,234.00 +"},  {"0", "0.00 +"},
                {"-7", "-7.00 +"}, {"2.5", "2.50 +"}, {"1,234", "1,234.00 +"}, {"", "0.00 +"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.value + "\"");
        CSettings s;
        s.autoDecimal = true;
        Machine m(s);
        m.keys("1 0 0 0 + 2 0 0 +");
        FakeEditor editor([&row](CReplayStep& step) {
            step.m_valueText = row.value;
            return true;
        });
        m.recalc.recalculate(1, &editor);
        EXPECT_EQ(m.lines(), (Lines{"10.00 +", row.line}));
    }
    // A percentage edited without a point is whole as well.
    CSettings s;
    s.autoDecimal = true;
    Machine m(s);
    m.keys("2 0 0 0 0 + 1 5 0 0 % +");
    EXPECT_EQ(m.lines()[1], "30.00 + ;<% key> (15.00% of 200.00)");
    FakeEditor editor([](CReplayStep& step) {
        step.m_valueText = "5";
        return true;
    });
    m.recalc.recalculate(1, &editor);
    EXPECT_EQ(m.lines()[1], "10.00 + ;<% key> (5.00% of 200.00)");
}

}  // namespace
}  // namespace vor::test
