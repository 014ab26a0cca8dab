#include "shell/keyboard_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Command ids are written as numbers here on purpose: they are stored data,
// and a wrong named constant in the table must not be able to hide.
namespace vor {
namespace {

struct MatchCase {
    const char* name;
    Keystroke stroke;
    std::optional<int> command;
};

constexpr std::nullopt_t kNothing = std::nullopt;

const MatchCase kMatchCases[] = {
    // The first of two identical rows wins.
    {"CtrlC_FirstOfDuplicateRows", {VK_C, ModCtrl, U'\x03'}, 57634},
    {"Delete_Row52NotRow53", {VK_DELETE, ModNone, U'\x7f'}, 1063},
    // Key rows need exactly their modifiers.
    {"A_ClearsAll", {VK_A, ModNone, U'a'}, 1049},
    {"ShiftA_NoRow", {VK_A, ModShift, U'A'}, kNothing},
    {"CtrlA_NoRow", {VK_A, ModCtrl, U'\x01'}, kNothing},
    {"CtrlShiftC_NoRow", {VK_C, ModCtrl | ModShift, U'\x03'}, kNothing},
    {"CtrlZero_MacroM0", {VK_0, ModCtrl, kNothing}, 1094},
    {"CtrlKeypadOne_NotMacroM1", {VK_NUMPAD1, ModCtrl, kNothing}, kNothing},
    {"ShiftSix_UpShift", {VK_6, ModShift, U'^'}, 32782},
    {"ShiftF6_PreviousPane", {VK_F6, ModShift, kNothing}, 57681},
    {"AltBackspace_Undo", {VK_BACK, ModAlt, kNothing}, 57643},
    // A matched key-down consumes the keystroke before its character.
    {"KeypadPlus_NeverPlusChar", {VK_ADD, ModNone, U'+'}, 1147},
    {"KeypadMinus_NeverMinusChar", {VK_SUBTRACT, ModNone, U'-'}, 1148},
    {"MainPlus_Char", {VK_NONE, ModShift, U'+'}, 1065},
    {"Enter_Remapped", {VK_RETURN, ModNone, U'\r'}, 1149},
    {"CtrlEnter_Equals", {VK_RETURN, ModCtrl, U'\n'}, 1087},
    {"ShiftEnter_FallsToCarriageReturn", {VK_RETURN, ModShift, U'\r'}, 1088},
    {"CtrlKeypadPoint_AutoDecimal", {VK_DECIMAL, ModCtrl, U'.'}, 1144},
    {"Comma_DecimalPoint", {VK_NONE, ModNone, U','}, 1082},
    {"Caret_WithoutKey_NoRow", {VK_NONE, ModNone, U'^'}, kNothing},
    // Num Lock off: the keypad sends navigation keys.
    {"NumLockOff0_Insert", {VK_INSERT, ModNone, kNothing}, 1058},
    {"NumLockOff1_End", {VK_END, ModNone, kNothing}, 1059},
    {"NumLockOff2_Down", {VK_DOWN, ModNone, kNothing}, 1067},
    {"NumLockOff5_Clear_NoRow", {VK_CLEAR, ModNone, kNothing}, kNothing},
    {"NumLockOff7_Home", {VK_HOME, ModNone, kNothing}, 1057},
    {"NumLockOff9_PageUp", {VK_PRIOR, ModNone, kNothing}, 1056},
};

class MatchKeystroke : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchKeystroke, SendsCommand) {
    EXPECT_EQ(matchKeystroke(GetParam().stroke), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(Table, MatchKeystroke, testing::ValuesIn(kMatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Keystroke -> on-screen key pressed and handler run, through ReMap Keypad.
struct PressCase {
    const char* name;
    Keystroke stroke;
    bool remap;
    int key;  // both pressed and run
};

const PressCase kPressCases[] = {
    {"KeypadPlus_RemapOff_Plus", {VK_ADD, ModNone, U'+'}, false, 1016},
    {"KeypadPlus_RemapOn_Minus", {VK_ADD, ModNone, U'+'}, true, 1015},
    {"KeypadMinus_RemapOff_Minus", {VK_SUBTRACT, ModNone, U'-'}, false, 1015},
    {"KeypadMinus_RemapOn_Total", {VK_SUBTRACT, ModNone, U'-'}, true, 1025},
    {"Enter_RemapOff_Total", {VK_RETURN, ModNone, U'\r'}, false, 1025},
    {"Enter_RemapOn_Plus", {VK_RETURN, ModNone, U'\r'}, true, 1016},
    {"MainMinus_RemapOn_StillMinus", {VK_NONE, ModNone, U'-'}, true, 1015},
    {"ShiftEnter_RemapOn_StillTotal", {VK_RETURN, ModShift, U'\r'}, true, 1025},
    {"F11_MemoryRecall", {VK_F11, ModNone, kNothing}, false, 1012},
    {"PageDown_MemoryPlusEquals", {VK_NEXT, ModNone, kNothing}, false, 1043},
    {"CtrlBackspace_ClearAll", {VK_BACK, ModCtrl, kNothing}, false, 1014},
    {"D_MacroM2", {VK_D, ModNone, U'd'}, false, 1100},
    {"Slash_Divide", {VK_NONE, ModNone, U'/'}, false, 1020},
};

class KeyboardPress : public testing::TestWithParam<PressCase> {};

TEST_P(KeyboardPress, PressesKeyAndRunsHandler) {
    const PressCase& c = GetParam();
    const std::optional<int> command = matchKeystroke(c.stroke);
    ASSERT_TRUE(command);
    const std::optional<KeyPress> press = resolveKeyboardCommand(*command, c.remap);
    ASSERT_TRUE(press);
    EXPECT_EQ(press->pressKeyId, c.key);
    EXPECT_EQ(press->handlerId, c.key);
    EXPECT_EQ(press->repeat, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyboardPress, testing::ValuesIn(kPressCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Typed digits 1..9 (commands 1034..1042) press keys whose ids are not in
// order.
TEST(ResolveKeyboardCommand, DigitsPressTheirOwnKeys) {
    const int keys[] = {1006, 1022, 1044, 1045, 1005, 1007, 1008, 1009, 1017};
    for (int digit = 1; digit <= 9; ++digit) {
        const auto press = resolveKeyboardCommand(matchCharacter(U'0' + digit).value(), false);
        ASSERT_TRUE(press) << digit;
        EXPECT_EQ(press->pressKeyId, keys[digit - 1]) << digit;
        EXPECT_EQ(press->handlerId, keys[digit - 1]) << digit;
    }
}

TEST(ResolveKeyboardCommand, DoubleZeroShowsItsKeyButEntersTwoZeros) {
    const std::optional<KeyPress> press = resolveKeyboardCommand(1055, false);
    ASSERT_TRUE(press);
    EXPECT_EQ(press->pressKeyId, 1023);
    EXPECT_EQ(press->handlerId, 1011);
    EXPECT_EQ(press->repeat, 2);
}

// Every row either names a keyboard-only command or one dispatched as it is;
// a keyboard-only id missing from the resolution would silently do nothing.
TEST(KeyboardTable, EveryRowResolvesOrIsDispatchedDirectly) {
    const std::set<int> direct = {57634, 57600, 57601, 57607, 57603, 57637, 57643, 1144,
                                  1124,  1067,  1120,  32837, 32812, 32835, 57681, 32834,
                                  32828, 1119,  32787, 1053,  32816, 57635};
    ASSERT_EQ(keyboardTable().size(), 81u);
    for (const KeyBinding& row : keyboardTable()) {
        const bool resolved = resolveKeyboardCommand(row.commandId, false).has_value();
        EXPECT_NE(resolved, direct.contains(row.commandId)) << "command " << row.commandId;
    }
}

// Only the duplicate Ctrl+C (row 30) and second Delete (row 53) are shadowed;
// any other shadowed row is a typo in a key or modifier.
TEST(KeyboardTable, OnlyTheKnownDuplicatesAreShadowed) {
    const auto table = keyboardTable();
    std::set<std::size_t> shadowed;
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (table[j].kind == table[i].kind && table[j].key == table[i].key &&
                table[j].modifiers == table[i].modifiers) {
                shadowed.insert(i + 1);
            }
        }
    }
    EXPECT_EQ(shadowed, (std::set<std::size_t>{30, 53}));
}

// What a screen reader says after a key's name: every key that presses it,
// the remapped keypad followed, shadowed rows left out.
TEST(KeyboardTable, ShortcutTextsNameTheKeysThatPressAKey) {
    struct Case {
        int keyId;
        bool remap;
        const char* text;
    } const cases[] = {
        {1025, false, "Shortcuts: T, Enter or Shift+Enter"},  // Total
        {1025, true, "Shortcuts: T, Keypad - or Shift+Enter"},
        {1016, true, "Shortcuts: + or Enter"},   // Plus
        {1028, false, "Shortcut: Del"},          // Del: its second row never matches
        {1027, false, "Shortcuts: #, ; or F9"},  // Pound
        {1012, false, "Shortcuts: M or F11"},    // Memory Recall, through the hidden key
        {1019, false, "Shortcuts: , or ."},      // decimal point
        {1144, false, "Shortcut: Ctrl+Keypad ."},
        {1023, false, ""},  // 00 has no key of its own
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyShortcutsText(c.keyId, c.remap), c.text) << c.keyId << " remap " << c.remap;
}

}  // namespace
}  // namespace vor
