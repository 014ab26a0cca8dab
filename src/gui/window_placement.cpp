#include "gui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vor {
namespace {

constexpr const char* kSection = "Window Placement";

// The classic record: its size in bytes, the show states and the flag for
// "restore to maximized".
constexpr int kRecordLength = 44;
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;
constexpr int kRestoreToMaximized = 2;

bool onSomeScreen(const QRect& r) {
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(r)) return true;
    return false;
}

}  // namespace

std::optional<WindowPlacement> readWindowPlacement(ProfilePort& profile) {
    WindowPlacement p;
    p.length = profile.getInt(kSection, "length", 0);
    if (p.length == 0) return std::nullopt;
    p.flags = profile.getInt(kSection, "flags", 0);
    p.showCmd = profile.getInt(kSection, "showCmd", 0);
    p.minX = profile.getInt(kSection, "ptMinPosition.x", 0);
    p.minY = profile.getInt(kSection, "ptMinPosition.y", 0);
    p.maxX = profile.getInt(kSection, "ptMaxPosition.x", 0);
    p.maxY = profile.getInt(kSection, "ptMaxPosition.y", 0);
    p.left = profile.getInt(kSection, "rcNormalPosition.left", 0);
    p.right = profile.getInt(kSection, "rcNormalPosition.right", 0);
    p.top = profile.getInt(kSection, "rcNormalPosition.top", 0);
    p.bottom = profile.getInt(kSection, "rcNormalPosition.bottom", 0);
    return p;
}

void writeWindowPlacement(ProfilePort& profile, const WindowPlacement& p) {
    profile.writeInt(kSection, "length", p.length);
    profile.writeInt(kSection, "flags", p.flags);
    profile.writeInt(kSection, "showCmd", p.showCmd);
    profile.writeInt(kSection, "ptMinPosition.x", p.minX);
    profile.writeInt(kSection, "ptMinPosition.y", p.minY);
    profile.writeInt(kSection, "ptMaxPosition.x", p.maxX);
    profile.writeInt(kSection, "ptMaxPosition.y", p.maxY);
    profile.writeInt(kSection, "rcNormalPosition.top", p.top);
    profile.writeInt(kSection, "rcNormalPosition.bottom", p.bottom);
    profile.writeInt(kSection, "rcNormalPosition.left", p.left);
    profile.writeInt(kSection, "rcNormalPosition.right", p.right);
}

WindowPlacement placementOf(const QWidget& window) {
    WindowPlacement p;
    p.length = kRecordLength;
    const Qt::WindowStates state = window.windowState();
    if (state & Qt::WindowMinimized) {
        p.showCmd = kShowMinimized;
        if (state & Qt::WindowMaximized) p.flags = kRestoreToMaximized;
    } else {
        p.showCmd = (state & Qt::WindowMaximized) ? kShowMaximized : kShowNormal;
    }
    // Qt has no minimized/maximized icon positions: "none", as the
    // platform reports for a window that never had one.
    p.minX = p.minY = p.maxX = p.maxY = -1;
    const QRect r = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    p.left = r.left();
    p.top = r.top();
    p.right = r.left() + r.width();
    p.bottom = r.top() + r.height();
    return p;
}

void applyPlacement(QWidget& window, const WindowPlacement& p) {
    const QRect r(p.left, p.top, p.right - p.left, p.bottom - p.top);
    if (r.width() > 0 && r.height() > 0) {
        // A placement saved on a screen that is gone keeps only its size.
        if (onSomeScreen(r))
            window.setGeometry(r);
        else
            window.resize(r.size());
    }
    // Reopening minimized would look like a failed start: a window closed
    // while minimized comes back in the state it was restored to.
    const bool maximized = p.showCmd == kShowMaximized ||
                           (p.showCmd == kShowMinimized && p.flags == kRestoreToMaximized);
    window.setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

}  // namespace vor
