// The window as the application starts it: icon, title, Always on Top, and
// the way out of context help.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keyboard_dispatch.h"
#include "gui/keypad_form.h"

namespace vor::test {
namespace {

TEST_F(FrameTest, StartsWithTitleAndTheProgramIcon) {
    EXPECT_EQ(frame->windowTitle().toStdString(), "VOR - VOR");
    // Drawn once the window is first on screen.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().pixmap(32).isNull(); }));
}

TEST_F(FrameTest, AlwaysOnTopAppliesWithoutASavedPlacement) {
    m_profile->writeInt("Settings", "Always On Top", 1);
    reopen();
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(action(cmd::AlwaysOnTop)->isChecked());
}

TEST_F(FrameTest, EscLeavesContextHelpAndTheNextKeyTypes) {
    QListWidget* tape = frame->form().tapeBox();
    QTest::keyClick(tape, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(settle());
    ASSERT_TRUE(frame->view().inContextHelp());
    QTest::keyClick(tape, Qt::Key_Escape);
    ASSERT_TRUE(settle());
    EXPECT_FALSE(frame->view().inContextHelp());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::keyClicks(tape, "5");
    ASSERT_TRUE(settle());
    EXPECT_EQ(frame->form().mainLed()->text().trimmed().toStdString(), "5.");
    EXPECT_TRUE(messages.shown.empty()) << "no help was asked for";
}

// The macro keys show their state on the keypad, and a macro played from
// the keyboard prints its lines and gives the window its title back.
TEST_F(FrameTest, MacroKeysShowTheirStateAndPlayFromTheKeyboard) {
    QListWidget* tape = frame->form().tapeBox();
    QTest::keyClick(tape, 'q');
    ASSERT_TRUE(settle());
    EXPECT_EQ(frame->form().key(cmd::QuickRecord)->text().toStdString(), "&QR*");
    QTest::keyClick(tape, 'q');
    ASSERT_TRUE(settle());
    EXPECT_EQ(frame->form().key(cmd::QuickRecord)->text().toStdString(), "&QR");

    messages.answer(Answer::Ok);  // "Press a macro key to begin recording ..."
    choose(cmd::MacroStartRecording);
    ASSERT_TRUE(settle());
    EXPECT_FALSE(action(cmd::MacroStartRecording)->isEnabled());
    QTest::keyClick(tape, 'r');  // M1
    ASSERT_TRUE(settle());
    EXPECT_EQ(frame->form().key(cmd::Macro1)->text().toStdString(), "M1*");
    QTest::keyClicks(tape, "12+");
    QTest::keyClick(tape, 'r');
    ASSERT_TRUE(settle());
    EXPECT_EQ(frame->form().key(cmd::Macro1)->text().toStdString(), "M1");
    EXPECT_TRUE(tapeRows().empty());

    QTest::keyClick(tape, Qt::Key_1, Qt::ControlModifier);  // Ctrl+1 plays M1
    QTest::keyClick(tape, 'r');
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows().size(), 2u);
    EXPECT_EQ(frame->windowTitle().toStdString(), "VOR - VOR");
}

}  // namespace
}  // namespace vor::test
