// The document's tape operations keep each line, its snapshot and the line
// count together, and a line's snapshot brings the whole machine back.
#include <gtest/gtest.h>

#include <ostream>

#include "core/number_text.h"
#include "test_support.h"

namespace vor {

// Readable failures for whole-register comparisons.
void PrintTo(const Registers& r, std::ostream* os) {
    *os << "{main \"" << r.m_mainText << "\" memory \"" << r.m_memoryText << "\" total "
        << r.m_total << " memory " << r.m_memory << " last " << r.m_lastValue << " factor "
        << r.m_factor << " repeat " << r.m_repeatValue << " reserved " << r.m_reservedReal5
        << " product " << r.m_product << " neg " << r.m_negCount << " items " << r.m_itemCount
        << " op " << r.m_lastOp << " precision " << r.m_precision << " rounding " << r.m_rounding
        << " decimal " << r.m_decimalEntered << " new " << r.m_newEntry << " rebuild "
        << r.m_rebuildTape << "}";
}

}  // namespace vor

namespace vor::test {
namespace {

using Tags = std::vector<std::string>;

// A line and a snapshot that carry the same tag, so a test can see whether
// they are still side by side after the tape was changed.
CTapeLine taggedLine(const std::string& tag) {
    CTapeLine line;
    line.setText(tag);
    return line;
}
CLineState taggedState(const std::string& tag) {
    CLineState state;
    state.m_registers.m_mainText = tag;
    return state;
}
bool appendTagged(CVORDoc& doc, const std::string& tag) {
    return doc.appendLine(taggedLine(tag), taggedState(tag));
}
bool insertTagged(CVORDoc& doc, int index, const std::string& tag) {
    return doc.insertLine(index, taggedLine(tag), taggedState(tag));
}

// The tags in tape order; a line whose snapshot carries another tag shows
// as "line/state".
Tags tags(const CVORDoc& doc) {
    Tags out;
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const std::string line = doc.line(i)->m_text;
        const std::string state = doc.state(i)->m_registers.m_mainText;
        out.push_back(line == state ? line : line + "/" + state);
    }
    EXPECT_EQ(doc.line(doc.m_lineCount), nullptr);
    EXPECT_EQ(doc.state(doc.m_lineCount), nullptr);
    EXPECT_EQ(doc.line(-1), nullptr);
    return out;
}

TEST(DocumentTape, OperationsKeepLinesAndSnapshotsTogether) {
    CVORDoc doc;
    EXPECT_EQ(doc.lastLine(), nullptr);
    for (const char* t : {"a", "b", "c"}) EXPECT_TRUE(appendTagged(doc, t));
    EXPECT_EQ(tags(doc), (Tags{"a", "b", "c"}));
    EXPECT_EQ(doc.lastLine()->m_text, "c");

    EXPECT_TRUE(insertTagged(doc, 0, "top"));
    EXPECT_TRUE(insertTagged(doc, 2, "mid"));
    EXPECT_TRUE(insertTagged(doc, doc.m_lineCount, "end"));
    EXPECT_EQ(tags(doc), (Tags{"top", "a", "mid", "b", "c", "end"}));

    EXPECT_FALSE(insertTagged(doc, -1, "x"));
    EXPECT_FALSE(insertTagged(doc, doc.m_lineCount + 1, "x"));
    EXPECT_FALSE(doc.eraseLine(-1));
    EXPECT_FALSE(doc.eraseLine(doc.m_lineCount));
    EXPECT_EQ(doc.m_lineCount, 6);

    EXPECT_TRUE(doc.eraseLine(0));
    EXPECT_TRUE(doc.eraseLine(1));
    EXPECT_TRUE(doc.eraseLine(doc.m_lineCount - 1));
    EXPECT_EQ(tags(doc), (Tags{"a", "b", "c"}));

    // Lines and snapshots are edited in place (comments, replayed values).
    doc.line(1)->setComment(" ;edited");
    doc.state(1)->m_lineValue = 4.5;
    EXPECT_EQ(doc.line(1)->m_comment, " ;edited");
    EXPECT_EQ(doc.state(1)->m_lineValue, 4.5);

    doc.truncate(5);
    EXPECT_EQ(tags(doc), (Tags{"a", "b", "c"}));
    doc.truncate(2);
    EXPECT_EQ(tags(doc), (Tags{"a", "b"}));
    EXPECT_TRUE(appendTagged(doc, "d"));
    EXPECT_EQ(tags(doc), (Tags{"a", "b", "d"}));
    doc.truncate(-3);
    EXPECT_EQ(doc.m_lineCount, 0);
    EXPECT_TRUE(tags(doc).empty());

    appendTagged(doc, "e");
    doc.destroyLines();
    EXPECT_EQ(doc.m_lineCount, 0);
}

TEST(DocumentTape, FullTapeRefusesNewLinesUntilOneGoes) {
    CVORDoc doc;
    for (int i = 0; i < kMaxLines; ++i) ASSERT_TRUE(appendTagged(doc, std::to_string(i)));
    EXPECT_FALSE(appendTagged(doc, "over"));
    EXPECT_FALSE(insertTagged(doc, 0, "over"));
    EXPECT_EQ(doc.m_lineCount, kMaxLines);
    EXPECT_EQ(doc.lastLine()->m_text, "999");

    EXPECT_TRUE(doc.eraseLine(500));
    EXPECT_TRUE(insertTagged(doc, 0, "first"));
    const Tags t = tags(doc);
    ASSERT_EQ(t.size(), static_cast<std::size_t>(kMaxLines));
    EXPECT_EQ(t[0], "first");
    EXPECT_EQ(t[500], "499");
    EXPECT_EQ(t[501], "501");
}

TEST(DocumentTape, NewTapeDropsLinesAndResetsRegisters) {
    Machine m;
    m.keys("12 X 3 + 4 M+= 7 - Sub");
    m.doc.m_modified = true;
    m.doc.startNewTape(4, 13, true);
    EXPECT_EQ(m.doc.m_lineCount, 0);
    Registers expected;
    expected.m_mainText = expected.m_memoryText = "0.00";
    expected.m_precision = 4;
    expected.m_rounding = 13;
    expected.m_rebuildTape = true;
    EXPECT_EQ(m.doc.registers(), expected);
    EXPECT_FALSE(m.doc.m_modified);
}

// Every register moved away from `r` (texts no LED shows, other numbers,
// every flag flipped), so no field can come back by coincidence.
Registers scrambled(const Registers& r) {
    Registers x;
    x.m_mainText = "main?";
    x.m_memoryText = "memory?";
    x.m_total = r.m_total + 11.5;
    x.m_memory = r.m_memory + 12.5;
    x.m_lastValue = r.m_lastValue + 13.5;
    x.m_factor = r.m_factor + 14.5;
    x.m_repeatValue = r.m_repeatValue + 15.5;
    x.m_reservedReal5 = r.m_reservedReal5 + 16.5;
    x.m_product = r.m_product + 17.5;
    x.m_negCount = r.m_negCount + 3;
    x.m_itemCount = r.m_itemCount + 4;
    x.m_lastOp = r.m_lastOp + 5;
    x.m_precision = r.m_precision + 6;
    x.m_rounding = r.m_rounding + 7;
    x.m_decimalEntered = !r.m_decimalEntered;
    x.m_newEntry = !r.m_newEntry;
    x.m_rebuildTape = !r.m_rebuildTape;
    return x;
}

// Items, negatives, a product, a quotient, memory, %, MR, mark-up, Clear
// and a typed decimal left in the entry.
constexpr const char* kVariedTape =
    "12 X 3 + 5 + + 7 Neg - Sub 2.5 M+= 100 / 8 = 9 M-= MR + 200 + 15 % + 80 X 20 MUD C "
    "3 X 4 = MST Ttl 1.75 + MT 6 .";

TEST(Snapshots, RestoringALineBringsBackEveryRegisterAndTheLeds) {
    const struct {
        const char* name;
        bool autoDecimal;
        bool european;
        int precision;
    } setups[] = {{"Plain", false, false, 2},
                  {"AutoDecimal", true, false, 2},
                  {"EuropeanFloating", false, true, kFormatFloating}};
    for (const auto& setup : setups) {
        SCOPED_TRACE(setup.name);
        CSettings s;
        s.autoDecimal = setup.autoDecimal;
        s.europeanMode = setup.european;
        Machine m(s, setup.precision);
        m.keys(kVariedTape);
        ASSERT_GE(m.doc.m_lineCount, 25);
        for (int i = 0; i < m.doc.m_lineCount; ++i) {
            SCOPED_TRACE("line " + std::to_string(i));
            const CLineState saved = *m.doc.state(i);
            m.doc.setRegisters(scrambled(saved.m_registers));
            m.calc.m_lastLineValue = saved.m_lineValue + 1.0;
            m.calc.m_mainLED = m.calc.m_memoryLED = "stale";
            m.form.setLedTexts("stale", "stale");

            m.calc.restoreSnapshot(saved);
            EXPECT_EQ(m.doc.registers(), saved.m_registers);
            EXPECT_EQ(m.calc.m_lastLineValue, saved.m_lineValue);
            const std::string& main = saved.m_registers.m_mainText;
            const std::string& memory = saved.m_registers.m_memoryText;
            EXPECT_EQ(m.calc.m_mainLED, main);
            EXPECT_EQ(m.calc.m_memoryLED, memory);
            EXPECT_EQ(m.form.mainLedText(), setup.european ? europeanExchange(main) : main);
            EXPECT_EQ(m.form.memoryLedText(), setup.european ? europeanExchange(memory) : memory);

            // Taking the snapshot again gives the same one back.
            CLineState again;
            m.calc.takeSnapshot(again);
            EXPECT_EQ(again.m_registers, saved.m_registers);
            EXPECT_EQ(again.m_lineValue, saved.m_lineValue);
        }
    }
}

// Restoring needs a line to return to; taking a snapshot does not, since
// the first line's snapshot is taken while the tape is still empty.
TEST(Snapshots, EmptyTapeRestoresNothingButTakesTheState) {
    Machine m;
    const Registers before = m.doc.registers();
    const std::string led = m.form.mainLedText();
    CLineState other;
    other.m_registers = scrambled(before);
    other.m_lineValue = 3.0;
    m.calc.restoreSnapshot(other);
    EXPECT_EQ(m.doc.registers(), before);
    EXPECT_EQ(m.form.mainLedText(), led);

    CLineState taken = other;
    m.calc.takeSnapshot(taken);
    EXPECT_EQ(taken.m_registers, before);
    EXPECT_EQ(taken.m_lineValue, m.calc.m_lastLineValue);
}

// Lines made outside the engine keep the snapshot appendLine took; on the
// first line that one must be complete too, or undo back to it would bring
// back precision 0 and rounding 0.
TEST(Snapshots, FirstLineMadeOutsideTheEngineHasAFullSnapshot) {
    const struct {
        const char* name;
        bool autoDecimal;
        int precision;
        const char* seven;  // the line "7 +" prints
    } setups[] = {{"Plain", false, 2, "7.00 +"},
                  {"AutoDecimal", true, 2, "0.07 +"},
                  {"ThreeDecimals", false, 3, "7.000 +"}};
    for (const auto& setup : setups) {
        SCOPED_TRACE(setup.name);
        CSettings s;
        s.autoDecimal = setup.autoDecimal;
        Machine m(s, setup.precision);
        m.keys("C");
        const Registers afterClear = m.doc.registers();
        ASSERT_EQ(m.doc.m_lineCount, 1);
        EXPECT_EQ(m.doc.state(0)->m_registers, afterClear);
        EXPECT_EQ(m.doc.state(0)->m_registers.m_precision, setup.precision);
        EXPECT_EQ(m.doc.state(0)->m_registers.m_rounding, Machine::kRoundOffCode);

        // Undo's way back to the first line: restore it, drop the rest. The
        // keys that follow must print as they did right after the Clear.
        m.keys("5 +");
        m.calc.restoreSnapshot(*m.doc.state(0));
        m.doc.truncate(1);
        m.form.deleteRow(1);
        EXPECT_EQ(m.doc.registers(), afterClear);
        m.keys("7 +");
        EXPECT_EQ(m.lines(), (std::vector<std::string>{"<clear>", setup.seven}));
    }
}

// Going back to a line's snapshot and dropping the lines after it is what
// undo does: the keys that follow must then print what they printed the
// first time. A register the snapshot missed would show up in those lines.
TEST(Snapshots, KeyingOnFromARestoredLineRepeatsTheTape) {
    const struct {
        const char* before;
        const char* after;
    } rows[] = {
        {"12 X 3 + 5 +", "+ 4 - Sub 2 X 3 = Ttl"},
        {"7 M+= 2 M-=", "MR + MST 3 M+= MT"},
        {"80 X", "20 MUD + Ttl"},
        {"100 / 8 =", "5 + 10 % + Ttl"},
        {"5 + 2 Neg - 7 -", "+ Sub Ttl"},
        {"2 X", "3 X 4 = +"},
        {"5 + 1.5 +", "3 + Ttl"},
        {"80 X 20 MUD", "+ Ttl"},
        {"110 / 10 MUD", "5 X 2 ="},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.before) + " | " + row.after);
        Machine m;
        m.keys(row.before);
        const int kept = m.doc.m_lineCount;
        m.keys(row.after);
        const std::vector<std::string> whole = m.lines();
        const std::string mainLed = m.mainLed();
        const std::string memoryLed = m.memoryLed();

