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
    EXPECT_FALSE(QApplication::windowIcon().pixmap(32).isNull());
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

TEST_F(FrameTest, KeysOfFeaturesNotBuiltYetAreGreyedAndNeverGoDown) {
    EXPECT_FALSE(frame->form().key(cmd::QuickRecord)->isEnabled());
    EXPECT_TRUE(frame->form().key(cmd::DeleteKey)->isEnabled());
    frame->keyboard().setPressTime(std::chrono::milliseconds(1000));
    QTest::keyClick(frame->form().tapeBox(), 'q');
    EXPECT_FALSE(frame->form().key(cmd::QuickRecord)->isDown());
    QTest::keyClick(frame->form().tapeBox(), '5');
    EXPECT_TRUE(frame->form().key(cmd::Digit5)->isDown());
    frame->keyboard().releaseKeys();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(tapeRows().empty());
}

}  // namespace
}  // namespace vor::test
