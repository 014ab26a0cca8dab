// A replay shuts the window's form and opens it again before the event loop
// runs: nothing may change for the user then (the keyboard stays on the
// tape box), but a message box shown during the replay must find the form
// shut.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>

#include "gui/keypad_form.h"
#include "gui/qt_form.h"

namespace vor::test {
namespace {

struct ShownForm : ::testing::Test {
    KeypadForm widget;
    QtFormPort form{widget};
    ShownForm() {
        widget.show();
        widget.tapeBox()->setFocus();
        QApplication::processEvents();
    }
};

TEST_F(ShownForm, ReplayWithoutEventLoopLeavesFormEnabledAndTapeBoxFocused) {
    ASSERT_EQ(widget.focusWidget(), widget.tapeBox());
    for (int replay = 0; replay < 2; ++replay) {
        form.setRedraw(false);
        form.setEnabled(false);
        form.addRow("   1.00  +");
        form.setRedraw(true);
        form.setEnabled(true);
        QApplication::processEvents();
        EXPECT_TRUE(widget.isEnabled());
        EXPECT_TRUE(widget.tapeBox()->isEnabled());
        EXPECT_EQ(widget.focusWidget(), widget.tapeBox());
    }
    EXPECT_EQ(form.rowCount(), 2);
}

TEST_F(ShownForm, EventLoopDuringReplaySeesFormShutUntilReopened) {
    form.setRedraw(false);
    form.setEnabled(false);
    QApplication::processEvents();  // as a message box's own loop would
    EXPECT_FALSE(widget.isEnabled());
    form.setRedraw(true);
    form.setEnabled(true);
    QApplication::processEvents();
    EXPECT_TRUE(widget.isEnabled());
}

}  // namespace
}  // namespace vor::test
