// The About box as it is seen: a box of the classic size whose texts sit in
// the middle of it, with OK at the bottom right rather than an empty band
// under the texts.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <cstdlib>

#include "frame_fixture.h"
#include "gui/about_dialog.h"

namespace vor::test {
namespace {

int bottomEdge(const QRect& r) {
    return r.y() + r.height();
}

TEST(AboutLayout, TextsSitMidwayAndOkIsAtTheBottomRight) {
    RecordingLauncher launcher;
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    AboutDialog about(launcher, messages);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));

    const QFontMetrics fm = about.fontMetrics();
    EXPECT_GE(about.width(), 228 * fm.averageCharWidth() / 4);
    EXPECT_GE(about.height(), 145 * fm.height() / 8);

    auto* version = about.findChild<QLabel*>(QStringLiteral("versionLine"));
    auto* box = about.findChild<QDialogButtonBox*>();
    ASSERT_NE(version, nullptr);
    ASSERT_NE(box, nullptr);
    QPushButton* ok = box->button(QDialogButtonBox::Ok);
    ASSERT_NE(ok, nullptr);
    const QRect okRect(ok->mapTo(&about, QPoint(0, 0)), ok->size());
    const QRect web(about.webButton()->mapTo(&about, QPoint(0, 0)), about.webButton()->size());

    // The room above the texts and the room between them and the button row
    // are alike: no line of text's height apart.
    const int above = version->mapTo(&about, QPoint(0, 0)).y();
    const int below = okRect.top() - bottomEdge(web);
    EXPECT_LE(std::abs(above - below), fm.height()) << above << " above, " << below << " below";

    // OK in the bottom-right corner, no further in than the layout margins.
    const int margin = 2 * about.style()->pixelMetric(QStyle::PM_LayoutRightMargin) + 1;
    EXPECT_LE(about.width() - (okRect.x() + okRect.width()), margin);
    EXPECT_LE(about.height() - bottomEdge(okRect), margin);
}

}  // namespace
}  // namespace vor::test
