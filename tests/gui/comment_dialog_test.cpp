// The Add a Comment dialog as the user works it: the history in the list,
// completion while typing, Clear History, and OK refused for a long comment.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "frame_fixture.h"
#include "gui/comment_widget.h"

namespace vor::test {
namespace {

QStringList items(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i) out << box.itemText(i);
    return out;
}

TEST(CommentDialogWidget, ListsTheHistoryCompletesTypingAndClears) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    CCommentDlg model;
    model.m_history[0] = "Rent for May";
    model.m_history[2] = "gas";
    model.m_commentText = "old note";
    model.open();
    CommentWidget dialog(model, messages);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QComboBox* box = dialog.commentBox();
    QLineEdit* edit = box->lineEdit();
    EXPECT_EQ(items(*box), (QStringList{"Rent for May", "gas"}));
    EXPECT_EQ(box->currentText(), "old note");
    EXPECT_TRUE(dialog.clearHistoryButton()->isVisible());

    // Typing over the old text completes from the history, the completed
    // part selected so that typing on replaces it.
    edit->selectAll();
    QTest::keyClicks(edit, "Re");
    EXPECT_EQ(edit->text(), "Rent for May");
    EXPECT_EQ(edit->selectedText(), "nt for May");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "Re");
    QTest::keyClicks(edit, "nt for J");
    EXPECT_EQ(edit->text(), "Rent for J");
    EXPECT_EQ(items(*box).size(), 2);  // typing adds nothing to the list

    // A case that differs from the history's is kept as typed, Enter included.
    edit->selectAll();
    QTest::keyClicks(edit, "GAS");
    EXPECT_EQ(edit->text(), "GAS");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.m_commentText, "GAS");
    EXPECT_EQ(model.m_history[0], "GAS");
    EXPECT_EQ(model.m_history[1], "Rent for May");

    // Opened again: Clear History empties the list and the text but stays
    // until the dialog closes; with no history it is not offered at all.
    model.m_commentText = "x";
    model.open();
    CommentWidget again(model, messages);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    QTest::mouseClick(again.clearHistoryButton(), Qt::LeftButton);
    EXPECT_EQ(again.commentBox()->count(), 0);
    EXPECT_EQ(again.commentBox()->currentText(), "");
    EXPECT_TRUE(again.clearHistoryButton()->isVisible());
    QTest::keyClicks(again.commentBox()->lineEdit(), "G");
    EXPECT_EQ(again.commentBox()->currentText(), "G");
    again.reject();

    CCommentDlg fresh;
    fresh.open();
    CommentWidget empty(fresh, messages);
    empty.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&empty));
    EXPECT_FALSE(empty.clearHistoryButton()->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(CommentDialogWidget, TooLongCommentIsRefusedAndTheDialogStaysOpen) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    CCommentDlg model;
    model.m_history[0] = "rent";
    bool refusedWhileOpen = false;
    // The dialog runs modally; its steps run from the event loop it spins.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CommentWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QLineEdit* edit = dialog->commentBox()->lineEdit();
        QTest::keyClicks(edit, QString(46, QLatin1Char('x')));
        messages.answer(Answer::Ok);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        refusedWhileOpen = dialog->isVisible();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(execCommentDialog(model, nullptr, messages));
    EXPECT_TRUE(refusedWhileOpen);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Please enter no more than 45 characters.");
    EXPECT_EQ(model.m_commentText, std::string(45, 'x'));
    EXPECT_EQ(model.m_history[1], "rent");
}

}  // namespace
}  // namespace vor::test
