#pragma once

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
// Moves and sizes the window to the placement's normal rectangle and
// restores its maximized state. Safe before and after the window is shown.
void applyPlacement(QWidget& window, const WindowPlacement& placement);

}  // namespace vor
