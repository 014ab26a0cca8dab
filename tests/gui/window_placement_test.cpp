// Restoring the saved window placement: whatever the profile holds, the
// window ends up whole on a screen, or keeps the place it has.
#include "gui/window_placement.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <climits>
#include <ostream>
#include <string>

namespace vor {
namespace {

// Two screens side by side; the left one has a 30-pixel panel at the top.
const QRect kLeft(0, 30, 1280, 994);
const QRect kRight(1280, 0, 1920, 1080);
const QList<QRect> kScreens{kLeft, kRight};

WindowPlacement normalAt(int left, int top, int right, int bottom) {
    WindowPlacement p;
    p.length = 44;
    p.showCmd = 1;
    p.left = left;
    p.top = top;
    p.right = right;
    p.bottom = bottom;
    return p;
}

struct GeometryCase {
    const char* name;
    WindowPlacement placement;
    QMargins frame;
    std::optional<QRect> normal;
};

const GeometryCase kGeometryCases[] = {
    {"FitsOnTheLeftScreen_KeptAsSaved", normalAt(120, 90, 760, 570), {}, QRect(120, 90, 640, 480)},
    {"FitsOnTheRightScreen_KeptAsSaved",
     normalAt(2000, 100, 2640, 580),
     {},
     QRect(2000, 100, 640, 480)},
    // Covering both screens, it goes to the one it covers most.
    {"LargerThanAnyScreen_ShrunkToTheScreenItCoversMost",
     normalAt(0, 0, 100000, 100000),
     {},
     kRight},
    {"FullIntRange_Ignored", normalAt(INT_MIN, INT_MIN, INT_MAX, INT_MAX), {}, std::nullopt},
    {"FarBeyondAnyDesktop_Ignored", normalAt(50000000, 100, 50000640, 580), {}, std::nullopt},
    {"Empty_Ignored", normalAt(100, 100, 100, 580), {}, std::nullopt},
    {"Inverted_Ignored", normalAt(760, 570, 120, 90), {}, std::nullopt},
    {"NeverSaved_Ignored", WindowPlacement{}, {}, std::nullopt},
    // Mostly on the left screen: it moves there rather than straddle both.
    {"StraddlingTwoScreens_MovedOntoTheOneItMostlyCovers",
     normalAt(900, 100, 1540, 580),
     {},
     QRect(640, 100, 640, 480)},
    {"UnderThePanel_MovedBelowIt", normalAt(100, 0, 740, 480), {}, QRect(100, 30, 640, 480)},
    // A screen that has been unplugged: the primary one takes the window.
    {"OnAScreenThatIsGone_MovedOntoThePrimary",
     normalAt(5000, 200, 5640, 680),
     {},
     QRect(640, 200, 640, 480)},
    {"LeftOfEveryScreen_MovedOntoThePrimary",
     normalAt(-3000, -3000, -2360, -2520),
     {},
     QRect(0, 30, 640, 480)},
    // With its decoration known, the title bar stays reachable too.
    {"TitleBarAboveTheScreen_MovedDown", normalAt(100, 40, 740, 520), QMargins(2, 28, 2, 2),
     QRect(100, 58, 640, 480)},
    {"LargerThanTheScreenWithFrame_FrameFitsIt", normalAt(0, 0, 100000, 100000),
     QMargins(2, 28, 2, 2), QRect(1282, 28, 1916, 1050)},
};

// Failure messages name the row rather than dump its bytes.
void PrintTo(const GeometryCase& c, std::ostream* out) {
    *out << c.name;
}

class RestoredGeometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(RestoredGeometry, IsWholeOnAScreenOrIgnored) {
    const GeometryCase& c = GetParam();
    const RestoredPlacement r = restoredPlacement(c.placement, kScreens, kLeft, c.frame);
    EXPECT_EQ(r.normal, c.normal);
    EXPECT_FALSE(r.maximized);
}

INSTANTIATE_TEST_SUITE_P(Table, RestoredGeometry, testing::ValuesIn(kGeometryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RestoredPlacement, MaximizedStateComesBackButNeverMinimized) {
    auto state = [](int showCmd, int flags) {
        WindowPlacement p = normalAt(120, 90, 760, 570);
        p.showCmd = showCmd;
        p.flags = flags;
        return restoredPlacement(p, kScreens, kLeft).maximized;
    };
    EXPECT_FALSE(state(1, 0));  // normal
    EXPECT_TRUE(state(3, 0));   // maximized
    EXPECT_FALSE(state(2, 0));  // minimized from normal: back to normal
    EXPECT_TRUE(state(2, 2));   // minimized from maximized: back to maximized

    // A damaged rectangle does not cost the maximized state.
    WindowPlacement damaged = normalAt(0, 0, 0, 0);
    damaged.showCmd = 3;
    const RestoredPlacement r = restoredPlacement(damaged, kScreens, kLeft);
    EXPECT_EQ(r.normal, std::nullopt);
    EXPECT_TRUE(r.maximized);
}

// The same rules on a real window and the screens Qt reports.
TEST(ApplyPlacement, HugeSavedWindowFitsTheScreenAndDamagedOneChangesNothing) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setGeometry(area.x() + 10, area.y() + 10, 200, 150);

    applyPlacement(window, normalAt(0, 0, 100000, 100000));
    EXPECT_TRUE(area.contains(window.geometry())) << window.width() << "x" << window.height();

    const QRect before = window.geometry();
    applyPlacement(window, normalAt(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(window.geometry(), before);
}

}  // namespace
}  // namespace vor
