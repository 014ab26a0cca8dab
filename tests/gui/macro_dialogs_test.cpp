// Edit Macros and Enter a Value on screen: the widgets show their models,
// hand every click, drag and edit to them, and answer OK or Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/edit_macros_widget.h"
#include "gui/enter_value_widget.h"
#include "gui/qt_dialogs.h"

namespace vor::test {
namespace {

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QPoint rowCentre(const QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

std::vector<int> entries(const CMacroStore& store, int k) {
    std::vector<int> out;
    for (int i = 0; i < store.size(k); ++i) out.push_back(store.entry(k, i));
    return out;
}

CMacroStore threeKeys() {
    CMacroStore store;
    store.m_macroEntry[0][0] = cmd::Digit1;
    store.m_macroEntry[0][1] = cmd::Digit2;
    store.m_macroEntry[0][2] = cmd::Digit3;
    store.m_macroSize[0] = 3;
    store.m_macroPrompt[0] = "P0";
    store.m_macroPrompt[1] = "P1";
    return store;
}

TEST(MacroDialogs, EditMacrosHandsClicksDragsAndEditsToTheModel) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    CEditMacrosDlg model(threeKeys(), messages);
    int helped = 0;
    EditMacrosWidget dialog(model, [&] { ++helped; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Macros"));
    EXPECT_EQ(items(dialog.listing()), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(dialog.listing()->currentRow(), 0);
    EXPECT_EQ(dialog.availableButtons()->count(), 44);
    EXPECT_EQ(items(dialog.activeMacro()), (QStringList{"Macro0", "Macro1", "Macro2", "Macro3"}));
    EXPECT_EQ(dialog.promptEdit()->text(), QStringLiteral("P0"));

    dialog.availableButtons()->setCurrentRow(11);  // "+"
    QTest::mouseClick(dialog.commandButton(EditMacrosWidget::AppendButton), Qt::LeftButton);
    EXPECT_EQ(items(dialog.listing()), (QStringList{"1", "2", "3", "+"}));
    EXPECT_EQ(dialog.listing()->currentRow(), 3);

    QWidget* listArea = dialog.listing()->viewport();
    // QTest sends a double click alone; a real one follows a click.
    QTest::mouseClick(listArea, Qt::LeftButton, {}, rowCentre(dialog.listing(), 0));
    QTest::mouseDClick(listArea, Qt::LeftButton, {}, rowCentre(dialog.listing(), 0));
    EXPECT_EQ(items(dialog.listing()), (QStringList{"2", "3", "+"}));
    EXPECT_EQ(entries(model.m_store, 0), (std::vector<int>{cmd::Digit2, cmd::Digit3, cmd::Plus}));

    // Drag "+" above "2": the listing and the model move it; the working
    // copy follows only when the listing is next stored.
    const QPoint from = rowCentre(dialog.listing(), 2);
    const QPoint to =
        dialog.listing()->visualItemRect(dialog.listing()->item(0)).topLeft() + QPoint(4, 1);
    QTest::mousePress(listArea, Qt::LeftButton, {}, from);
    QTest::mouseMove(listArea, to);
    QTest::mouseRelease(listArea, Qt::LeftButton, {}, to);
    EXPECT_EQ(items(dialog.listing()), (QStringList{"+", "2", "3"}));
    EXPECT_EQ(dialog.listing()->currentRow(), 0);
    EXPECT_EQ(model.m_listing[0].m_id, cmd::Plus);
    EXPECT_EQ(model.m_store.entry(0, 0), cmd::Digit2);

    // Typing a prompt and then clicking another macro: the prompt and the
    // dragged order reach macro 0 as the edit loses the focus, before the
    // listing changes to macro 1.
    QTest::mouseClick(dialog.promptEdit(), Qt::LeftButton);
    QTest::keyClick(dialog.promptEdit(), Qt::Key_End);
    QTest::keyClicks(dialog.promptEdit(), QStringLiteral(" rate"));
    QTest::mouseClick(dialog.activeMacro()->viewport(), Qt::LeftButton, {},
                      rowCentre(dialog.activeMacro(), 1));
    EXPECT_EQ(model.m_activeMacro, 1);
    EXPECT_EQ(dialog.promptEdit()->text(), QStringLiteral("P1"));
    EXPECT_TRUE(items(dialog.listing()).isEmpty());
    EXPECT_EQ(model.m_store.m_macroPrompt[0], "P0 rate");
    EXPECT_EQ(entries(model.m_store, 0), (std::vector<int>{cmd::Plus, cmd::Digit2, cmd::Digit3}));

    QTest::mouseClick(dialog.commandButton(EditMacrosWidget::HelpButton), Qt::LeftButton);
    EXPECT_EQ(helped, 1);
    EXPECT_TRUE(dialog.isVisible());

    // A default typed and confirmed with Enter (no focus change) is kept.
    dialog.defaultEdit()->setFocus();
    QTest::keyClicks(dialog.defaultEdit(), QStringLiteral("12"));
    QTest::keyClick(dialog.defaultEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.m_store.m_macroDefault[1], "12");
    EXPECT_TRUE(messages.shown.empty());
}

TEST(MacroDialogs, DispatchRunsEachModelModallyAndReportsItsAnswer) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    QtDialogs dialogs(nullptr, messages, {});
    const CMacroStore source = threeKeys();
    CEditMacrosDlg macros(source, messages);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<EditMacrosWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        messages.answer(Answer::Yes);
        dialog->targetMacro()->setCurrentRow(2);
        QTest::mouseClick(dialog->commandButton(EditMacrosWidget::CopyButton), Qt::LeftButton);
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(dialogs.run(macros));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.buttons[0], Buttons::YesNo);
    EXPECT_EQ(entries(macros.m_store, 2), entries(source, 0));

    CEnterValueDlg value;
    value.m_prompt = "Hours worked this week:";
    value.m_valueText = std::string(41, '4');  // a default longer than the field
    QString shownPrompt;
    bool refusedWhileOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<EnterValueWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Enter a Value"));
        shownPrompt = dialog->promptBox()->toPlainText();
        messages.answer(Answer::Ok);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        refusedWhileOpen = dialog->isVisible();
        // The whole text is selected, so typing replaces it.
        QTest::keyClicks(dialog->valueEdit(), QStringLiteral("37.5"));
        QTest::keyClick(dialog->valueEdit(), Qt::Key_Return);
    });
    EXPECT_TRUE(dialogs.run(value));
    EXPECT_EQ(shownPrompt, QStringLiteral("Hours worked this week:"));
    EXPECT_TRUE(refusedWhileOpen);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1], "Please enter no more than 40 characters.");
    EXPECT_EQ(value.m_valueText, "37.5");

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<EnterValueWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->valueEdit(), QStringLiteral("9"));
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(dialogs.run(value));
    EXPECT_EQ(value.m_valueText, "37.5");
}

// A value asked for in the middle of a playback: the playback's wait
// cursor gives way to the normal one while the dialog waits for the user.
TEST(MacroDialogs, ADialogOpenedDuringPlaybackShowsTheNormalCursor) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    QtDialogs dialogs(nullptr, messages, {});
    CEnterValueDlg value;
    value.m_valueText = "7.5";
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape shown = Qt::WaitCursor;
    QTimer::singleShot(0, [&] {
        shown = QApplication::overrideCursor()->shape();
        auto* dialog = qobject_cast<EnterValueWidget*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(dialogs.run(value));
    EXPECT_EQ(shown, Qt::ArrowCursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
}

}  // namespace
}  // namespace vor::test
