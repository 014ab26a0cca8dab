// The spreadsheet rows of a tape: header, columns and the formulas column A
// holds for each kind of line.
#include "clipboard/sheet_export.h"

#include <gtest/gtest.h>

#include <sstream>

#include "clipboard/sheet_formula.h"
#include "core/command_ids.h"
#include "core/tape_words.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Fields = std::vector<std::string>;

// The rows after the header, split at the tabs; column A without the
// leading blanks of the LED format.
std::vector<Fields> tapeRows(const std::string& exported) {
    std::vector<Fields> rows;
    std::stringstream in(exported);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        if (++number < kSheetFirstRow) continue;
        Fields fields;
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        if (!line.empty() && line.back() == '\t') fields.emplace_back();
        if (!fields.empty()) fields[0].erase(0, fields[0].find_first_not_of(' '));
        rows.push_back(fields);
    }
    return rows;
}

std::vector<std::string> columnA(const Machine& m) {
    std::vector<std::string> cells;
    for (const Fields& row : tapeRows(buildSheetExport(m.doc, ""))) cells.push_back(row[0]);
    return cells;
}

TEST(SheetExport, HeaderFillsSixRowsWithBareLineFeeds) {
    Machine m;
    m.keys("5 +");
    const std::string header =
        "Pasted from Vorlex v1.31 (Beta)\nhttps://vorlex.quillaby.example\n"
        "VOR File Path = Untitled\n"
        "The insertion point for this pasted text MUST be A1!\n"
        "Some spreadsheets might require global search and replacement of \"=  with  =\n \n";
    EXPECT_EQ(buildSheetExport(m.doc, ""), header + "                     5.\t+\t \n");
    EXPECT_NE(buildSheetExport(m.doc, "/home/ann/May rent.vor")
                  .find("\nVOR File Path = /home/ann/May rent.vor\nThe insertion"),
              std::string::npos);
}

struct ColumnCase {
    const char* name;
    const char* keys;
    std::vector<std::string> columnA;
};

class SheetColumnA : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(SheetColumnA, ComputesWhatTheTapeShows) {
    Machine m;
    m.keys(GetParam().keys);
    EXPECT_EQ(columnA(m), GetParam().columnA);
}

const ColumnCase kWorkedTapes[] = {
    {"SumAndTotal", "10 + 20 + Ttl", {"10.", "20.", "=+A7+A8"}},
    {"SubtotalLeavesTheTotalGoing",
     "10 + 20 + Sub 5 + Ttl 7 + Ttl",
     {"10.", "20.", "=+A7+A8", "5.", "=+A7+A8+A10", "7.", "=+A12"}},
    {"Product", "5 X 3 =", {"5.", "3.", "=A7*A8"}},
    {"ProductAddedAndRepeated",
     "12 X 3 + 5 + + Ttl",
     {"12.", "3.", "=A7*A8", "5.", "= A10", "=+A9+A10+A11"}},
    {"Percent", "200 + 15 % +", {"200.", "=(B8 * A7)"}},
    {"MemoryRecallAndTotals",
     "7 M+= 3 M+= MR + MST MT",
     {"7.", "3.", "=+A7+A8", "=+A7+A8", "=+A7+A8"}},
    {"MarkUp", "80 X 20 MUD", {"80.", "20.", "=A7/(1.0 -(A8/100))*(A8/100)", "=A7/(1.0-(A8/100))"}},
    {"MarkDown", "110 / 10 MUD", {"110.", "10.", "=A8 * A7 / (100 + A8)", "=A7 - A9"}},
    {"ClearStartsTheTotalAgain", "5 + 6 + C 7 + Ttl", {"5.", "6.", "<clear>", "7.", "=+A10"}},
};
INSTANTIATE_TEST_SUITE_P(WorkedTapes, SheetColumnA, ::testing::ValuesIn(kWorkedTapes),
                         [](const auto& info) { return std::string(info.param.name); });

