// Edit Tape Box Entry: the dialog model's rules and the edit of a line
// replayed into the whole tape.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

#include "core/command_ids.h"
#include "core/tape_words.h"
#include "tape/entry_editor.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Lines = std::vector<std::string>;
using Fill = std::function<void(CEditEntryDlg&)>;

// Answers the dialog as a user would: fills in the fields and presses OK
// (no fill: Cancel). A refused OK is recorded and then cancelled.
class FakeDialogs : public CancellingDialogs {
   public:
    bool run(CEditEntryDlg& dlg) override {
        opened.push_back(dlg);
        if (!fill) return false;
        fill(dlg);
        const std::string refusal = dlg.onOK();
        if (!refusal.empty()) {
            refusals.push_back(refusal);
            return false;
        }
        return true;
    }

    Fill fill;
    std::vector<CEditEntryDlg> opened;
    std::vector<std::string> refusals;
};

struct EditRig : Machine {
    // Selects `row`, runs the command and answers the dialog with `answer`.
    void edit(int row, Fill answer) {
        form.selectRow(row);
        dialogs.fill = std::move(answer);
        editor.editTapeEntry();
    }
    // A blank comment line as the ^ key leaves it.
    void commentLine(const std::string& comment = " ") {
        ASSERT_TRUE(calc.appendLine(std::string(words::kCommentLine), comment, 0.0));
        doc.lastLine()->m_keyId = cmd::CommentLine;
        doc.lastLine()->m_isImmediate = true;
    }

    FakeDialogs dialogs;
    CEntryEditor editor{calc, recalc, dialogs};
};

Fill value(std::string text) {
    return [text](CEditEntryDlg& d) { d.m_valueText = text; };
}

Fill choose(std::string label) {
    return [label](CEditEntryDlg& d) {
        for (std::size_t i = 0; i < d.m_keyList.size(); ++i)
            if (d.m_keyList[i] == label) d.m_keySelection = static_cast<int>(i);
    };
}

TEST(EditEntry, ANewValueDeepInTheTapeCarriesIntoEveryTotalBelow) {
    EditRig m;
    m.keys("10 + 20 + Sub 7 X 3 + 30 - Ttl");
    m.edit(0, value("110"));
    EXPECT_EQ(m.lines(),
              (Lines{"110.00 +", "20.00 +", "130.00 Sub ;2 Items (2 Pos, 0 Neg)", "7.00 X",
                     "3.00 =", "21.00 +", "30.00 -", "121.00 Ttl ;4 Items (3 Pos, 1 Neg)"}));
    EXPECT_EQ(m.form.selectedRow(), 0);

    // The multiplier of a product: its result line follows too.
    m.edit(3, value("8"));
    EXPECT_EQ(m.lines()[5], "24.00 +");
    EXPECT_EQ(m.lines()[7], "124.00 Ttl ;4 Items (3 Pos, 1 Neg)");
    EXPECT_EQ(m.form.selectedRow(), 3);
    EXPECT_EQ(m.mainLed(), "124.");
    EXPECT_TRUE(m.form.enabled());
}

TEST(EditEntry, ChoosingAnotherKeyOfTheFamilyReplaysAsThatKey) {
    EditRig m;
    m.keys("10 + 4 + Ttl");
    m.edit(1, choose("-"));
    EXPECT_EQ(m.lines(), (Lines{"10.00 +", "4.00 -", "6.00 Ttl ;2 Items (1 Pos, 1 Neg)"}));
    m.edit(1, choose("M+="));
    EXPECT_EQ(m.memoryLed(), "4.");
}

TEST(EditEntry, WithoutASelectionNoDialogOpens) {
    EditRig m;
    m.keys("10 +");
    m.form.resetRows();
    for (int i = 0; i < m.doc.m_lineCount; ++i) m.form.addRow(m.doc.line(i)->row());
    m.dialogs.fill = value("1");
    m.editor.editTapeEntry();
    EXPECT_EQ(m.messages.shown, Lines{"No tape box line selected."});
    EXPECT_TRUE(m.dialogs.opened.empty());
}