        m.calc.restoreSnapshot(*m.doc.state(kept - 1));
        m.doc.truncate(kept);
        while (m.form.rowCount() > kept) m.form.deleteRow(m.form.rowCount() - 1);
        m.keys(row.after);
        EXPECT_EQ(m.lines(), whole);
        EXPECT_EQ(m.mainLed(), mainLed);
        EXPECT_EQ(m.memoryLed(), memoryLed);
    }
}

// A % or MR note, or a negated value waiting to be repeated, belongs to
// keys after the line; going back to the line drops them with those keys.
TEST(Snapshots, RestoringALineDropsWhatLaterKeysLeftWaiting) {
    for (const char* waiting : {"10 %", "MR", "Neg"}) {
        SCOPED_TRACE(waiting);
        Machine m;
        m.keys("4 M+= 5 + 3 +");
        const int kept = 2;
        m.keys(waiting);
        m.calc.restoreSnapshot(*m.doc.state(kept - 1));
        m.doc.truncate(kept);
        m.form.deleteRow(kept);
        EXPECT_FALSE(m.calc.m_hasPendingComment);
        m.keys("+");
        EXPECT_EQ(m.lines().back(), "5.00 +");
        EXPECT_EQ(m.flags().back(), "1016 R");
    }
}

}  // namespace
}  // namespace vor::test
