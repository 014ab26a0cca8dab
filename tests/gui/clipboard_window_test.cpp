// The copy commands reach the desktop's clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"

namespace vor::test {
namespace {

TEST_F(FrameTest, CopyAsTextAndAutoCopyFillTheClipboard) {
    QTest::keyClicks(frame->form().tapeBox(), "12+30+");
    ASSERT_TRUE(settle());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(frame->form().tapeBox(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(settle());
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Pasted from Vorlex")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("               30.00  +  \t \r\n")) << text.toStdString();
    EXPECT_EQ(frame->windowTitle().toStdString(), "VOR - VOR") << "the title comes back";

    messages.answer(Answer::Yes);
    choose(cmd::AutoCopyTotal);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "42.00  ");
    EXPECT_EQ(frame->windowTitle().toStdString(), "42.00   VOR - VOR.");
    QTest::keyClicks(frame->form().tapeBox(), "8+");
    ASSERT_TRUE(settle());
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "50.00  ");
}

}  // namespace
}  // namespace vor::test