TEST(EditEntry, ComputedLinesAreRefusedAndCancelChangesNothing) {
    EditRig m;
    m.keys("7 X 3 + Ttl");
    const Lines before = m.form.rows();
    m.edit(2, value("99"));  // the generated product line
    m.edit(3, value("99"));  // the total
    const std::string refusal =
        "You cannot edit this line since it does not contain an immediate numerical value.\n"
        "You should instead look to edit one of the lines above this one, if possible.";
    EXPECT_EQ(m.messages.shown, (Lines{refusal, refusal}));
    EXPECT_EQ(m.messages.icons, (std::vector<Icon>{Icon::Information, Icon::Information}));
    EXPECT_TRUE(m.dialogs.opened.empty());

    m.form.setStatusText("Ready");
    m.edit(0, nullptr);
    EXPECT_EQ(m.dialogs.opened.size(), 1u);
    EXPECT_EQ(m.form.rows(), before);
    EXPECT_EQ(m.form.statusText(), "Ready");
    EXPECT_TRUE(m.form.enabled());
}

// While the dialog is up the user sees the view as it was, not a replay.
TEST(EditEntry, TheViewIsLiveWhileTheDialogIsOpen) {
    EditRig m;
    m.keys("10 +");
    m.form.setStatusText("Ready");
    bool enabled = false;
    std::string status;
    m.edit(0, [&](CEditEntryDlg&) {
        enabled = m.form.enabled();
        status = m.form.statusText();
    });
    EXPECT_TRUE(enabled);
    EXPECT_EQ(status, "Ready");
    EXPECT_EQ(m.form.statusText(), "Ready");
}

TEST(EditEntry, ABlankCommentLineBecomesAProductAndTheNextAddOpensAResultLine) {
    EditRig m;
    m.keys("12 +");
    m.commentLine();
    m.keys("3 + 4 +");
    // A comment the next line really had: the new result line must not
    // inherit it.
    m.doc.line(3)->m_comment = " ;rent";
    m.edit(1, [](CEditEntryDlg& d) {
        d.m_valueText = "2";
        choose("X")(d);
    });
    EXPECT_EQ(m.lines(), (Lines{"12.00 +", "2.00 X", "3.00 =", "6.00 +", "4.00 + ;rent"}));
    EXPECT_EQ(m.doc.line(3)->m_keyId, 0);
    EXPECT_EQ(m.doc.line(3)->m_comment, "");
    EXPECT_EQ(m.mainLed(), "22.");
}

TEST(EditEntry, CommentInTheValueMakesTheLineABlankCommentLineAgain) {
    EditRig m;
    m.keys("12 + 3 + Ttl");
    m.edit(1, [](CEditEntryDlg& d) {
        d.m_valueText = "<comment>";
        d.m_comment = "paid";
    });
    EXPECT_EQ(m.doc.line(1)->m_text, words::kCommentLine);
    EXPECT_EQ(m.doc.line(1)->m_keyId, cmd::CommentLine);
    EXPECT_EQ(m.lines()[2], "12.00 Ttl ;1 Items (1 Pos, 0 Neg)");

    // Choosing X for a comment line that stays one opens no product, so a
    // later add keeps the comment of its stored result line.
    m.keys("5 X 2 +");
    m.doc.line(5)->m_comment = " ;kept";
    m.edit(1, choose("X"));
    EXPECT_EQ(m.doc.line(1)->m_keyId, cmd::CommentLine);
    EXPECT_EQ(m.doc.line(5)->m_comment, " ;kept");
}