// Tapes on which the plain running formulas would compute something other
// than the tape shows.
const ColumnCase kCorrectedTapes[] = {
    {"EmptyTotalIsZero", "Ttl", {"=0"}},
    {"RecallOfEmptyMemoryIsZero", "MR +", {"=0"}},
    {"NegatedRepeatIsItsOwnValue", "5 + Neg +", {"5.", "-5."}},
    {"RepeatAfterSubtotalTakesTheLastItem", "5 + 3 + Sub +", {"5.", "3.", "=+A7+A8", "= A8"}},
    {"RepeatAfterMarkUpTakesTheSellingPrice",
     "80 X 20 MUD +",
     {"80.", "20.", "=A7/(1.0 -(A8/100))*(A8/100)", "=A7/(1.0-(A8/100))", "= A10"}},
    {"PercentageKeepsAllItsDecimals", "1000 + 0.005 % +", {"1,000.", "=(B8 * A7)"}},
    {"NegatedPercent", "200 + 15 % Neg +", {"200.", "=-(B8 * A7)"}},
    {"NegatedRecall", "7 M+= MR Neg +", {"7.", "=-(+A7)"}},
    {"PercentOfNoLineIsItsValue", "15 % +", {"0."}},
    {"PercentOfClearLineIsItsValue", "5 + C 15 % +", {"5.", "<clear>", "0."}},
    {"TotalClosesTheProductFirst", "5 X 3 Ttl 2 +", {"5.", "3.", "=A7*A8", "=0", "2."}},
    {"ProductAfterMemoryTotalMultipliesIt",
     "7 M+= MT 2 X 3 =",
     {"7.", "=+A7", "2.", "3.", "=A8*A10"}},
    {"RefusedEqualsEmptiesTheProductRegister",
     "7 M+= MT 4 = 2 X 3 =",
     {"7.", "=+A7", "2.", "3.", "=A9*A10"}},
    {"ZeroDividedByZeroStaysZero", "0 / 0 =", {"0.", "0.", "=A7"}},
    {"MarkUpOfPercentCostsThePercentage",
     "80 X 20 % MUD",
     {"80.", "=(B8 * A7)", "=(B8 * A7)/(1.0 -(A8/100))*(A8/100)", "=(B8 * A7)/(1.0-(A8/100))"}},
    {"EntriesKeepEveryDigit",
     "123456789012.4 + 123456789012.4 + Ttl",
     {"123456789012.4", "123456789012.4", "=+A7+A8"}},
    {"RecallIsRoundedAsItsLedShowsIt",
     "1 / 3 M+= MR X 3000000 =",
     {"1.", "3.", "=A7/A8", "=ROUND(+A9,5)", "3,000,000.", "=A10*A11"}},
    {"OverflowEntryStillCounts",
     "1000000000000.5 + 999999999999 - Ttl",
     {"1000000000000.5", "999,999,999,999.", "=+A7-A8"}},
    {"ClearDropsTheOpenProduct", "5 X C 3 + Ttl", {"5.", "<clear>", "3.", "=+A9"}},
    // Large values rounded far from a tie: every spreadsheet rounds them as
    // the calculator does, so the formula stays.
    {"LargePercentageIsRoundedByFormula",
     "7451.64 + 582948.3757 % + Ttl",
     {"7,451.64", "=ROUND((B8 * A7),4)", "=+A7+A8"}},
    {"LargeMemorySumIsRoundedByFormula",
     "0.42 M-= 397560549642 M+= MST",
     {"0.42", "397,560,549,642.", "=ROUND(-A7+A8,0)"}},
};
INSTANTIATE_TEST_SUITE_P(CorrectedTapes, SheetColumnA, ::testing::ValuesIn(kCorrectedTapes),
                         [](const auto& info) { return std::string(info.param.name); });

struct TieCase {
    double value;
    int decimals;
    bool tie;
};

// A value is rounded by formula unless a spreadsheet, rounding in doubles on
// 15 digits, may round it the other way than the calculator does.
TEST(SheetFormula, OnlyTrueNearTiesAreLeftToTheTape) {
    const TieCase cases[] = {
        {2.675, 2, true},               // spreadsheets show 2.68, the calculator 2.67
        {1371355752.4249961, 2, true},  // LibreOffice rounds it up, the calculator down
        {0.000025, 5, true},
        {43439214.34301148, 4, false},  // .1148 beyond the last decimal shown
        {43439214.34304996, 4, true},   // just short of the tie: LibreOffice rounds up
        {43439214.3430499, 4, false},   // short by more than its 15th digit
        {43439214.3430501, 4, false},   // past it: everyone rounds up
        {397560549641.58, 0, false},
        {1371355752.4249, 2, false},
    };
    for (const TieCase& c : cases)
        EXPECT_EQ(sheet::nearHalfway(c.value, c.decimals), c.tie)
            << c.value << " at " << c.decimals;
}

TEST(SheetExport, PercentLinesCarryTheRateBeforeTheSymbol) {
    Machine m;
    m.keys("200 + 15 % Sub");
    const std::vector<Fields> rows = tapeRows(buildSheetExport(m.doc, ""));
    ASSERT_EQ(rows.size(), 2u);
    // The subtotal itself is the sum; the rate stays where a repeat of the
    // percentage can reach it.
    EXPECT_EQ(rows[1], (Fields{"=+A7", "15.00%", "Sub", " ;<% key> (15.00% of 200.00)"}));
    EXPECT_EQ(rows[0], (Fields{"200.", "+", " "}));
}

