// Delete Line, Delete Lines, Undo Last Line and the truncation they share.
#include "tape/line_removal.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/command_ids.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kGeneratedRefusal =
    "This line cannot be deleted because it is a VOR-generated line.  This line is dependent "
    "upon one or more lines above it in the tape box.  Deleting the line upon which this one "
    "depends, will result in the removal of this line.";
const char* const kClearAllWarning =
    "This will clear all contents from the tape box.  This operation can not be undone.  "
    "Continue?";

struct RemovalRig : Machine {
    explicit RemovalRig(CSettings s = {}) : Machine(s) {}
    void select(int row) { ASSERT_TRUE(form.selectRow(row)); }
    // The tape box as the user leaves it after clicking beside every row.
    void unselect() {
        const Lines rows = form.rows();
        form.resetRows();
        for (const std::string& row : rows) form.addRow(row);
    }
    CLineRemover remover{calc, recalc};
};

// "1 +" keyed `count` times and a total: count + 1 lines.
std::string ones(int count) {
    std::string keys;
    for (int i = 0; i < count; ++i) keys += "1 + ";
    return keys + "Ttl";
}

TEST(DeleteLine, RefusesWithoutASelectionAndOnGeneratedLines) {
    RemovalRig m;
    m.keys("7 X 3 +");
    const Lines before = m.lines();
    m.unselect();
    m.remover.deleteLine();
    m.select(2);
    m.remover.deleteLine();
    EXPECT_EQ(m.messages.shown, (Lines{"No line selected!", kGeneratedRefusal}));
    EXPECT_EQ(m.messages.icons, (std::vector<Icon>{Icon::Exclamation, Icon::Information}));
    EXPECT_EQ(m.lines(), before);
}

TEST(DeleteLine, TheOnlyLineClearsTapeAndMemoryWithoutAsking) {
    RemovalRig m;
    m.keys("5 M+=");
    m.select(0);
    m.remover.deleteLine();
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_TRUE(m.form.rows().empty());
    EXPECT_EQ(m.mainLed(), "0.");
    EXPECT_EQ(m.memoryLed(), "0.");
}

TEST(DeleteLine, TheLastLineGoesWithWhatItDid) {
    RemovalRig m;
    m.keys("10 + 20 +");
    m.remover.deleteLine();
    EXPECT_EQ(m.lines(), Lines{"10.00 +"});
    EXPECT_EQ(m.mainLed(), "10.");
    EXPECT_EQ(m.form.selectedRow(), 0);
    EXPECT_TRUE(m.messages.shown.empty());
}

TEST(DeleteLine, AMiddleLineIsReplayedAwayWithTheLinesItGenerated) {
    RemovalRig m;
    m.keys("10 + 7 X 3 + 20 + Ttl");
    m.select(1);
    m.remover.deleteLine();
    EXPECT_EQ(m.lines(),
              (Lines{"10.00 +", "3.00 +", "20.00 +", "33.00 Ttl ;3 Items (3 Pos, 0 Neg)"}));
    EXPECT_EQ(m.form.rows().size(), 4u);
    EXPECT_EQ(m.form.selectedRow(), 1);
    EXPECT_TRUE(m.messages.shown.empty());
}

struct LongTapeCase {
    const char* name;
    int remaining;  // lines left after the deletion
    bool asks;
};

void PrintTo(const LongTapeCase& c, std::ostream* os) {
    *os << c.remaining << " lines left";
}

class DeleteFromLongTape : public ::testing::TestWithParam<LongTapeCase> {};

// Declining leaves a shortened tape whose totals are stale until the next
// line is keyed, which replays it first.
TEST_P(DeleteFromLongTape, AsksBeforeReplayingFrom250LinesOn) {
    const LongTapeCase& c = GetParam();
    RemovalRig m;
    m.keys(ones(c.remaining));
    m.messages.script.push_back(Answer::No);
    m.select(0);
    m.remover.deleteLine();
    EXPECT_EQ(m.doc.m_lineCount, c.remaining);
    EXPECT_EQ(m.form.selectedRow(), 0);
    const std::string total = std::to_string(c.remaining) + ".00 Ttl";
    const std::string recalculated = std::to_string(c.remaining - 1) + ".00 Ttl";
    if (!c.asks) {
        EXPECT_TRUE(m.messages.shown.empty());
        EXPECT_TRUE(m.lines().back().starts_with(recalculated)) << m.lines().back();
        return;
    }
    EXPECT_EQ(m.messages.shown, Lines{"Recalulate now?"});
    EXPECT_TRUE(m.calc.m_recalcPending);
    EXPECT_TRUE(m.lines().back().starts_with(total)) << m.lines().back();

    m.keys("5 +");
    EXPECT_FALSE(m.calc.m_recalcPending);
    const Lines lines = m.lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.remaining + 1));
    EXPECT_TRUE(lines[lines.size() - 2].starts_with(recalculated)) << lines[lines.size() - 2];
    EXPECT_EQ(lines.back(), "5.00 +");
}

