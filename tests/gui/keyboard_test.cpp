// The keyboard paths the window adds to the table: the keypad remapping,
// the keypad's navigation keys with Num Lock off, and key mnemonics.
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <sstream>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"
#include "shell/batch.h"

namespace vor::test {
namespace {

std::string lastRow(const std::vector<std::string>& rows) {
    return rows.empty() ? "" : rows.back();
}

TEST_F(FrameTest, RemappedKeypadMinusTotalsWhileTheMainMinusSubtracts) {
    choose(cmd::RemapKeypad);
    QTest::keyClicks(frame.get(), "5+2-");
    QTest::keyClick(frame.get(), Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClicks(frame.get(), "7");
    QTest::keyClick(frame.get(), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(settle());

    std::ostringstream out, err;
    ASSERT_EQ(runBatch({"--keys", "5 + 2 - Ttl 7 +"}, m_profile.get(), out, err), 0);
    std::ostringstream shown;
    for (const auto& row : tapeRows()) shown << row << '\n';
    EXPECT_EQ(shown.str(), out.str());
}

TEST_F(FrameTest, KeypadNavigationKeysWorkWithNumLockOff) {
    QTest::keyClicks(frame.get(), "1+2+3+");
    ASSERT_TRUE(settle());
    QListWidget* tape = frame->form().tapeBox();
    ASSERT_EQ(tape->count(), 3);

    // Navigation has no key to press: it acts at once.
    QTest::keyClick(frame.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(tape->currentRow(), 0);
    QTest::keyClick(frame.get(), Qt::Key_Down, Qt::KeypadModifier);  // keypad 2
    EXPECT_EQ(tape->currentRow(), 1);
    QTest::keyClick(frame.get(), Qt::Key_Up, Qt::KeypadModifier);  // keypad 8
    EXPECT_EQ(tape->currentRow(), 0);

    // Keypad 1 (End) is Memory Total, pressed like its on-screen key.
    QTest::keyClick(frame.get(), Qt::Key_End, Qt::KeypadModifier);
    EXPECT_TRUE(frame->form().key(cmd::MemoryTotal)->isDown());
    ASSERT_TRUE(settle());
    EXPECT_FALSE(frame->form().key(cmd::MemoryTotal)->isDown());
    EXPECT_NE(lastRow(tapeRows()).find("MT"), std::string::npos) << lastRow(tapeRows());
}

TEST_F(FrameTest, AltLetterClicksAVisibleKeyBeforeTheMenuBar) {
    QTest::keyClicks(frame.get(), "5+");
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::AltModifier);  // "&ST", not "&Settings"
    ASSERT_TRUE(settle());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_NE(lastRow(tapeRows()).find("Sub"), std::string::npos) << lastRow(tapeRows());

    // With the keypad hidden the letter belongs to the menu bar again.
    choose(cmd::MiddleKeys);
    const auto rows = tapeRows();
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows(), rows);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(qobject_cast<QMenu*>(popup)->title(), QStringLiteral("&Settings"));
    popup->close();
}

}  // namespace
}  // namespace vor::test

namespace vor::test {
namespace {

// The find bar's field keeps its keys (digits are what to find), Enter and
// F3 move through the matches, Esc gives the keys back to the calculator.
TEST_F(FrameTest, FindBarTypesIntoItsFieldAndStepsThroughMatches) {
    ASSERT_TRUE(type("1234.5+7+1234.5+"));
    QListWidget* tape = frame->form().tapeBox();
    QTest::keyClick(tape, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(settle());
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "1234.5");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(settle());
    EXPECT_EQ(tape->currentRow(), 0);  // from the last row, round to the top
    QTest::keyClick(field, Qt::Key_F3);
    ASSERT_TRUE(settle());
    EXPECT_EQ(tape->currentRow(), 2);
    QTest::keyClick(field, Qt::Key_F3, Qt::ShiftModifier);
    ASSERT_TRUE(settle());
    EXPECT_EQ(tape->currentRow(), 0);
    EXPECT_EQ(tape->count(), 3);  // nothing typed reached the calculator
    QTest::keyClick(field, Qt::Key_Escape);
    ASSERT_TRUE(settle());
    EXPECT_FALSE(field->isVisible());
    ASSERT_TRUE(type("5+"));
    EXPECT_EQ(tape->count(), 4);
}

}  // namespace
}  // namespace vor::test
