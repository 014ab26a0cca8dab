#pragma once

#include "shell/keyboard_table.h"

class QKeyEvent;

namespace vor {

// Translates a key press into the keyboard table's terms: the virtual key
// that went down, exactly which of Ctrl, Shift and Alt were held, and the
// character it typed. Keypad keys keep their own codes (VK_ADD, VK_DECIMAL,
// VK_NUMPAD0...) while Num Lock is on and become the navigation keys (VK_END,
// VK_INSERT, VK_DELETE...) while it is off, as the platform reports them.
Keystroke keystrokeFromQt(const QKeyEvent& event);

}  // namespace vor
