// Where the keyboard goes: an adding machine is typed at, so after a menu or
// a click on a display the keys must still reach the keypad.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <sstream>

#include "frame_fixture.h"
#include "gui/frame_menus.h"
#include "gui/keypad_form.h"
#include "shell/batch.h"

namespace vor::test {
namespace {

std::vector<std::string> batchRows(ProfilePort& profile, const std::string& keys) {
    std::ostringstream out, err;
    EXPECT_EQ(runBatch({"--keys", keys}, &profile, out, err), 0) << err.str();
    std::vector<std::string> rows;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    return rows;
}

TEST_F(FrameTest, MenuClosedWithEscGivesTheKeyboardBackToTheKeypad) {
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::AltModifier);  // "&File"
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(settle());
    // The window's focus child is where its keys go whenever it is active
    // (the offscreen platform leaves the closed menu "active", so the
    // application-wide focus cannot be asked here).
    QWidget* keyboard = frame->focusWidget();
    EXPECT_EQ(keyboard, frame->form().tapeBox());

    // "s" is SubTotal rather than the Settings menu, and Enter totals
    // rather than opening the File menu again.
    QTest::keyClicks(keyboard, "5+s");
    QTest::keyClick(keyboard, Qt::Key_Return);
    ASSERT_TRUE(settle());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(tapeRows(), batchRows(*m_profile, "5 + Sub Ttl"));
}

TEST_F(FrameTest, LedsNeverTakeTheKeyboardYetKeepTheirCopyMenu) {
    QTest::keyClicks(frame.get(), "42+");
    ASSERT_TRUE(settle());
    QLineEdit* led = frame->form().mainLed();
    QWidget* focus = QApplication::focusWidget();
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        QTest::mouseClick(led, button, {}, led->rect().center());
        EXPECT_FALSE(led->hasFocus()) << button;
        EXPECT_EQ(QApplication::focusWidget(), focus) << button;
    }

    // The display's own menu, not the window's, and its Copy works.
    led->selectAll();
    QContextMenuEvent request(QContextMenuEvent::Mouse, led->rect().center(),
                              led->mapToGlobal(led->rect().center()));
    QApplication::sendEvent(led, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(menu, frame->menus().contextMenu());
    QAction* copy = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Copy"))) copy = a;
    ASSERT_NE(copy, nullptr);
    ASSERT_TRUE(copy->isEnabled());
    QApplication::clipboard()->clear();
    copy->trigger();
    menu->close();
    // The figure alone: the blanks that right-align it stay behind.
    ASSERT_NE(led->text(), QStringLiteral("42.")) << "the total shows right-aligned";
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("42."));
    EXPECT_FALSE(led->hasFocus());
}

}  // namespace
}  // namespace vor::test