TEST(EditEntry, MemoryRecallAsTheValue) {
    EditRig m;
    m.keys("50 M+= 10 + 20 +");
    m.doc.line(2)->m_comment = " ;old";
    m.edit(2, value("mr"));
    EXPECT_EQ(m.lines()[2], "50.00 + ;<MR key pressed>");
    EXPECT_EQ(m.mainLed(), "60.");

    // An MR line opens as "MR"; keeping it keeps its comment.
    m.edit(2, [](CEditEntryDlg& d) { EXPECT_EQ(d.m_valueText, "MR"); });
    EXPECT_EQ(m.lines()[2], "50.00 + ;<MR key pressed>");
    // A number instead: no longer a recall, and its comment goes.
    m.edit(2, value("5"));
    EXPECT_EQ(m.lines()[2], "5.00 +");
    EXPECT_EQ(m.mainLed(), "15.");
}

TEST(EditEntry, PercentInTheValueMakesAPercentLineAndDropsTheComment) {
    EditRig m;
    m.keys("200 + 10 +");
    m.doc.line(1)->m_comment = " ;fee";
    m.edit(1, value("15%"));
    EXPECT_EQ(m.lines()[1], "30.00 + ;<% key> (15.00% of 200.00)");
    EXPECT_EQ(m.mainLed(), "230.");

    // Unchecking the box makes it a plain value again, without the note.
    m.edit(1, [](CEditEntryDlg& d) {
        EXPECT_EQ(d.m_valueText, "15.00");
        EXPECT_EQ(d.m_isPercent, 1);
        d.m_isPercent = 0;
    });
    EXPECT_EQ(m.lines()[1], "15.00 +");
    EXPECT_EQ(m.mainLed(), "215.");
}

// ---- the model on its own ----

CReplayStep step(int keyId, bool afterMulDiv = false) {
    CReplayStep s;
    s.m_keyId = keyId;
    s.m_afterMulDiv = afterMulDiv;
    s.m_valueText = "        12.5";
    s.m_comment = " ;note";
    return s;
}

struct KeyListCase {
    const char* name;
    int keyId;
    bool afterMulDiv;
    Lines list;
    int selected;
};

