// The form's layout rules and the status-bar hints, measured on the
// widgets: middle keys, LED swap, resizing.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"

namespace vor::test {
namespace {

int bottomEdge(const QRect& r) {
    return r.y() + r.height();
}

TEST_F(FrameTest, MiddleKeysAndResizingMoveOnlyTheTapeBox) {
    KeypadForm& form = frame->form();
    QListWidget* tape = form.tapeBox();
    const QRect shown = tape->geometry();
    const QRect seven = form.key(cmd::Digit7)->geometry();
    const QSize window = frame->size();
    // Under the lowest row of keys, the tax keys' row.
    EXPECT_EQ(shown.top(), bottomEdge(form.fromDialogUnits(153, 95, 17, 13)) + 5);
    EXPECT_EQ(bottomEdge(shown), form.height() - 30);

    choose(cmd::MiddleKeys);
    EXPECT_FALSE(form.key(cmd::Digit7)->isVisible());
    EXPECT_FALSE(form.button(cmd::Precision2)->isVisible());
    EXPECT_EQ(tape->geometry().top(), bottomEdge(form.mainLed()->geometry()) + 5);
    EXPECT_EQ(bottomEdge(tape->geometry()), bottomEdge(shown));
    EXPECT_EQ(frame->size(), window);

    choose(cmd::MiddleKeys);
    EXPECT_TRUE(form.key(cmd::Digit7)->isVisible());
    EXPECT_EQ(tape->geometry(), shown);

    frame->resize(window + QSize(0, 120));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tape->height() == shown.height() + 120; }, 2000));
    EXPECT_EQ(tape->width(), shown.width());
    EXPECT_EQ(bottomEdge(tape->geometry()), form.height() - 30);
    EXPECT_EQ(bottomEdge(form.control(cmd::GroupBox)->geometry()), form.height() - 25);
    EXPECT_EQ(form.key(cmd::Digit7)->geometry(), seven);

    // Wider, the tape box and its frame widen with the window, keeping
    // their right margins; the keypad stays.
    const QRect tall = tape->geometry();
    const QRect box = form.control(cmd::GroupBox)->geometry();
    frame->resize(frame->size() + QSize(200, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tape->width() == tall.width() + 200; }, 2000));
    EXPECT_EQ(tape->x(), tall.x());
    EXPECT_EQ(form.control(cmd::GroupBox)->width(), box.width() + 200);
    EXPECT_EQ(form.key(cmd::Digit7)->geometry(), seven);
}

TEST_F(FrameTest, SwappedLedsTradePlacesButTheirHintsStay) {
    KeypadForm& form = frame->form();
    const QRect main = form.mainLed()->geometry();
    const QRect memory = form.memoryLed()->geometry();
    ASSERT_LT(memory.x(), main.x());

    choose(cmd::SwapLEDs);
    EXPECT_EQ(form.mainLed()->geometry(), memory);
    EXPECT_EQ(form.memoryLed()->geometry(), main);
    // The hint rectangles belong to places, not to displays. (The pointer
    // comes from elsewhere: a move to where it already is reports nothing.)
    QTest::mouseMove(form.tapeBox()->viewport(), form.tapeBox()->viewport()->rect().center());
    QTest::mouseMove(form.mainLed(), form.mainLed()->rect().center());
    EXPECT_TRUE(frame->paneText().startsWith(QStringLiteral("Memory LED (")))
        << frame->paneText().toStdString();

    choose(cmd::SwapLEDs);
    EXPECT_EQ(form.mainLed()->geometry(), main);
    EXPECT_EQ(form.memoryLed()->geometry(), memory);
}

TEST_F(FrameTest, StatusBarDescribesTheKeyUnderThePointerUntilTheKeysAreHidden) {
    KeypadForm& form = frame->form();
    auto hover = [&](QWidget* w) {
        QTest::mouseMove(w, w->rect().center());
        return frame->paneText();
    };
    EXPECT_TRUE(hover(form.key(cmd::Plus)).startsWith(QStringLiteral("Plus Button (")));
    EXPECT_EQ(hover(form.key(cmd::DecimalPoint)), QStringLiteral("Decimal Button"));
    EXPECT_EQ(hover(form.key(cmd::DoubleZero)), QStringLiteral("Number Buttons"));
    EXPECT_TRUE(hover(form.tapeBox()->viewport()).startsWith(QStringLiteral("Tape Box (")));

    choose(cmd::MiddleKeys);
    const QString before = frame->paneText();
    hover(form.mainLed());
    EXPECT_EQ(frame->paneText(), before);
}

}  // namespace
}  // namespace vor::test
