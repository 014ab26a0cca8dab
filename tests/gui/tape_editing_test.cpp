// Editing the tape from the window: the keys, the double click and the menus
// reach the same commands, and Undo's menu item follows the tape.
#include <QAction>
#include <QListWidget>
#include <QTest>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"
#include "tape/comment_dialog.h"
#include "tape/edit_entry_dialog.h"

namespace vor::test {
namespace {

TEST_F(FrameTest, SpaceAndDoubleClickEditTheSelectedLine) {
    QListWidget* tape = frame->form().tapeBox();
    dialogs.editEntry = [](CEditEntryDlg& edit) {
        edit.m_valueText = "250";
        return edit.onOK().empty();
    };
    QTest::keyClicks(tape, "100+200+t");
    ASSERT_TRUE(settle());
    QTest::keyClick(tape, Qt::Key_Up);
    ASSERT_TRUE(settle());
    QTest::keyClick(tape, Qt::Key_Space);
    ASSERT_TRUE(settle());
    EXPECT_EQ(dialogs.runs, 1);
    ASSERT_EQ(tapeRows().size(), 3u);
    EXPECT_EQ(tapeRows()[1], "               250.00  +  ") << "a blank comment is dropped";
    EXPECT_EQ(tapeRows()[2], "               350.00  Ttl ;2 Items (2 Pos, 0 Neg)");
    EXPECT_EQ(tape->currentRow(), 1) << "the edited line stays selected";

    tape->setCurrentRow(0);
    emit tape->itemDoubleClicked(tape->item(0));
    ASSERT_TRUE(settle());
    EXPECT_EQ(dialogs.runs, 2);
    EXPECT_EQ(tapeRows()[2], "               500.00  Ttl ;2 Items (2 Pos, 0 Neg)");
}

TEST_F(FrameTest, UndoFollowsTheLastLineAndAsksFirst) {
    QListWidget* tape = frame->form().tapeBox();
    QTest::keyClicks(tape, "7+12+");
    ASSERT_TRUE(settle());
    QAction* undo = action(cmd::UndoLastLine);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(undo->text().startsWith("Undo ")) << undo->text().toStdString();
    EXPECT_TRUE(undo->text().endsWith("\tCtrl+Z")) << undo->text().toStdString();
    messages.answer(Answer::Yes);
    QTest::keyClick(tape, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(settle());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Undo  12.00  +  ?");
    EXPECT_EQ(tapeRows(), std::vector<std::string>{"                 7.00  +   "});
    QTest::keyClicks(tape, "3*4+");
    ASSERT_TRUE(settle());
    EXPECT_FALSE(undo->isEnabled()) << "a line the program worked out cannot be undone";
    EXPECT_EQ(undo->text().toStdString(), "Cannot Undo vor-generated lines.\tCtrl+Z");
}

TEST_F(FrameTest, TheKeypadsHashAndCaretKeysComment) {
    QListWidget* tape = frame->form().tapeBox();
    dialogs.comment = [](CCommentDlg& comment) {
        comment.open();
        comment.m_commentText = "rent";
        return comment.onOK().empty();
    };
    QTest::keyClicks(tape, "5+");
    ASSERT_TRUE(settle());
    click(cmd::UpShift);
    click(cmd::Pound);
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows(), (std::vector<std::string>{"    <comment>              ;rent",
                                                    "                 5.00  +   "}));
}

}  // namespace
}  // namespace vor::test
