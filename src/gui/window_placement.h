#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <optional>

#include "core/ports.h"

class QWidget;

namespace vor {

// The window's placement as the "Window Placement" section stores it: the
// classic record's value names, filled from the window's normal (restored)
// geometry and its state.
struct WindowPlacement {
    int length = 0;
    int flags = 0;
    int showCmd = 0;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

// nullopt when no placement was ever saved (`length` is 0).
std::optional<WindowPlacement> readWindowPlacement(ProfilePort& profile);
void writeWindowPlacement(ProfilePort& profile, const WindowPlacement& placement);

WindowPlacement placementOf(const QWidget& window);

// What restoring a placement does to the window, worked out from the saved
// values and the screens alone.
struct RestoredPlacement {
    // The normal geometry to set, moved and shrunk so that the window with
    // its frame lies inside one screen's available area; nullopt when the
    // saved rectangle cannot be a window (empty, inverted or absurdly large
    // or far away) and the window keeps the size and place it has.
    std::optional<QRect> normal;
    bool maximized = false;
};

// `screens` are the available areas of all screens (the desktop minus
// panels); a rectangle on none of them, as when its screen was unplugged,
// goes to `primary`. `frame` is the window decoration around the normal
// geometry, when known.
RestoredPlacement restoredPlacement(const WindowPlacement& placement, const QList<QRect>& screens,
                                    const QRect& primary, const QMargins& frame = {});

// Moves and sizes the window to the placement's normal rectangle, kept on
// the screen, and restores its maximized state. Safe before and after the
// window is shown.
void applyPlacement(QWidget& window, const WindowPlacement& placement);

}  // namespace vor
