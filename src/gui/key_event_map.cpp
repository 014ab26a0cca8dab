#include "gui/key_event_map.h"

#include <QKeyEvent>

namespace vor {
namespace {

int keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Plus: return VK_ADD;
        case Qt::Key_Minus: return VK_SUBTRACT;
        case Qt::Key_Asterisk: return VK_MULTIPLY;
        case Qt::Key_Slash: return VK_DIVIDE;
        // Layouts with a decimal comma put a comma on the keypad point key.
        case Qt::Key_Period:
        case Qt::Key_Comma: return VK_DECIMAL;
        default: return VK_NONE;
    }
}

int virtualKey(int qtKey, bool keypad) {
    if (keypad) {
        if (int vk = keypadKey(qtKey); vk != VK_NONE) return vk;
        // Anything else on the keypad (Enter, and with Num Lock off Insert,
        // End, Down, ..., Delete) is the same key as on the main block.
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return VK_A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Backspace: return VK_BACK;
        case Qt::Key_Tab: return VK_TAB;
        case Qt::Key_Clear: return VK_CLEAR;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Space: return VK_SPACE;
        case Qt::Key_PageUp: return VK_PRIOR;
        case Qt::Key_PageDown: return VK_NEXT;
        case Qt::Key_End: return VK_END;
        case Qt::Key_Home: return VK_HOME;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        case Qt::Key_Insert: return VK_INSERT;
        case Qt::Key_Delete: return VK_DELETE;
        default: return VK_NONE;
    }
}

bool isCaret(int qtKey) {
    return qtKey == Qt::Key_AsciiCircum || qtKey == Qt::Key_Dead_Circumflex;
}

}  // namespace

Keystroke keystrokeFromQt(const QKeyEvent& event) {
    const int qtKey = event.key();
    const Qt::KeyboardModifiers qtMods = event.modifiers();

    Keystroke stroke;
    // Keypad and Meta are not part of the exact set the table compares.
    if (qtMods & Qt::ControlModifier) stroke.modifiers |= ModCtrl;
    if (qtMods & Qt::ShiftModifier) stroke.modifiers |= ModShift;
    if (qtMods & Qt::AltModifier) stroke.modifiers |= ModAlt;
    stroke.vk = virtualKey(qtKey, qtMods.testFlag(Qt::KeypadModifier));

    // The Up Shift row is "Shift+6", where '^' sits on the US layout. Qt
    // reports the symbol, not the key (Shift+6 arrives as Key_AsciiCircum),
    // and elsewhere '^' lives on another key, often as a dead key. So the
    // row is tied to the caret: whatever key types '^' is taken as Shift+6,
    // and on layouts where Shift+6 types something else that symbol is just
    // a character. Other modifiers still count, so Ctrl+'^' does nothing.
    if (isCaret(qtKey)) {
        stroke.vk = VK_6;
        stroke.modifiers |= ModShift;
    }

    // With Alt held a key is a menu or button mnemonic, not typing: it
    // offers no character, so Alt+digit enters nothing and Alt+Enter does
    // not reach the carriage-return row.
    if (stroke.modifiers & ModAlt) return stroke;

    // Enter types a carriage return and Ctrl+Enter a line feed, whatever text
    // the platform attached, so only Shift+Enter falls through to the
    // carriage-return row once the key-down rows have passed on it.
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) {
        stroke.character = (stroke.modifiers & ModCtrl) ? U'\n' : U'\r';
        return stroke;
    }

    const QList<uint> codePoints = event.text().toUcs4();
    if (!codePoints.isEmpty()) stroke.character = static_cast<char32_t>(codePoints.front());
    return stroke;
}

}  // namespace vor