INSTANTIATE_TEST_SUITE_P(Remaining, DeleteFromLongTape,
                         ::testing::Values(LongTapeCase{"Lines249", 249, false},
                                           LongTapeCase{"Lines250", 250, true},
                                           LongTapeCase{"Lines251", 251, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeleteLine, YesToTheQuestionReplaysAtOnce) {
    RemovalRig m;
    m.keys(ones(300));
    m.select(5);
    m.remover.deleteLine();
    EXPECT_EQ(m.messages.shown, Lines{"Recalulate now?"});
    EXPECT_FALSE(m.calc.m_recalcPending);
    EXPECT_TRUE(m.lines().back().starts_with("299.00 Ttl")) << m.lines().back();
    EXPECT_EQ(m.form.selectedRow(), 5);
}

// The replay put off after a deletion still knows the tape the keys worked
// on: the next + repeats the product of the new tape, not the old one.
TEST(DeleteLine, APutOffReplayDropsTheFiguresOfTheOldTape) {
    RemovalRig m;
    m.keys(ones(255) + " 12 X 3 X 2 = Ttl");
    m.messages.script.push_back(Answer::No);
    m.select(257);  // 3.00 X
    m.remover.deleteLine();
    ASSERT_TRUE(m.calc.m_recalcPending);
    m.keys("+");
    EXPECT_EQ(m.lines().back(), "24.00 +");
    EXPECT_EQ(m.mainLed(), "24.");
}

TEST(DeleteLinesBackThrough, RefusalsAndADeclinedQuestionChangeNothing) {
    RemovalRig m;
    m.keys("10 + 7 X 3 + 12");
    const Lines before = m.lines();
    m.unselect();
    m.remover.deleteLinesBackThrough();
    EXPECT_TRUE(m.messages.shown.empty());

    m.select(3);
    m.remover.deleteLinesBackThrough();
    m.select(1);
    m.messages.script.push_back(Answer::No);
    m.remover.deleteLinesBackThrough();
    EXPECT_EQ(m.messages.shown,
              (Lines{"The selected line is a vor-generated line and cannot be deleted.  Try to "
                     "delete one of the lines either above or below this one.",
                     "Delete Back through " + std::string(17, ' ') + "7.00  X?"}));
    EXPECT_EQ(m.messages.icons[0], Icon::Information);
    EXPECT_EQ(m.lines(), before);
    // The 12 being typed is no longer continued by the next digit.
    m.keys("4");
    EXPECT_EQ(m.mainLed(), "4.");
}

TEST(DeleteLinesBackThrough, RemovesTheSelectionAndEverythingBelowInOneReplay) {
    CSettings s;
    s.autoCopyTotal = true;  // every line a replay appends is copied once
    RemovalRig m(s);
    m.keys("10 + 20 + 30 + Ttl");
    m.select(2);
    m.hooks.copies = 0;
    m.remover.deleteLinesBackThrough();
    EXPECT_EQ(m.lines(), (Lines{"10.00 +", "20.00 +"}));
    EXPECT_EQ(m.hooks.copies, 2);
    EXPECT_EQ(m.mainLed(), "30.");
    EXPECT_EQ(m.form.selectedRow(), 1);
}

TEST(DeleteLinesBackThrough, FromTheFirstLineIsClearAll) {
    RemovalRig m;
    m.keys("10 + 20 + 5 M+=");
    m.select(0);
    m.remover.deleteLinesBackThrough();
    EXPECT_EQ(m.messages.shown.back(), kClearAllWarning);
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_EQ(m.memoryLed(), "0.");
}

TEST(UndoLastLine, RemovesTheLastLineAndShowsTheLedsOfTheLineBefore) {
    RemovalRig m;
    m.keys("5 M+= 12 +");
    const std::string main = m.mainLed(), memory = m.memoryLed();
    m.keys("3 M+=");
    ASSERT_NE(m.memoryLed(), memory);
    m.remover.undoLastLine();
    EXPECT_EQ(m.messages.shown, Lines{"Undo  3.00  M+ ?"});
    EXPECT_EQ(m.lines(), (Lines{"5.00 M+", "12.00 +"}));
    EXPECT_EQ(m.mainLed(), main);
    EXPECT_EQ(m.memoryLed(), memory);
    m.keys("MT Ttl");
    EXPECT_EQ(m.lines()[2], "5.00 MT");
    EXPECT_EQ(m.lines()[3], "12.00 Ttl ;1 Items (1 Pos, 0 Neg)");
}

TEST(UndoLastLine, DeclinedStillStartsANewEntry) {
    RemovalRig m;
    m.keys("12 + 3");
    m.messages.script.push_back(Answer::No);
    m.remover.undoLastLine();
    EXPECT_EQ(m.lines(), Lines{"12.00 +"});
    m.keys("4");
    EXPECT_EQ(m.mainLed(), "4.");
}

TEST(UndoLastLine, EmptyAndOneLineTapes) {
    RemovalRig m;
    m.remover.undoLastLine();
    EXPECT_EQ(m.messages.shown, Lines{"Nothing to undo!"});
    EXPECT_EQ(m.messages.icons, std::vector<Icon>{Icon::Exclamation});

    m.keys("12 +");
    m.messages.shown.clear();
    m.messages.script = {Answer::Yes, Answer::No};  // undo it, but keep the tape
    m.remover.undoLastLine();
    EXPECT_EQ(m.messages.shown, (Lines{"Undo  12.00  +  ?", kClearAllWarning}));
    EXPECT_EQ(m.doc.m_lineCount, 1);

    m.remover.undoLastLine();
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_EQ(m.mainLed(), "0.");
}

// Undo is a menu command: while a macro is recorded it acts, and the
// Clear All it runs on a one-line tape is not recorded either.
TEST(UndoLastLine, ActsWhileAMacroIsRecorded) {
    RemovalRig m;
    m.keys("12 +");
    m.calc.m_macroRecording = true;
    m.remover.undoLastLine();
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_TRUE(m.hooks.recorded.empty());
    EXPECT_TRUE(m.calc.m_macroRecording);
}

TEST(UndoLastLine, CaptionAndEnabling) {
    RemovalRig m;
    EXPECT_FALSE(m.remover.canUndo());
    EXPECT_EQ(m.remover.undoCaption(), "Cannot Undo.");
    m.keys("12 +");
    EXPECT_TRUE(m.remover.canUndo());
    EXPECT_EQ(m.remover.undoCaption(), "Undo" + std::string(16, ' ') + "12.00  +  ");
    m.keys("X 3 +");
    EXPECT_FALSE(m.remover.canUndo());
    EXPECT_EQ(m.remover.undoCaption(), "Cannot Undo vor-generated lines.");
    // Whoever asks, a generated last line is not undone.
    const Lines before = m.lines();
    m.remover.undoLastLine();
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_EQ(m.lines(), before);
}

TEST(TruncateTape, KeepsTheFirstLinesSelectsTheLastAndMarksTheTapeModified) {
    for (const bool prompt : {true, false}) {
        CSettings s;
        s.promptToSaveOnExit = prompt;
        RemovalRig m(s);
        m.keys("10 + 20 + Sub 30 + Ttl");
        m.doc.m_modified = false;
        m.select(0);
        m.remover.truncateTape(3);
        EXPECT_EQ(m.lines(), (Lines{"10.00 +", "20.00 +", "30.00 Sub ;2 Items (2 Pos, 0 Neg)"}));
        EXPECT_EQ(m.form.selectedRow(), 2);
        EXPECT_EQ(m.doc.m_modified, prompt);
        EXPECT_TRUE(m.messages.shown.empty());
    }
}

TEST(TruncateTape, NothingLeftIsClearAll) {
    RemovalRig m;
    m.keys("10 + 20 +");
    m.messages.script.push_back(Answer::No);
    m.remover.truncateTape(0);
    EXPECT_EQ(m.messages.shown, Lines{kClearAllWarning});
    EXPECT_EQ(m.doc.m_lineCount, 2);

    m.settings.showClearAllWarning = false;
    m.remover.truncateTape(0);
    EXPECT_EQ(m.doc.m_lineCount, 0);
    EXPECT_TRUE(m.form.rows().empty());
}

}  // namespace
}  // namespace vor::test
