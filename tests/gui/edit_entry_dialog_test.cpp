// The Edit Tape Box Entry dialog on screen: it shows its model, and its OK
// keeps the dialog open on a refusal and hands back the edit otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/edit_entry_widget.h"

namespace vor::test {
namespace {

CEditEntryDlg modelFor(int keyId, bool afterMulDiv, const std::string& comment) {
    CReplayStep step;
    step.m_keyId = keyId;
    step.m_afterMulDiv = afterMulDiv;
    step.m_valueText = "           12.5";
    step.m_comment = comment;
    CEditEntryDlg model;
    model.initFromStep(step);
    return model;
}

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

TEST(EditEntryDialog, ShowsTheModelAndOffersHelp) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    CEditEntryDlg model = modelFor(cmd::Minus, true, " ;rent");
    int helped = 0;
    EditEntryWidget dialog(model, messages, [&] { ++helped; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Tape Box Entry"));
    EXPECT_EQ(dialog.valueEdit()->text(), QStringLiteral("12.5"));
    EXPECT_EQ(dialog.commentEdit()->text(), QStringLiteral(" ;rent"));
    EXPECT_FALSE(dialog.percentCheck()->isChecked());
    EXPECT_EQ(items(dialog.keyList()), (QStringList{"+", "-", "M+=", "M-=", "="}));
    EXPECT_EQ(dialog.keyList()->currentRow(), 1);
    QTest::mouseClick(dialog.helpButton(), Qt::LeftButton);
    EXPECT_EQ(helped, 1);
    EXPECT_TRUE(dialog.isVisible());

    // A total keeps its key: there is nothing to choose.
    CEditEntryDlg total = modelFor(cmd::Total, false, " ");
    EditEntryWidget totalDialog(total, messages, nullptr);
    EXPECT_EQ(totalDialog.keyList()->count(), 0);
    EXPECT_FALSE(totalDialog.keyList()->isEnabled());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(EditEntryDialog, TooLongCommentIsRefusedThenTheEditIsHandedBack) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    const std::string stored = " ;" + std::string(44, 'c');  // 46: from an older tape
    CEditEntryDlg model = modelFor(cmd::Plus, false, stored);
    bool refusedWhileOpen = false;
    QString grown;
    // The dialog runs modally; its steps run from the event loop it spins.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<EditEntryWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        messages.answer(Answer::Ok);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        refusedWhileOpen = dialog->isVisible();

        // Too long already: it cannot grow, only shrink.
        QLineEdit* comment = dialog->commentEdit();
        QTest::keyClick(comment, Qt::Key_End);
        QTest::keyClick(comment, Qt::Key_X);
        grown = comment->text();
        QTest::keyClick(comment, Qt::Key_Backspace);

        dialog->valueEdit()->setText(QStringLiteral("15%"));
        dialog->keyList()->setCurrentRow(3);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(execEditEntryDialog(model, nullptr, messages, nullptr));
    EXPECT_TRUE(refusedWhileOpen);
    EXPECT_EQ(grown.toStdString(), stored);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Please enter no more than 45 characters.");
    EXPECT_EQ(model.m_valueText, "15");
    EXPECT_EQ(model.m_isPercent, 1);
    EXPECT_EQ(model.m_keyId, cmd::MemoryMinusEquals);
    EXPECT_EQ(model.m_comment, " ");  // it became a percentage
}

}  // namespace
}  // namespace vor::test
