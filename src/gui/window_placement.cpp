#include "gui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

// No desktop reaches this far: Qt's own limit on a widget's size. A saved
// coordinate beyond it is damage, not a place to put a window.
constexpr qint64 kMaxCoordinate = QWIDGETSIZE_MAX;

bool plausible(qint64 coordinate) {
    return coordinate >= -kMaxCoordinate && coordinate <= kMaxCoordinate;
}

// The screen area the rectangle overlaps most; `fallback` when it is on
// none of them.
QRect screenOf(const QRect& r, const QList<QRect>& screens, const QRect& fallback) {
    QRect best = fallback;
    qint64 bestOverlap = 0;
    for (const QRect& s : screens) {
        const QRect common = s.intersected(r);
        const qint64 overlap = static_cast<qint64>(common.width()) * common.height();
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = s;
        }
    }
    return best;
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
    const ProfileWriteGroup group(profile);
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

RestoredPlacement restoredPlacement(const WindowPlacement& p, const QList<QRect>& screens,
                                    const QRect& primary, const QMargins& frame) {
    RestoredPlacement restored;
    // Reopening minimized would look like a failed start: a window closed
    // while minimized comes back in the state it was restored to.
    restored.maximized = p.showCmd == kShowMaximized ||
                         (p.showCmd == kShowMinimized && p.flags == kRestoreToMaximized);

    // The profile may hold anything: the differences are taken in 64 bits,
    // where even INT_MIN to INT_MAX cannot overflow.
    const qint64 width = static_cast<qint64>(p.right) - p.left;
    const qint64 height = static_cast<qint64>(p.bottom) - p.top;
    if (width <= 0 || height <= 0) return restored;
    for (const qint64 c : {p.left, p.top, p.right, p.bottom})
        if (!plausible(c)) return restored;

    // Every value is now within 2^24, so the sums fit an int.
    const QRect outer(QPoint(p.left - frame.left(), p.top - frame.top()),
                      QSize(static_cast<int>(width) + frame.left() + frame.right(),
                            static_cast<int>(height) + frame.top() + frame.bottom()));
    const QRect area = screenOf(outer, screens, primary);
    if (area.isEmpty()) {
        // No screen to measure against (no display at all): nothing to
        // keep the window on, so it goes where it was.
        restored.normal = outer.marginsRemoved(frame);
        return restored;
    }
    // A window larger than the screen shrinks to it: a window the size of a
    // ten-screen desktop would only cost memory and show nothing more. Then
    // it moves the least distance that brings all of it, title bar
    // included, onto the screen.
    const int w = std::min(outer.width(), area.width());
    const int h = std::min(outer.height(), area.height());
    const int x = std::clamp(outer.x(), area.x(), area.x() + area.width() - w);
    const int y = std::clamp(outer.y(), area.y(), area.y() + area.height() - h);
    const QRect normal = QRect(x, y, w, h).marginsRemoved(frame);
    if (normal.width() > 0 && normal.height() > 0) restored.normal = normal;
    return restored;
}

void applyPlacement(QWidget& window, const WindowPlacement& p) {
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens.append(s->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    // The decoration is known only once the window has been shown; before
    // that it counts as none.
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const RestoredPlacement restored =
        restoredPlacement(p, screens, primary ? primary->availableGeometry() : QRect(), frame);
    if (restored.normal) window.setGeometry(*restored.normal);
    window.setWindowState(restored.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

}  // namespace vor
