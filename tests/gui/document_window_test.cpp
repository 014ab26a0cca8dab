// Files in the window: a file handed to the window opens in it, and closing
// a modified tape asks first.
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"

namespace vor::test {
namespace {

TEST_F(FrameTest, AFileHandedToTheWindowOpensWithItsNameInTheTitle) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("march.vor").toStdString();
    QTest::keyClicks(frame->form().tapeBox(), "40+2+t");
    ASSERT_TRUE(settle());
    ASSERT_TRUE(frame->app().saveDocument(path));
    const std::vector<std::string> rows = tapeRows();
    frame->runCommand(cmd::FileNew);
    ASSERT_TRUE(settle());
    ASSERT_TRUE(tapeRows().empty());

    frame->openDocumentFile(QString::fromStdString(path));
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows(), rows);
    EXPECT_EQ(frame->windowTitle().toStdString(), "march.vor - VOR");
    EXPECT_FALSE(frame->app().isModified()) << "a rebuilt tape is not a change";
    EXPECT_TRUE(action(cmd::FileMru1)->isVisible());
    EXPECT_TRUE(action(cmd::FileMru1)->isEnabled());
    EXPECT_FALSE(action(cmd::FileMru2)->isVisible());
}

TEST_F(FrameTest, ClosingAModifiedTapeAsksAndCancelKeepsTheWindow) {
    QTest::keyClicks(frame->form().tapeBox(), "5+");
    ASSERT_TRUE(settle());
    messages.answer(Answer::Cancel);
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Save changes to VOR?");
    EXPECT_EQ(messages.buttons[0], Buttons::YesNoCancel);
    EXPECT_TRUE(frame->isVisible());
}

}  // namespace
}  // namespace vor::test
