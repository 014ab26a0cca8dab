#include "shell/keyboard_table.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/command_ids.h"
#include "core/tr_noop.h"

namespace vor {
namespace {

constexpr KeyBinding onChar(char32_t ch, int commandId) {
    return {BindingKind::Char, static_cast<int>(ch), ModNone, commandId};
}

constexpr KeyBinding onKey(int vk, unsigned modifiers, int commandId) {
    return {BindingKind::Key, vk, modifiers, commandId};
}

// Order matters: the first matching row wins. Digits and operators are
// character rows so that the main keyboard and the keypad (Num Lock on) both
// reach them, whatever the layout needs to type them.
constexpr std::array<KeyBinding, 81> kTable = {{
    onChar('#', cmd::KbPound),                           // 1
    onChar('%', cmd::KbPercent),                         // 2
    onChar('*', cmd::KbMultiply),                        // 3
    onChar('+', cmd::KbPlus),                            // 4
    onChar(',', cmd::KbDecimalPoint),                    // 5: the point in any mode
    onChar('-', cmd::KbMinus),                           // 6
    onChar('.', cmd::KbDecimalPoint),                    // 7
    onChar('/', cmd::KbDivide),                          // 8
    onChar('0', cmd::KbDigit0),                          // 9
    onKey(VK_0, ModCtrl, cmd::KbMacro0),                 // 10
    onChar('1', cmd::KbDigit1),                          // 11
    onKey(VK_1, ModCtrl, cmd::KbMacro1),                 // 12
    onChar('2', cmd::KbDigit2),                          // 13
    onKey(VK_2, ModCtrl, cmd::KbMacro2),                 // 14
    onChar('3', cmd::KbDigit3),                          // 15
    onKey(VK_3, ModCtrl, cmd::KbMacro3),                 // 16
    onChar('4', cmd::KbDigit4),                          // 17
    onChar('5', cmd::KbDigit5),                          // 18
    onChar('6', cmd::KbDigit6),                          // 19
    onKey(VK_6, ModShift, cmd::KbUpShift),               // 20: '^' on the US layout
    onChar('7', cmd::KbDigit7),                          // 21
    onChar('8', cmd::KbDigit8),                          // 22
    onChar('9', cmd::KbDigit9),                          // 23
    onChar(';', cmd::KbPound),                           // 24
    onChar('=', cmd::KbEquals),                          // 25
    onKey(VK_A, ModNone, cmd::KbClearAll),               // 26
    onKey(VK_B, ModNone, cmd::KbUpShift),                // 27
    onKey(VK_C, ModNone, cmd::KbClear),                  // 28
    onKey(VK_C, ModCtrl, cmd::CopySheet),                // 29
    onKey(VK_C, ModCtrl, cmd::CopySheet),                // 30: never reached
    onKey(VK_D, ModNone, cmd::KbMacro2),                 // 31
    onKey(VK_E, ModNone, cmd::KbMacro0),                 // 32
    onKey(VK_F, ModNone, cmd::KbMacro3),                 // 33
    onKey(VK_M, ModNone, cmd::HiddenMemoryRecall),       // 34
    onKey(VK_N, ModNone, cmd::KbNegate),                 // 35
    onKey(VK_N, ModCtrl, cmd::FileNew),                  // 36
    onKey(VK_O, ModCtrl, cmd::FileOpen),                 // 37
    onKey(VK_P, ModNone, cmd::KbPercent),                // 38
    onKey(VK_P, ModCtrl, cmd::FilePrint),                // 39
    onKey(VK_Q, ModNone, cmd::KbQuickRecord),            // 40
    onKey(VK_R, ModNone, cmd::KbMacro1),                 // 41
    onKey(VK_S, ModNone, cmd::KbSubTotal),               // 42
    onKey(VK_S, ModCtrl, cmd::FileSave),                 // 43
    onKey(VK_T, ModNone, cmd::KbTotal),                  // 44
    onKey(VK_V, ModNone, cmd::KbVariable),               // 45
    onKey(VK_V, ModCtrl, cmd::EditPaste),                // 46: no handler
    onKey(VK_ADD, ModNone, cmd::RemapKeypadPlus),        // 47
    onKey(VK_BACK, ModNone, cmd::KbRightShift),          // 48
    onKey(VK_BACK, ModCtrl, cmd::KbClearAll),            // 49
    onKey(VK_BACK, ModAlt, cmd::UndoLastLine),           // 50
    onKey(VK_DECIMAL, ModCtrl, cmd::AutoDecimalCheck),   // 51
    onKey(VK_DELETE, ModNone, cmd::KbDelete),            // 52
    onKey(VK_DELETE, ModNone, cmd::NoHandlerDelete),     // 53: never reached
    onKey(VK_DOWN, ModNone, cmd::SelectNext),            // 54
    onKey(VK_END, ModNone, cmd::KbMemoryTotal),          // 55
    onKey(VK_END, ModCtrl, cmd::SelectLast),             // 56
    onKey(VK_ESCAPE, ModNone, cmd::KbClear),             // 57
    onKey(VK_F11, ModNone, cmd::HiddenMemoryRecall),     // 58
    onKey(VK_F12, ModNone, cmd::KbPercent),              // 59
    onKey(VK_F4, ModNone, cmd::StopReading),             // 60
    onKey(VK_F5, ModNone, cmd::RecalculateNow),          // 61
    onKey(VK_F6, ModNone, cmd::ResumeReading),           // 62
    onKey(VK_F6, ModShift, cmd::PrevPane),               // 63: nothing to act on
    onKey(VK_F7, ModNone, cmd::PauseReading),            // 64
    onKey(VK_F8, ModNone, cmd::ReadTape),                // 65
    onKey(VK_F9, ModNone, cmd::KbPound),                 // 66
    onKey(VK_HOME, ModNone, cmd::KbMemorySubTotal),      // 67
    onKey(VK_HOME, ModCtrl, cmd::SelectFirst),           // 68
    onKey(VK_INSERT, ModNone, cmd::KbMarkUpDown),        // 69
    onKey(VK_NEXT, ModNone, cmd::KbMemoryPlusEquals),    // 70
    onKey(VK_PRIOR, ModNone, cmd::KbMemoryMinusEquals),  // 71
    onKey(VK_RETURN, ModNone, cmd::RemapEnter),          // 72
    onKey(VK_RETURN, ModCtrl, cmd::KbEquals),            // 73
    onKey(VK_SPACE, ModNone, cmd::EditTapeEntry),        // 74
    onKey(VK_SUBTRACT, ModNone, cmd::RemapKeypadMinus),  // 75
    onKey(VK_UP, ModNone, cmd::SelectPrevious),          // 76
    onKey(VK_W, ModCtrl, cmd::CopyText),                 // 77
    onKey(VK_X, ModNone, cmd::KbMultiply),               // 78
    onKey(VK_X, ModCtrl, cmd::EditCut),                  // 79: no handler
    onKey(VK_Z, ModCtrl, cmd::UndoLastLine),             // 80
    onChar('\r', cmd::KbTotalReturn),                    // 81: only Shift+Enter gets here
}};
// Too few initialisers would leave zero rows at the end without a warning.
static_assert(kTable.back().kind == BindingKind::Char && kTable.back().key == '\r');

// Keys of this program's own, matched after the classic table: Shift+Insert
// is the desktop's other paste key, and finding a line takes the keys every
// desktop program finds with.
constexpr KeyBinding kOwnKeys[] = {
    onKey(VK_INSERT, ModShift, cmd::EditPaste),
    onKey(VK_F, ModCtrl, cmd::FindInTape),
    onKey(VK_F3, ModNone, cmd::FindNext),
    onKey(VK_F3, ModShift, cmd::FindPrevious),
    // The tape's history steps like a browser's: Alt with the arrows.
    onKey(VK_LEFT, ModAlt, cmd::TapeBack),
    onKey(VK_RIGHT, ModAlt, cmd::TapeForward),
    // The tax keys: I for the amount including tax, U for the amount
    // without it; G for the grand total.
    onKey(VK_I, ModNone, cmd::KbTaxPlus),
    onKey(VK_U, ModNone, cmd::KbTaxMinus),
    onKey(VK_G, ModNone, cmd::KbGrandTotal),
};

// Keyboard-only commands whose pressed key is also the key whose handler
// runs.
struct Plain {
    int commandId;
    int keyId;
};

constexpr Plain kPlain[] = {
    {cmd::KbDigit0, cmd::Digit0},
    {cmd::KbDigit1, cmd::Digit1},
    {cmd::KbDigit2, cmd::Digit2},
    {cmd::KbDigit3, cmd::Digit3},
    {cmd::KbDigit4, cmd::Digit4},
    {cmd::KbDigit5, cmd::Digit5},
    {cmd::KbDigit6, cmd::Digit6},
    {cmd::KbDigit7, cmd::Digit7},
    {cmd::KbDigit8, cmd::Digit8},
    {cmd::KbDigit9, cmd::Digit9},
    {cmd::KbDecimalPoint, cmd::DecimalPoint},
    {cmd::KbClear, cmd::Clear},
    {cmd::KbPercent, cmd::Percent},
    {cmd::KbDivide, cmd::Divide},
    {cmd::KbMultiply, cmd::Multiply},
    {cmd::KbEquals, cmd::Equals},
    {cmd::KbPlus, cmd::Plus},
    {cmd::KbMinus, cmd::Minus},
    {cmd::KbTotal, cmd::Total},
    {cmd::KbTotalReturn, cmd::Total},
    {cmd::KbSubTotal, cmd::SubTotal},
    {cmd::KbPound, cmd::Pound},
    {cmd::KbDelete, cmd::DeleteKey},
    {cmd::KbRightShift, cmd::RightShift},
    {cmd::KbMarkUpDown, cmd::MarkUpDown},
    {cmd::KbMemoryTotal, cmd::MemoryTotal},
    {cmd::KbMemorySubTotal, cmd::MemorySubTotal},
    {cmd::KbMemoryMinusEquals, cmd::MemoryMinusEquals},
    {cmd::KbMemoryPlusEquals, cmd::MemoryPlusEquals},
    {cmd::KbClearAll, cmd::ClearAll},
    {cmd::KbNegate, cmd::Negate},
    {cmd::HiddenMemoryRecall, cmd::MemoryRecall},
    {cmd::KbUpShift, cmd::UpShift},
    {cmd::KbMacro0, cmd::Macro0},
    {cmd::KbMacro1, cmd::Macro1},
    {cmd::KbMacro2, cmd::Macro2},
    {cmd::KbMacro3, cmd::Macro3},
    {cmd::KbVariable, cmd::Variable},
    {cmd::KbQuickRecord, cmd::QuickRecord},
    {cmd::KbTaxPlus, cmd::TaxPlus},
    {cmd::KbTaxMinus, cmd::TaxMinus},
    {cmd::KbGrandTotal, cmd::GrandTotal},
};

constexpr KeyPress same(int keyId) {
    return {keyId, keyId};
}

}  // namespace

std::span<const KeyBinding> keyboardTable() {
    return kTable;
}

std::optional<int> matchKeyDown(int vk, unsigned modifiers) {
    for (const KeyBinding& row : kTable) {
        if (row.kind == BindingKind::Key && row.key == vk && row.modifiers == modifiers) {
            return row.commandId;
        }
    }
    return std::nullopt;
}

std::optional<int> matchCharacter(char32_t ch) {
    for (const KeyBinding& row : kTable) {
        if (row.kind == BindingKind::Char && static_cast<char32_t>(row.key) == ch) {
            return row.commandId;
        }
    }
    return std::nullopt;
}

std::optional<int> matchKeystroke(const Keystroke& keystroke) {
    if (auto id = matchKeyDown(keystroke.vk, keystroke.modifiers)) return id;
    for (const KeyBinding& b : kOwnKeys)
        if (keystroke.vk == b.key && keystroke.modifiers == b.modifiers) return b.commandId;
    if (keystroke.character) return matchCharacter(*keystroke.character);
    return std::nullopt;
}

std::optional<int> matchHelpKey(const Keystroke& keystroke) {
    if (keystroke.vk != VK_F1) return std::nullopt;
    if (keystroke.modifiers == ModNone) return cmd::Help;
    if (keystroke.modifiers == ModShift) return cmd::ContextHelp;
    return std::nullopt;
}

std::optional<KeyPress> resolveKeyboardCommand(int commandId, bool remapKeypad) {
    for (const Plain& p : kPlain) {
        if (p.commandId == commandId) return same(p.keyId);
    }
    switch (commandId) {
        // "00" shows its own key but is entered as two zeros, so each zero goes
        // through the digit rules (leading zeros, digit limit) on its own.
        case cmd::KbDoubleZero: return KeyPress{cmd::DoubleZero, cmd::Digit0, 2};
        // ReMap Keypad: enter=plus, plus=minus, minus=total. Read per keystroke.
        case cmd::RemapKeypadPlus: return same(remapKeypad ? cmd::Minus : cmd::Plus);
        case cmd::RemapKeypadMinus: return same(remapKeypad ? cmd::Total : cmd::Minus);
        case cmd::RemapEnter: return same(remapKeypad ? cmd::Plus : cmd::Total);
        default: return std::nullopt;
    }
}

namespace {

std::string keyName(int vk) {
    if (vk >= VK_F1 && vk <= VK_F12) return "F" + std::to_string(vk - VK_F1 + 1);
    if ((vk >= VK_A && vk <= VK_Z) || (vk >= VK_0 && vk <= VK_9))
        return std::string(1, static_cast<char>(vk));
    switch (vk) {
        case VK_SPACE: return "SPACE";
        case VK_BACK: return "Backspace";
        case VK_DELETE: return "Del";
        case VK_INSERT: return "Ins";
        case VK_RETURN: return "Enter";
        case VK_ESCAPE: return "Esc";
        case VK_HOME: return "Home";
        case VK_END: return "End";
        case VK_PRIOR: return "PgUp";
        case VK_NEXT: return "PgDn";
        case VK_UP: return "Up";
        case VK_LEFT: return "Left";
        case VK_RIGHT: return "Right";
        case VK_DOWN: return "Down";
        default: return {};
    }
}

std::string bindingText(const KeyBinding& b) {
    std::string text;
    if (b.modifiers & ModCtrl) text += "Ctrl+";
    if (b.modifiers & ModAlt) text += "Alt+";
    if (b.modifiers & ModShift) text += "Shift+";
    return text + keyName(b.key);
}

}  // namespace

std::string shortcutText(int commandId) {
    const KeyBinding* first = nullptr;
    for (const KeyBinding& b : kTable) {
        if (b.kind != BindingKind::Key || b.commandId != commandId) continue;
        if (b.modifiers == ModCtrl) return bindingText(b);
        if (first == nullptr) first = &b;
    }
    if (first != nullptr) return bindingText(*first);
    for (const KeyBinding& b : kOwnKeys)
        if (b.commandId == commandId) return bindingText(b);
    return {};
}

namespace {

// A row as a person would name its key: the typed character for character
// rows, the keypad keys told apart from their main-keyboard twins.
std::string spokenBinding(const KeyBinding& b) {
    if (b.kind == BindingKind::Char) {
        // Only Shift+Enter types a carriage return the key rows let through.
        if (b.key == '\r') return "Shift+Enter";
        return std::string(1, static_cast<char>(b.key));
    }
    switch (b.key) {
        case VK_ADD: return VOR_TR_NOOP("vorlex", "Keypad +");
        case VK_SUBTRACT: return VOR_TR_NOOP("vorlex", "Keypad -");
        case VK_DECIMAL:
            return (b.modifiers & ModCtrl) ? VOR_TR_NOOP("vorlex", "Ctrl+Keypad .")
                                           : VOR_TR_NOOP("vorlex", "Keypad .");
        default: return bindingText(b);
    }
}

}  // namespace

std::vector<std::string> keyShortcuts(int keyId, bool remapKeypad) {
    std::vector<std::string> keys;
    std::vector<KeyBinding> rows(kTable.begin(), kTable.end());
    rows.insert(rows.end(), std::begin(kOwnKeys), std::end(kOwnKeys));
    for (const KeyBinding& b : rows) {
        const auto press = resolveKeyboardCommand(b.commandId, remapKeypad);
        if (b.commandId != keyId && !(press && press->pressKeyId == keyId)) continue;
        // The rows shadowed by an earlier identical one can never be pressed.
        if (matchKeystroke({b.kind == BindingKind::Key ? b.key : VK_NONE, b.modifiers,
                            b.kind == BindingKind::Char
                                ? std::optional<char32_t>(static_cast<char32_t>(b.key))
                                : std::nullopt}) != b.commandId)
            continue;
        std::string text = spokenBinding(b);
        if (std::find(keys.begin(), keys.end(), text) == keys.end()) keys.push_back(text);
    }
    return keys;
}

std::string keyShortcutsText(int keyId, bool remapKeypad) {
    const std::vector<std::string> keys = keyShortcuts(keyId, remapKeypad);
    if (keys.empty()) return {};
    std::string text = keys.size() == 1 ? "Shortcut: " : "Shortcuts: ";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0) text += i + 1 == keys.size() ? " or " : ", ";
        text += keys[i];
    }
    return text;
}

}  // namespace vor
