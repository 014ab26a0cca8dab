// Comments on tape lines: the Add a Comment dialog's history and completion,
// the lines whose comments the program owns, and blank comment lines.
#include "tape/comments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/command_ids.h"
#include "tape/comment_dialog.h"
#include "test_support.h"

namespace vor::test {
namespace {

// Plays the user of the Add a Comment dialog: notes what the dialog showed,
// then leaves the scripted text in the box and presses OK or Cancel. An OK
// the dialog refuses is followed by Cancel, as a user giving up would.
class CommentDialogs : public DialogPort {
   public:
    struct Reply {
        std::string text;
        bool ok = true;
        bool clearHistory = false;
    };
    struct Shown {
        std::string text;
        std::vector<std::string> list;
        bool autoAppend;
        bool clearHistoryButton;
    };

    bool run(CCommentDlg& dialog) override {
        if (replies.empty()) return unexpected();
        CCommentDlg* dlg = &dialog;
        dlg->open();
        shown.push_back(
            {dlg->m_commentText, dlg->listEntries(), dlg->m_autoAppend, dlg->showClearHistory()});
        const Reply reply = replies.front();
        replies.pop_front();
        if (reply.clearHistory) dlg->clearHistory();
        dlg->m_commentText = reply.text;
        if (!reply.ok) return false;
        const std::string refusal = dlg->onOK();
        if (!refusal.empty()) refusals.push_back(refusal);
        return refusal.empty();
    }
    bool run(CEditEntryDlg&) override { return unexpected(); }
    bool run(CEditMacrosDlg&) override { return unexpected(); }
    bool run(CEnterValueDlg&) override { return unexpected(); }
    bool run(CReadClipboardDlg&) override { return unexpected(); }
    bool run(CSelectModeDlg&) override { return unexpected(); }
    std::optional<std::string> askPath(const PathRequest&) override { return std::nullopt; }
    static bool unexpected() {
        ADD_FAILURE() << "unexpected dialog";
        return false;
    }

    std::deque<Reply> replies;
    std::vector<Shown> shown;
    std::vector<std::string> refusals;
};

class CommentTest : public ::testing::Test {
   protected:
    // # on the selected line, answered with `text` and OK (or Cancel).
    void comment(const std::string& text, bool ok = true, bool clearHistory = false) {
        dialogs.replies.push_back({text, ok, clearHistory});
        editor.editComment();
    }
    // The stored entries; "-" for one never written.
    std::vector<std::string> history() {
        std::vector<std::string> out;
        for (int i = 0; i < CCommentDlg::kHistorySize; ++i)
            out.push_back(m.profile.getString("Comments", "Comment" + std::to_string(i), "-"));
        return out;
    }
    // The first `n` history entries; the rest must be free slots.
    std::vector<std::string> historyHead(std::size_t n) {
        std::vector<std::string> all = history();
        for (std::size_t i = n; i < all.size(); ++i) EXPECT_EQ(all[i], "") << "entry " << i;
        all.resize(n);
        return all;
    }
    void storeHistory(const std::vector<std::string>& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            m.profile.writeString("Comments", "Comment" + std::to_string(i), entries[i]);
    }

