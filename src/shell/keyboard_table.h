#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The keyboard map: one fixed, ordered table of accelerators turning
// keystrokes into command ids, and the resolution of the keyboard-only
// commands into "press this on-screen key, then run that handler".
// Plain data and logic; the Qt layer only translates its key events into a
// Keystroke (gui/key_event_map.h).
namespace vor {

// Virtual-key codes with their classic PC values, so a row reads as the key
// it names ('A', VK_F11). A key the table never names may be VK_NONE.
enum VirtualKey : int {
    VK_NONE = 0,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,   // keypad 5 with Num Lock off
    VK_RETURN = 0x0D,  // both Enter keys
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,  // Page Up
    VK_NEXT = 0x22,   // Page Down
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    // Main keyboard digits and letters are their ASCII codes.
    VK_0 = '0',
    VK_1,
    VK_2,
    VK_3,
    VK_4,
    VK_5,
    VK_6,
    VK_7,
    VK_8,
    VK_9,
    VK_A = 'A',
    VK_B,
    VK_C,
    VK_D,
    VK_E,
    VK_F,
    VK_G,
    VK_H,
    VK_I,
    VK_J,
    VK_K,
    VK_L,
    VK_M,
    VK_N,
    VK_O,
    VK_P,
    VK_Q,
    VK_R,
    VK_S,
    VK_T,
    VK_U,
    VK_V,
    VK_W,
    VK_X,
    VK_Y,
    VK_Z,
    // Numeric keypad with Num Lock on. Its digits are distinct keys: Ctrl
    // with a keypad digit is not Ctrl with a main keyboard digit.
    VK_NUMPAD0 = 0x60,
    VK_NUMPAD1,
    VK_NUMPAD2,
    VK_NUMPAD3,
    VK_NUMPAD4,
    VK_NUMPAD5,
    VK_NUMPAD6,
    VK_NUMPAD7,
    VK_NUMPAD8,
    VK_NUMPAD9,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F2,
    VK_F3,
    VK_F4,
    VK_F5,
    VK_F6,
    VK_F7,
    VK_F8,
    VK_F9,
    VK_F10,
    VK_F11,
    VK_F12,
};

// Modifier bits of a key-down row; a row matches only this exact set.
enum KeyModifier : unsigned {
    ModNone = 0,
    ModCtrl = 1u << 0,
    ModShift = 1u << 1,
    ModAlt = 1u << 2,
};

enum class BindingKind : std::uint8_t {
    Char,  // matches a typed character, whichever keys produced it
    Key,   // matches a key going down with exactly `modifiers` held
};

struct KeyBinding {
    BindingKind kind;
    int key;             // character code (Char) or VirtualKey (Key)
    unsigned modifiers;  // KeyModifier bits; always ModNone for Char rows
    int commandId;
};

// The 81 rows in matching order. Ctrl+C (rows 29/30) and Delete (52/53)
// appear twice; only the first of each can ever match.
std::span<const KeyBinding> keyboardTable();

// One key press as the platform saw it: the key going down with the
// modifiers held, and the character it typed, if any.
struct Keystroke {
    int vk = VK_NONE;
    unsigned modifiers = ModNone;
    std::optional<char32_t> character;
};

// First key-down row whose key and exact modifier set match.
std::optional<int> matchKeyDown(int vk, unsigned modifiers);

// First character row for the typed character.
std::optional<int> matchCharacter(char32_t ch);

// The whole rule: key-down rows first; a keystroke they match is consumed
// and its character is never looked at (keypad + never becomes '+', plain
// Enter never becomes the carriage-return row). nullopt: no row, the
// keystroke goes on to the form as usual.
std::optional<int> matchKeystroke(const Keystroke& keystroke);
// The window's standard help keys, tried after the table: F1 opens the help
// pages, Shift+F1 enters context help mode.
std::optional<int> matchHelpKey(const Keystroke& keystroke);

// The key a menu shows beside a command ("Ctrl+N", "F5", "SPACE"), read from
// the table: a Ctrl row first, else the first key row that sends the
// command; empty when no key sends it.
std::string shortcutText(int commandId);

// The keys that press on-screen key `keyId` (or run control `keyId`), in
// table order and each once ("T", "Shift+Enter", "Enter").
std::vector<std::string> keyShortcuts(int keyId, bool remapKeypad);

// The same keys as one text, for a screen reader to say after the key's name:
// "Shortcut: V", "Shortcuts: T, Shift+Enter or Enter". Empty when no key
// reaches it. `remapKeypad` as in resolveKeyboardCommand.
std::string keyShortcutsText(int keyId, bool remapKeypad);

// What a keyboard-only command does: show `pressKeyId` pressed for the
// press feedback, then run the handler of `handlerId` `repeat` times.
struct KeyPress {
    int pressKeyId;
    int handlerId;
    int repeat = 1;
};

// Resolves a keyboard-only command: one a key row sends in place of an
// on-screen key (the Kb* ids and 1013 in command_ids.h; 1055 "00" is
// resolved too although no row sends it). The remapped keypad keys
// 1147..1149 read `remapKeypad` on every call, so switching the setting
// applies to the very next key.
//
// Everything else returns nullopt and is dispatched as it is: menu commands,
// the tape box navigation (1053, 1067, 1119, 1120) and the Auto Decimal check
// box (1144). Of those, 57635 (Ctrl+X), 57637 (Ctrl+V) and 1124 (second
// Delete row) have no handler, and 57681 (Shift+F6, previous pane) has no
// pane to go to in this single-pane window: their keys are swallowed and do
// nothing.
std::optional<KeyPress> resolveKeyboardCommand(int commandId, bool remapKeypad);

}  // namespace vor
