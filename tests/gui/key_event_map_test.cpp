#include "gui/key_event_map.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <ostream>
#include <string>

// Qt key events as the platform delivers them, through the keyboard table.
namespace vor {
namespace {

struct QtCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    std::optional<int> command;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr std::nullopt_t kNothing = std::nullopt;

const QtCase kCases[] = {
    {"Letter", Qt::Key_A, kNone, "a", 1049},
    {"ShiftLetter_NoRow", Qt::Key_A, Qt::ShiftModifier, "A", kNothing},
    {"MetaIgnored", Qt::Key_A, Qt::MetaModifier, "a", 1049},
    {"CtrlC_ControlCharText", Qt::Key_C, Qt::ControlModifier, "\x03", 57634},
    {"CtrlDigit_Macro", Qt::Key_1, Qt::ControlModifier, "", 1095},
    {"CtrlKeypadDigit_NoMacro", Qt::Key_1, Qt::ControlModifier | kPad, "", kNothing},
    {"AltDigit_TypesNothing", Qt::Key_1, Qt::AltModifier, "1", kNothing},
    // Shift+6 on a US layout, and '^' as a dead key elsewhere.
    {"Caret_UpShift", Qt::Key_AsciiCircum, Qt::ShiftModifier, "^", 32782},
    {"DeadCaret_UpShift", Qt::Key_Dead_Circumflex, kNone, "", 32782},
    {"CtrlCaret_NoRow", Qt::Key_AsciiCircum, Qt::ControlModifier | Qt::ShiftModifier, "\x1e",
     kNothing},
    {"MainPlus_Char", Qt::Key_Plus, Qt::ShiftModifier, "+", 1065},
    {"KeypadPlus_Remapped", Qt::Key_Plus, kPad, "+", 1147},
    {"KeypadPoint_Char", Qt::Key_Period, kPad, ".", 1082},
    {"CtrlKeypadPoint_AutoDecimal", Qt::Key_Period, Qt::ControlModifier | kPad, "", 1144},
    {"CtrlKeypadComma_AutoDecimal", Qt::Key_Comma, Qt::ControlModifier | kPad, "", 1144},
    {"Return_Remapped", Qt::Key_Return, kNone, "\r", 1149},
    {"KeypadEnter_Remapped", Qt::Key_Enter, kPad, "\r", 1149},
    {"CtrlEnter_Equals", Qt::Key_Enter, Qt::ControlModifier | kPad, "\r", 1087},
    {"ShiftEnter_CarriageReturn", Qt::Key_Return, Qt::ShiftModifier, "\r", 1088},
    {"ShiftEnterNoText_CarriageReturn", Qt::Key_Enter, Qt::ShiftModifier | kPad, "", 1088},
    {"CtrlShiftEnter_NoRow", Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, "\r",
     kNothing},
    {"AltEnter_NoRow", Qt::Key_Return, Qt::AltModifier, "\r", kNothing},
    {"AltBackspace_Undo", Qt::Key_Backspace, Qt::AltModifier, "", 57643},
    {"F11", Qt::Key_F11, kNone, "", 1013},
    // Num Lock off: keypad keys act as the navigation keys they send.
    {"NumLockOff0_Insert", Qt::Key_Insert, kPad, "", 1058},
    {"NumLockOff2_Down", Qt::Key_Down, kPad, "", 1067},
    {"NumLockOff5_Clear", Qt::Key_Clear, kPad, "", kNothing},
    {"NumLockOffPoint_Delete", Qt::Key_Delete, kPad, "\x7f", 1063},
};

// Failure messages name the row rather than dump its bytes.
void PrintTo(const QtCase& c, std::ostream* out) {
    *out << c.name;
}

class KeyEventMap : public testing::TestWithParam<QtCase> {};

TEST_P(KeyEventMap, SendsCommand) {
    const QtCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
    EXPECT_EQ(matchKeystroke(keystrokeFromQt(event)), c.command);
}

// Each row's test is named after it, in gtest and in ctest alike.
INSTANTIATE_TEST_SUITE_P(Table, KeyEventMap, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeystrokeFromQt, CharacterIsTheFirstCodePoint) {
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                          QString::fromUtf8("\xF0\x9D\x9F\x98x"));
    EXPECT_EQ(keystrokeFromQt(event).character, U'\U0001D7D8');
}

}  // namespace
}  // namespace vor
