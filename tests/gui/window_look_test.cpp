// The window as the user sees and works it: status hints that fit the
// status bar, the selectors from the keyboard, and the selectors on a dark
// palette.
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QPalette>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"
#include "gui/status_hints.h"

namespace vor::test {
namespace {

TEST(StatusPane, CutsALongHintAtAWordAndKeepsTheWholeOfItAsToolTip) {
    const QString hint = QStringLiteral(
        "Equals (Displays result of mult. or div. operation.  Does not modify current running "
        "ttl.  Short: CTRL+Enter)");
    StatusPane pane(hint);
    pane.resize(pane.fontMetrics().horizontalAdvance(hint) / 2, 20);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    const QString shown = pane.text();
    ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    const QString head = shown.chopped(1);
    EXPECT_TRUE(hint.startsWith(head));
    EXPECT_FALSE(hint.at(head.size()).isLetterOrNumber())
        << "cut inside a word: " << shown.toStdString();
    EXPECT_LE(pane.fontMetrics().horizontalAdvance(shown), pane.contentsRect().width());
    EXPECT_EQ(pane.toolTip(), hint);
    EXPECT_EQ(pane.fullText(), hint);

    pane.resize(pane.fontMetrics().horizontalAdvance(hint) + 10, 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane.text() == hint; }, 2000));
    EXPECT_TRUE(pane.toolTip().isEmpty());
}

TEST_F(FrameTest, ArrowKeysMoveThePrecisionAndRoundingAsAClickDoes) {
    KeypadForm& form = frame->form();
    // Tab comes to each group at its checked button.
    form.button(cmd::AutoDecimalCheck)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.button(cmd::Precision2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.button(cmd::RoundOff));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(form.button(cmd::RoundDown)->isChecked());
    EXPECT_EQ(frame->view().doc().m_rounding, 13);

    // With lines on the tape the change asks first, as a click does.
    QTest::keyClicks(frame->form().tapeBox(), "12+");
    ASSERT_TRUE(settle());
    form.button(cmd::Precision2)->setFocus();
    messages.answer(Answer::Yes);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(form.button(cmd::Precision1)->isChecked());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Recalculate tape box?");
    EXPECT_NE(tapeRows().front().find(" 12.0  +"), std::string::npos) << tapeRows().front();
}

// Relative luminance contrast of two colours, 1 (none) to 21.
double contrast(QColor a, QColor b) {
    auto lum = [](QColor c) {
        auto ch = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
    };
    const double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The strongest contrast any pixel of `w` has with `background`.
double strongestContrast(QWidget* w, QColor background) {
    const QImage image = w->grab().toImage();
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    return best;
}

TEST_F(FrameTest, SelectorsStandOutOnADarkPalette) {
    // Button and window colours of a dark theme; the rest derives from them
    // (white text, black base).
    const QPalette dark(QColor(0x3a, 0x3a, 0x3a), QColor(0x2b, 0x2b, 0x2b));
    // Set before the window is made, as a desktop's dark theme is.
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark);
    reopen();
    KeypadForm& form = frame->form();
    const QColor window = dark.color(QPalette::Window);
    for (int id : {cmd::AutoDecimalCheck, cmd::Precision2, cmd::Precision3, cmd::RoundUp}) {
        EXPECT_GE(strongestContrast(form.button(id), window), 4.5) << id;
    }
    for (int id : {formid::PrecisionLabel, formid::RoundingLabel, formid::AutoDecimalLabel})
        EXPECT_GE(strongestContrast(form.control(id), window), 4.5) << id;
    QApplication::setPalette(before);
}

}  // namespace
}  // namespace vor::test