void PrintTo(const KeyListCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyList : public ::testing::TestWithParam<KeyListCase> {};

TEST_P(KeyList, OffersTheKeysOfTheLinesFamily) {
    const KeyListCase& c = GetParam();
    CEditEntryDlg dlg;
    dlg.initFromStep(step(c.keyId, c.afterMulDiv));
    EXPECT_EQ(dlg.m_keyList, c.list);
    EXPECT_EQ(dlg.m_keySelection, c.selected);
    EXPECT_EQ(dlg.m_valueText, "12.5");
}

const Lines kAdding{"+", "-", "M+=", "M-="};
const Lines kAddingEquals{"+", "-", "M+=", "M-=", "="};
const Lines kAll{"+", "-", "M+=", "M-=", "=", "X", "/", "Sub", "Ttl", "MST", "MT", "MUD"};

INSTANTIATE_TEST_SUITE_P(
    ByKey, KeyList,
    ::testing::Values(KeyListCase{"CommentLine", cmd::CommentLine, false, kAll, 0},
                      KeyListCase{"Multiply", cmd::Multiply, false, {"X", "/"}, 0},
                      KeyListCase{"Divide", cmd::Divide, false, {"X", "/"}, 1},
                      KeyListCase{"Plus", cmd::Plus, false, kAdding, 0},
                      KeyListCase{"PlusAfterProduct", cmd::Plus, true, kAddingEquals, 0},
                      KeyListCase{"Minus", cmd::Minus, false, kAdding, 1},
                      KeyListCase{"MemoryPlus", cmd::MemoryPlusEquals, true, kAddingEquals, 2},
                      KeyListCase{"MemoryMinus", cmd::MemoryMinusEquals, false, kAdding, 3},
                      KeyListCase{"Equals", cmd::Equals, false, kAddingEquals, 4},
                      KeyListCase{"Total", cmd::Total, false, {}, -1},
                      KeyListCase{"MarkUpDown", cmd::MarkUpDown, false, {}, -1},
                      KeyListCase{"Clear", cmd::Clear, false, {}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct RowCase {
    const char* name;
    int keyId;
    bool afterMulDiv;
    int row;
    int result;
    bool converted;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(KeyRow, TheChosenRowSetsTheKey) {
    const RowCase& c = GetParam();
    CEditEntryDlg dlg;
    dlg.initFromStep(step(c.keyId, c.afterMulDiv));
    dlg.m_keySelection = c.row;
    EXPECT_EQ(dlg.onOK(), "");
    EXPECT_EQ(dlg.m_keyId, c.result);
    EXPECT_EQ(dlg.m_convertedToMulDiv, c.converted);
}

INSTANTIATE_TEST_SUITE_P(
    ByRow, KeyRow,
    ::testing::Values(RowCase{"CommentToPlus", cmd::CommentLine, false, 0, cmd::Plus, false},
                      RowCase{"CommentToEquals", cmd::CommentLine, false, 4, cmd::Equals, false},
                      RowCase{"CommentToMultiply", cmd::CommentLine, false, 5, cmd::Multiply, true},
                      RowCase{"CommentToDivide", cmd::CommentLine, false, 6, cmd::Divide, true},
                      RowCase{"CommentToMUD", cmd::CommentLine, false, 11, cmd::MarkUpDown, false},
                      RowCase{"MultiplyToDivide", cmd::Multiply, false, 1, cmd::Divide, false},
                      RowCase{"DivideToMultiply", cmd::Divide, false, 0, cmd::Multiply, false},
                      RowCase{"PlusToMemoryMinus", cmd::Plus, false, 3, cmd::MemoryMinusEquals,
                              false},
                      RowCase{"MinusToEquals", cmd::Minus, true, 4, cmd::Equals, false},
                      RowCase{"EqualsToMinus", cmd::Equals, false, 1, cmd::Minus, false},
                      RowCase{"PlusNoSelection", cmd::Plus, false, -1, cmd::Plus, false},
                      RowCase{"TotalKeepsItsKey", cmd::Total, false, -1, cmd::Total, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditEntryModel, LengthLimitsRefuseWithoutChangingAnything) {
    CEditEntryDlg dlg;
    dlg.initFromStep(step(cmd::CommentLine));
    dlg.m_valueText = "15%";
    dlg.m_comment = " ;" + std::string(44, 'c');  // 46
    EXPECT_EQ(dlg.onOK(), "Please enter no more than 45 characters.");
    EXPECT_EQ(dlg.m_refusedControl, CEditEntryDlg::kCommentControl);
    EXPECT_EQ(dlg.m_keyId, cmd::CommentLine);
    EXPECT_EQ(dlg.m_valueText, "15%");

    dlg.m_comment.pop_back();  // 45 is allowed
    dlg.m_valueText = std::string(41, '1');
    EXPECT_EQ(dlg.onOK(), "Please enter no more than 40 characters.");
    EXPECT_EQ(dlg.m_refusedControl, CEditEntryDlg::kValueControl);

    dlg.m_valueText.pop_back();
    EXPECT_EQ(dlg.onOK(), "");
    EXPECT_EQ(dlg.m_refusedControl, 0);

    // Characters, not bytes: 45 accented letters fit.
    CEditEntryDlg wide;
    wide.m_comment.clear();
    for (int i = 0; i < 45; ++i) wide.m_comment += "\xC3\xA9";
    EXPECT_EQ(wide.onOK(), "");
}

TEST(EditEntryModel, PercentStateDecidesWhetherTheCommentStays) {
    CEditEntryDlg dlg;
    dlg.initFromStep(step(cmd::Plus));
    dlg.m_valueText = "15%%";
    EXPECT_EQ(dlg.onOK(), "");
    EXPECT_EQ(dlg.m_valueText, "15");
    EXPECT_EQ(dlg.m_isPercent, 1);
    EXPECT_EQ(dlg.m_comment, " ");

    CReplayStep percent = step(cmd::Plus);
    percent.m_isPercent = true;
    CEditEntryDlg same;
    same.initFromStep(percent);
    same.m_valueText = "20%";
    EXPECT_EQ(same.onOK(), "");
    EXPECT_EQ(same.m_comment, " ;note");
}

struct ValueCase {
    const char* name;
    bool european;
    std::string typed;
    std::optional<std::string> stored;  // nothing: refused
    int percent = 0;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.typed;
}

class ValueReading : public ::testing::TestWithParam<ValueCase> {};

// The value is read as Paste Numbers reads a cell; a refusal keeps the
// dialog open on the value and changes no field.
TEST_P(ValueReading, StoresTheNumberOrRefuses) {
    const ValueCase& c = GetParam();
    CEditEntryDlg dlg;
    dlg.initFromStep(step(cmd::Plus), c.european);
    EXPECT_EQ(dlg.m_valueText, c.european ? "12,5" : "12.5");
    dlg.m_valueText = c.typed;
    const std::string refusal = dlg.onOK();
    if (!c.stored) {
        EXPECT_NE(refusal.find("is not a number"), std::string::npos) << refusal;
        EXPECT_EQ(dlg.m_refusedControl, CEditEntryDlg::kValueControl);
        EXPECT_EQ(dlg.m_valueText, c.typed);
        EXPECT_EQ(dlg.m_comment, " ;note");
        return;
    }
    EXPECT_EQ(refusal, "");
    EXPECT_EQ(dlg.m_valueText, *c.stored);
    EXPECT_EQ(dlg.m_isPercent, c.percent);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueReading,
    ::testing::Values(
        ValueCase{"Plain", false, "1234.50", "1234.5"},
        ValueCase{"Grouped", false, "1,234.50", "1234.5"},
        ValueCase{"BlankGroups", false, "1 234.50", "1234.5"},
        ValueCase{"Currency", false, "$45", "45"}, ValueCase{"Parentheses", false, "(5)", "-5"},
        ValueCase{"TrailingMinus", false, "7-", "-7"},
        ValueCase{"Percent", false, " 15 % ", "15", 1},
        ValueCase{"MemoryRecall", false, "mr", "mr"}, ValueCase{"Emptied", false, "", ""},
        ValueCase{"EveryDigitKept", false, "0.30000000000000004", "0.30000000000000004"},
        ValueCase{"EuropeanForm", true, "1.234,50", "1234.5"},
        ValueCase{"Letters", false, "abc", std::nullopt},
        ValueCase{"LetterInside", false, "12o.50", std::nullopt},
        ValueCase{"CommaInTheWrongMode", false, "12,50", std::nullopt},
        ValueCase{"PointInEuropeanMode", true, "2.5", std::nullopt},
        ValueCase{"TwoSigns", false, "(-5)", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct CommentCase {
    const char* name;
    std::string typed;
    std::string stored;
};

void PrintTo(const CommentCase& c, std::ostream* os) {
    *os << c.name;
}

class CommentNormalising : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentNormalising, StoresTheCommentAsALineCarriesIt) {
    EXPECT_EQ(CEntryEditor::normaliseComment(GetParam().typed), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Comments, CommentNormalising,
    ::testing::Values(
        CommentCase{"Bare", "rent", " ;rent"}, CommentCase{"AlreadyMarked", " ;rent", " ;rent"},
        CommentCase{"SingleBlank", " ", ""}, CommentCase{"MarkAndBlank", " ; ", ""},
        CommentCase{"Empty", "", ""}, CommentCase{"SemicolonWithoutBlank", ";rent", " ;;rent"},
        CommentCase{"CutAt47", std::string(45, 'x') + "yz", " ;" + std::string(45, 'x')},
        CommentCase{"CutKeepsWholeCharacters", " ;" + std::string(44, 'x') + "\xC3\xA9z",
                    " ;" + std::string(44, 'x') + "\xC3\xA9"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vor::test