    Machine m;
    CommentDialogs dialogs;
    CCommentEditor editor{m.calc, m.profile, dialogs};
};

// ---- history ---------------------------------------------------------------

TEST_F(CommentTest, NewCommentsGoOnTopAndTheThirtyFirstPushesTheOldestOut) {
    m.keys("12 +");
    for (int i = 1; i <= 31; ++i) comment("c" + std::to_string(i));
    const std::vector<std::string> h = history();
    EXPECT_EQ(h.front(), "c31");
    EXPECT_EQ(h[1], "c30");
    EXPECT_EQ(h.back(), "c2");
    EXPECT_EQ(std::count(h.begin(), h.end(), "c1"), 0);
    // The dialog offered the history most recent first.
    EXPECT_EQ(dialogs.shown.back().list.front(), "c30");
    EXPECT_EQ(dialogs.shown.back().list.size(), 30u);
}

TEST_F(CommentTest, ACommentAlreadyInTheHistoryKeepsTheOrder) {
    m.keys("12 +");
    storeHistory({"rent", "gas", "food"});
    comment("gas");
    EXPECT_EQ(historyHead(3), (std::vector<std::string>{"rent", "gas", "food"}));
    EXPECT_EQ(m.doc.line(0)->m_comment, " ;gas");
    // Case matters: "Gas" is a new comment.
    comment("Gas");
    EXPECT_EQ(historyHead(4), (std::vector<std::string>{"Gas", "rent", "gas", "food"}));
}

TEST_F(CommentTest, FreeSlotsInTheStoredHistoryCloseUp) {
    m.keys("12 +");
    storeHistory({"", "rent", "", "gas"});
    comment("rent");
    EXPECT_EQ(dialogs.shown[0].list, (std::vector<std::string>{"rent", "gas"}));
    EXPECT_EQ(historyHead(2), (std::vector<std::string>{"rent", "gas"}));
}

TEST_F(CommentTest, CancelLeavesLineAndHistoryAlone) {
    m.keys("12 +");
    storeHistory({"rent"});
    comment("gas", /*ok=*/false);
    EXPECT_EQ(history()[0], "rent");
    EXPECT_EQ(history()[1], "-");  // never written
    EXPECT_EQ(m.doc.line(0)->m_comment, " ");
    EXPECT_EQ(m.form.rows()[0], m.doc.line(0)->row());
}

TEST_F(CommentTest, ClearHistoryEmptiesTheProfileOnlyOnOK) {
    m.keys("12 +");
    storeHistory({"rent", "gas"});
    comment("", /*ok=*/false, /*clearHistory=*/true);
    EXPECT_EQ(history()[0], "rent");
    EXPECT_EQ(history()[1], "gas");
    EXPECT_EQ(history()[2], "-");  // never written
    comment("tip", /*ok=*/true, /*clearHistory=*/true);
    EXPECT_EQ(historyHead(1), (std::vector<std::string>{"tip"}));
}

TEST(CommentDialog, ClearHistoryButtonFollowsTheListAtOpen) {
    CCommentDlg empty;
    empty.open();
    EXPECT_FALSE(empty.showClearHistory());

    CCommentDlg dlg;
    dlg.m_history[4] = "rent";
    dlg.open();
    EXPECT_TRUE(dlg.showClearHistory());
    dlg.m_commentText = "partly typed";
    dlg.clearHistory();
    // The button stays for as long as the dialog is open; the list and the
    // text are gone.
    EXPECT_TRUE(dlg.showClearHistory());
    EXPECT_TRUE(dlg.listEntries().empty());
    EXPECT_EQ(dlg.m_commentText, "");
}

// A profile may hold thousands of huge entries under "Comments": the
// dialog takes the thirty the history keeps, each as long as a comment can
// be, and writes back no more.
TEST(CommentDialog, HistoryTakesThirtyEntriesOfCommentLength) {
    MemoryProfile profile;
    const std::string accented = "\xC3\xA9";
    for (int i = 0; i < 1000; ++i)
        profile.writeString(kCommentHistorySection, "Comment" + std::to_string(i),
                            std::to_string(i) + std::string(10000, 'x'));
    std::string wide;
    for (int i = 0; i < 1000; ++i) wide += accented;
    profile.writeString(kCommentHistorySection, "Comment29", wide);

    CCommentDlg dlg;
    dlg.readHistory(profile);
    for (std::size_t i = 0; i < 29; ++i)
        EXPECT_EQ(dlg.m_history[i], (std::to_string(i) + std::string(44, 'x')).substr(0, 45));
    std::string cut;
    for (int i = 0; i < 45; ++i) cut += accented;
    EXPECT_EQ(dlg.m_history[29], cut);

    dlg.writeHistory(profile);
    EXPECT_EQ(profile.getString(kCommentHistorySection, "Comment0", ""),
              "0" + std::string(44, 'x'));
}

TEST(CommentDialog, LengthLimitCountsCharacters) {
    CCommentDlg dlg;
    dlg.m_history[0] = "rent";
    dlg.m_commentText = std::string(46, 'x');
    EXPECT_EQ(dlg.onOK(), "Please enter no more than 45 characters.");
    EXPECT_EQ(dlg.m_history[0], "rent");  // a refused OK changes nothing

    std::string accented;
    for (int i = 0; i < 45; ++i) accented += "\xC3\xA9";  // é, two bytes each
    dlg.m_commentText = accented;
    EXPECT_EQ(dlg.onOK(), "");
    EXPECT_EQ(dlg.m_history[0], accented);
    EXPECT_EQ(dlg.m_history[1], "rent");
}

// ---- completion ------------------------------------------------------------

struct Typed {
    std::string text;                     // the box's text after the change
    std::optional<std::string> complete;  // the completed text, if any
    int selectFrom = -1;
};

struct CompletionCase {
    const char* name;
    std::vector<Typed> steps;
};

// History, most recent first: "Rent for May", "rental car", "Café".
const CompletionCase kCompletionCases[] = {
    {"TypingCompletesAndKeepsCompleting",
     {{"R", "Rent for May", 1}, {"Re", "Rent for May", 2}, {"Ren", "Rent for May", 3}}},
    // The first entry that matches regardless of case is the only candidate;
    // it completes only when its case agrees.
    {"FirstCaseInsensitiveMatchMustAgreeInCase", {{"r", std::nullopt}, {"ren", std::nullopt}}},
    {"NoMatchNoCompletion", {{"x", std::nullopt}, {"xy", std::nullopt}}},
    // Backspace over the selected completion leaves what was typed.
    {"DeletingDoesNotCompleteAgain",
     {{"Re", "Rent for May", 2}, {"Re", std::nullopt}, {"Ren", "Rent for May", 3}}},
    // After a deletion that left no match, the next matching change only
    // re-arms completion; the one after it completes.
    {"ChangeAfterUnmatchedDeletionOnlyReArms",
     {{"Re", "Rent for May", 2},
      {"Q", std::nullopt},
      {"Ren", std::nullopt},
      {"Rent", "Rent for May", 4}}},
    {"SelectionStartCountsCharacters",
     {{"Caf", "Caf\xC3\xA9", 3}, {"Caf\xC3\xA9", "Caf\xC3\xA9", 4}}},
};

void PrintTo(const CompletionCase& c, std::ostream* os) {
    *os << c.name;
}

class Completion : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(Completion, FollowsTheTyping) {
    CCommentDlg dlg;
    dlg.m_history[0] = "Rent for May";
    dlg.m_history[1] = "rental car";
    dlg.m_history[3] = "Caf\xC3\xA9";
    dlg.open();
    int step = 0;
    for (const Typed& typed : GetParam().steps) {
        SCOPED_TRACE("step " + std::to_string(step++) + " \"" + typed.text + "\"");
        const auto completion = dlg.onTextChanged(typed.text);
        ASSERT_EQ(completion.has_value(), typed.complete.has_value());
        if (completion) {
            EXPECT_EQ(completion->text, *typed.complete);
            EXPECT_EQ(completion->selectFrom, typed.selectFrom);
            EXPECT_EQ(dlg.m_commentText, *typed.complete);
        } else {
            EXPECT_EQ(dlg.m_commentText, typed.text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CommentDialog, Completion, ::testing::ValuesIn(kCompletionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommentDialog, CompletionOffOrClearedHistoryCompletesNothing) {
    CCommentDlg off;
    off.m_history[0] = "Rent";
    off.m_autoAppend = false;
    off.open();
    EXPECT_FALSE(off.onTextChanged("R"));
    EXPECT_EQ(off.m_commentText, "R");

    CCommentDlg cleared;
    cleared.m_history[0] = "Rent";
    cleared.open();
    cleared.clearHistory();
    EXPECT_FALSE(cleared.onTextChanged("R"));
}

// ---- editing a line's comment ----------------------------------------------

TEST_F(CommentTest, CommentReplacesTheRowAndMovesToTheNextLine) {
    m.keys("12 + 3 +");
    m.form.selectRow(0);
    comment("rent");
    EXPECT_EQ(m.doc.line(0)->m_comment, " ;rent");
    EXPECT_EQ(m.form.rows()[0], m.doc.line(0)->m_text + " ;rent");
    EXPECT_EQ(m.form.selectedRow(), 1);
    EXPECT_TRUE(m.doc.m_modified);
    // On the last line the selection stays; the dialog opened with the
    // comment the line had, without its prefix.
    comment("gas");
    comment("gas station");
    EXPECT_EQ(m.form.selectedRow(), 1);
    EXPECT_EQ(dialogs.shown[1].text, "");
    EXPECT_EQ(dialogs.shown[2].text, "gas");
    EXPECT_EQ(m.lines(), (std::vector<std::string>{"12.00 + ;rent", "3.00 + ;gas station"}));
}

TEST_F(CommentTest, EmptyCommentShowsTheBareLine) {
    m.keys("12 +");
    comment("rent");
    comment("");
    EXPECT_EQ(m.doc.line(0)->m_comment, " ;");
    EXPECT_EQ(m.form.rows()[0], m.doc.line(0)->m_text);
}

TEST_F(CommentTest, SettingsReachTheDialogAndTheDocument) {
    m.settings.autoAppend = false;
    m.settings.promptToSaveOnExit = false;
    m.keys("12 +");
    m.doc.m_modified = false;
    comment("rent");
    EXPECT_FALSE(dialogs.shown[0].autoAppend);
    EXPECT_FALSE(m.doc.m_modified);
}

TEST_F(CommentTest, NoSelectedLineIsRefused) {
    editor.editComment();
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.messages.shown[0], kNoLineSelected);
    EXPECT_EQ(m.messages.icons[0], Icon::Information);
    EXPECT_TRUE(dialogs.shown.empty());
}

struct ReservedCase {
    const char* name;
    const char* text;
    bool accepted;
};

const ReservedCase kReservedCases[] = {
    {"LowerCaseMrIsAWord", "call mr smith", true},
    {"UpperCaseMR", "MR value", false},
    {"MixedCaseMr", "Mr Smith", true},
    {"Percent", "15% tip", false},
};

void PrintTo(const ReservedCase& c, std::ostream* os) {
    *os << c.name;
}

class ReservedComment : public CommentTest, public ::testing::WithParamInterface<ReservedCase> {};

TEST_P(ReservedComment, IsRefusedButRemembered) {
    m.keys("12 +");
    comment(GetParam().text);
    // The history keeps it either way.
    EXPECT_EQ(history().front(), GetParam().text);
    if (GetParam().accepted) {
        EXPECT_TRUE(m.messages.shown.empty());
        EXPECT_EQ(m.doc.line(0)->m_comment, std::string(" ;") + GetParam().text);
    } else {
        EXPECT_EQ(m.messages.shown, (std::vector<std::string>{kReservedComment}));
        EXPECT_EQ(m.doc.line(0)->m_comment, " ");
        EXPECT_EQ(m.form.rows()[0], m.doc.line(0)->row());
    }
}

INSTANTIATE_TEST_SUITE_P(CommentEditor, ReservedComment, ::testing::ValuesIn(kReservedCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct GeneratedCase {
    const char* name;
    const char* keys;
    int row;  // the line whose comment is asked for
    int selectedAfter;
};

const GeneratedCase kGeneratedCases[] = {
    {"MarkUpRate", "80 X 20 MUD", 1, 2},       {"MarkUpAmount", "80 X 20 MUD", 2, 3},
    {"SellingPrice", "80 X 20 MUD", 3, 3},  // the last line keeps its selection
    {"MarkDownRate", "110 / 10 MUD", 1, 2},    {"MarkDownAmount", "110 / 10 MUD", 2, 3},
    {"PercentLine", "200 + 15 % + Ttl", 1, 2}, {"MemoryRecallLine", "12 M+= MR + Ttl", 1, 2},
};

void PrintTo(const GeneratedCase& c, std::ostream* os) {
    *os << c.name;
}

class GeneratedLine : public CommentTest, public ::testing::WithParamInterface<GeneratedCase> {};

TEST_P(GeneratedLine, IsRefusedAndTheSelectionMovesOn) {
    m.keys(GetParam().keys);
    m.form.selectRow(GetParam().row);
    const std::vector<std::string> rows = m.form.rows();
    editor.editComment();
    EXPECT_EQ(m.messages.shown, (std::vector<std::string>{kGeneratedLine}));
    EXPECT_EQ(m.messages.icons.back(), Icon::Information);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(m.form.selectedRow(), GetParam().selectedAfter);
    EXPECT_EQ(m.form.rows(), rows);
}

INSTANTIATE_TEST_SUITE_P(CommentEditor, GeneratedLine, ::testing::ValuesIn(kGeneratedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommentTest, ProgramCommentsOtherThanReferencesStayEditable) {
    m.keys("80 X 20 MUD 5 + Ttl");
    m.form.selectRow(5);  // the Total line with its item count
    comment("week 12");
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_EQ(dialogs.shown[0].text, "1 Items (1 Pos, 0 Neg)");
    EXPECT_EQ(m.doc.line(5)->m_comment, " ;week 12");
}

// ---- blank comment lines ---------------------------------------------------

TEST_F(CommentTest, BlankLineOnAnEmptyTapeIsAppended) {
    editor.insertBlankCommentLine();
    ASSERT_EQ(m.doc.m_lineCount, 1);
    const CTapeLine& line = *m.doc.line(0);
    EXPECT_EQ(line.m_text, "    <comment>             ");
    EXPECT_EQ(line.m_comment, "");
    EXPECT_EQ(line.m_keyId, cmd::CommentLine);
    EXPECT_TRUE(line.m_isImmediate);
    EXPECT_EQ(m.form.rows(), (std::vector<std::string>{"    <comment>             "}));
    EXPECT_EQ(m.form.selectedRow(), 0);
}

TEST_F(CommentTest, BlankLineGoesAboveTheSelectedLine) {
    m.keys("12 + 3 +");
    m.form.selectRow(1);
    m.doc.m_modified = false;
    editor.insertBlankCommentLine();
    EXPECT_EQ(m.lines(), (std::vector<std::string>{"12.00 +", "<comment>", "3.00 +"}));
    EXPECT_EQ(m.flags(), (std::vector<std::string>{"1016 I", "16 I", "1016 I"}));
    EXPECT_EQ(m.form.rows()[1], "    <comment>             ");
    EXPECT_EQ(m.form.rows().size(), 3u);
    EXPECT_EQ(m.form.selectedRow(), 1);
    EXPECT_TRUE(m.doc.m_modified);
    // It carries the state of the line below it, and changes no value.
    EXPECT_EQ(m.doc.state(1)->m_registers, m.doc.state(2)->m_registers);
    EXPECT_EQ(m.doc.state(1)->m_lineValue, m.doc.state(2)->m_lineValue);
    EXPECT_EQ(m.doc.m_total, 15.0);
}

TEST_F(CommentTest, NoBlankLineAboveAPercentLine) {
    m.keys("200 + 15 % +");
    m.form.selectRow(1);
    editor.insertBlankCommentLine();
    EXPECT_EQ(m.messages.shown,
              (std::vector<std::string>{"You cannot insert a blank <comment> line just above a "
                                        "line containing a percent reference."}));
    EXPECT_EQ(m.doc.m_lineCount, 2);
    EXPECT_EQ(m.form.rows().size(), 2u);
}

TEST_F(CommentTest, NoBlankLineOnAFullTape) {
    for (int i = 0; i < kMaxLines; ++i) m.keys("1 +");
    m.form.selectRow(10);
    editor.insertBlankCommentLine();
    EXPECT_EQ(m.messages.shown, (std::vector<std::string>{"TOO MANY LINES IN TAPE BOX"}));
    EXPECT_EQ(m.doc.m_lineCount, kMaxLines);
    EXPECT_EQ(m.form.rowCount(), kMaxLines);
}

TEST_F(CommentTest, BlankLinesAndCommentsSurviveRecalculation) {
    editor.insertBlankCommentLine();
    comment("groceries");
    m.keys("12 + 3 X 4 + Ttl");
    m.form.selectRow(1);
    editor.insertBlankCommentLine();  // above "12.00 +", left without comment
    m.form.selectRow(4);
    comment("three times four");
    m.form.selectRow(4);
    editor.insertBlankCommentLine();  // above the + that ends the product
    comment("note");
    const std::vector<std::string> lines = m.lines();
    const std::vector<std::string> flags = m.flags();
    const std::vector<std::string> rows = m.form.rows();
    ASSERT_EQ(lines,
              (std::vector<std::string>{"<comment> ;groceries", "<comment>", "12.00 +", "3.00 X",
                                        "<comment> ;note", "4.00 = ;three times four", "12.00 +",
                                        "24.00 Ttl ;2 Items (2 Pos, 0 Neg)"}));

    m.recalc.recalculate(-1);
    EXPECT_EQ(m.lines(), lines);
    EXPECT_EQ(m.flags(), flags);
    EXPECT_EQ(m.form.rows(), rows);
    EXPECT_EQ(m.doc.m_total, 0.0);
}

}  // namespace
}  // namespace vor::test