TEST(SheetExport, BlankCommentLineLeavesTheProductOpen) {
    Machine m;
    m.keys("5 X 3 =");
    CTapeLine blank;
    blank.setText("    <comment>             ");
    blank.m_comment.clear();
    blank.m_keyId = cmd::CommentLine;
    ASSERT_TRUE(m.doc.insertLine(1, blank, CLineState{}));
    const std::vector<Fields> rows = tapeRows(buildSheetExport(m.doc, ""));
    EXPECT_EQ(rows[1], (Fields{"", "", ""}));
    EXPECT_EQ(rows[3][0], "=A7*A9");
}

// Result lines belong to the keyed line above them, also with a blank line
// inserted in between; a tape whose lines carry no key ids (written by an
// older program) is read from its symbols to the same sheet.
TEST(SheetExport, ResultLinesFollowTheirKeyedLine) {
    const std::pair<const char*, int> tapes[] = {
        {"5 X 3 =", 2}, {"12 X 3 + 5 +", 2}, {"80 X 20 MUD", 2}, {"110 / 10 MUD", 3}};
    for (const auto& [keys, blankAt] : tapes) {
        Machine m;
        m.keys(keys);
        CTapeLine blank;
        blank.setText(std::string(words::kCommentLine));
        blank.m_keyId = cmd::CommentLine;
        ASSERT_TRUE(m.doc.insertLine(blankAt, blank, CLineState{}));
        Machine unkeyed;
        unkeyed.keys(keys);
        const std::string keyed = buildSheetExport(unkeyed.doc, "");
        for (int i = 0; i < unkeyed.doc.m_lineCount; ++i) unkeyed.doc.line(i)->m_keyId = 0;
        EXPECT_EQ(buildSheetExport(unkeyed.doc, ""), keyed) << keys;
        std::vector<std::string> cells = columnA(m);
        cells.erase(cells.begin() + blankAt);
        EXPECT_EQ(cells, columnA(unkeyed)) << keys;
    }
}

TEST(SheetExport, OverflowLineKeepsItsSymbol) {
    Machine m;
    m.keys("1000000000000.5 +");
    EXPECT_EQ(tapeRows(buildSheetExport(m.doc, ""))[0], (Fields{"1000000000000.5", "+", " "}));
}

// Past 160 characters a running sum moves into column B of a plain row and
// goes on from there.
TEST(SheetExport, LongSumsJumpToColumnB) {
    for (const char* key : {"+", "M+="}) {
        const bool memory = std::string(key) == "M+=";
        Machine m;
        std::string keys;
        for (int i = 0; i < 50; ++i) keys += std::string("1 ") + key + " ";
        m.keys(keys + (memory ? "MT" : "Ttl"));
        const std::vector<Fields> rows = tapeRows(buildSheetExport(m.doc, ""));
        ASSERT_EQ(rows.size(), 51u);
        std::string sum = "=";
        for (int row = 7; row <= 47; ++row) sum += "+A" + std::to_string(row);
        ASSERT_EQ(sum.size(), 162u);
        const Fields jump = rows[47 - kSheetFirstRow];
        EXPECT_EQ(jump, (Fields{"1.", sum, memory ? "M+" : "+",
                                memory ? "   (Cell B47 is a Mem Jump Point)"
                                       : "   (Cell B47 is a Jump Point)"}));
        EXPECT_EQ(rows[46 - kSheetFirstRow].size(), 3u);
        std::string rest = "=B47";
        for (int row = 48; row <= 56; ++row) rest += "+A" + std::to_string(row);
        EXPECT_EQ(rows.back()[0], rest);
    }
}

TEST(SheetExport, CommentsReachTheSheetAsUtf8OnOneRow) {
    Machine m;
    m.keys("5 + 6 + 7 + Ttl");
    m.doc.line(0)->setComment(" ;Miete für Mai €");
    m.doc.line(1)->setComment(" ;cut \xC3");
    m.doc.line(2)->setComment(" ;two\r\nlines");
    const std::vector<Fields> rows = tapeRows(buildSheetExport(m.doc, ""));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][2], " ;Miete für Mai €");
    EXPECT_EQ(rows[1][2], " ;cut \xEF\xBF\xBD");
    EXPECT_EQ(rows[2][2], " ;two  lines");
    EXPECT_EQ(rows[3][0], "=+A7+A8+A9");
}

TEST(SheetExport, EuropeanModeExportsTheSameSheet) {
    CSettings european;
    european.europeanMode = true;
    const char* keys = "1234.5 + 15 % + 2 X 3 M+= MR + Ttl";
    Machine shown(european);
    shown.keys(keys);
    Machine internal;
    internal.keys(keys);
    ASSERT_NE(shown.doc.line(0)->m_text, internal.doc.line(0)->m_text);
    EXPECT_EQ(buildSheetExport(shown.doc, ""), buildSheetExport(internal.doc, ""));
}

}  // namespace
}  // namespace vor::test
