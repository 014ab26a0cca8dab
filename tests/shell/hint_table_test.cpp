// The status-bar hints as the window looks them up: every control of the
// form, found by its centre in dialog units, lands in its own rectangle of
// the classic layout, and the first rectangle in table order wins.
#include "shell/hint_table.h"

#include <gtest/gtest.h>

#include <string>

#include "core/command_ids.h"
#include "core/key_table.h"

namespace vor {
namespace {

std::string hintOfCentre(int x, int y, int w, int h) {
    return hintForDialogPoint(x + w / 2.0, y + h / 2.0).value_or("(none)");
}

int expectedHint(int id) {
    switch (id) {
        case cmd::Total: return 0;
        case cmd::SubTotal: return 1;
        case cmd::Pound: return 2;
        case cmd::Minus: return 3;
        case cmd::Plus: return 4;
        case cmd::DecimalPoint: return 5;  // inside "Number Buttons", listed first
        case cmd::Digit0:
        case cmd::Digit1:
        case cmd::Digit2:
        case cmd::Digit3:
        case cmd::Digit4:
        case cmd::Digit5:
        case cmd::Digit6:
        case cmd::Digit7:
        case cmd::Digit8:
        case cmd::Digit9:
        case cmd::DoubleZero: return 6;
        case cmd::MemoryMinusEquals: return 7;
        case cmd::MemoryPlusEquals: return 8;
        case cmd::Percent: return 9;
        case cmd::Multiply: return 10;
        case cmd::MemorySubTotal: return 11;
        case cmd::MemoryTotal: return 12;
        case cmd::Equals: return 13;
        case cmd::Divide: return 14;
        case cmd::MarkUpDown: return 15;
        case cmd::DeleteKey: return 16;
        case cmd::Clear: return 17;
        case cmd::ClearAll: return 18;
        case cmd::UpShift: return 19;
        case cmd::RightShift: return 20;
        case cmd::Negate: return 21;
        case cmd::MemoryRecall: return 22;
        case cmd::Variable: return 25;
        case cmd::QuickRecord: return 26;
        case cmd::Macro0:
        case cmd::Macro1:
        case cmd::Macro2:
        case cmd::Macro3: return 27;
        case cmd::TaxPlus: return 30;
        case cmd::TaxMinus: return 31;
        case cmd::GrandTotal: return 32;
        default: return -1;
    }
}

TEST(HintTable, EveryKeyOfTheKeypadFindsItsOwnHint) {
    int keys = 0;
    for (const KeyDesc& k : keypad()) {
        if (k.w == 0) continue;
        const int want = expectedHint(k.id);
        ASSERT_GE(want, 0) << k.caption;
        EXPECT_EQ(hintOfCentre(k.x, k.y, k.w, k.h), hintTable()[want].text) << k.caption;
        ++keys;
    }
    EXPECT_EQ(keys, 42);
}

TEST(HintTable, DisplaysSelectorsAndTapeFindTheirHints) {
    struct Case {
        const char* name;
        int x, y, w, h;
        int hint;
    };
    const Case cases[] = {
        {"Memory LED", 8, 19, 143, 18, 28},     {"Main LED", 168, 19, 143, 18, 29},
        {"Memory LED label", 9, 11, 45, 8, 28}, {"Main LED label", 169, 11, 45, 8, 29},
        {"precision F", 24, 85, 8, 8, 24},      {"precision 5", 72, 85, 8, 8, 24},
        {"Auto Decimal box", 12, 85, 8, 8, 24}, {"rounding Up", 98, 85, 8, 8, 23},
        {"rounding Down", 129, 85, 8, 8, 23},   {"tape box", 4, 110, 308, 104, 33},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hintOfCentre(c.x, c.y, c.w, c.h), hintTable()[c.hint].text) << c.name;
}

TEST(HintTable, ProductLineCoversTheRestAndNothingOutsideIt) {
    ASSERT_EQ(hintTable().size(), 35u);
    const std::string product = hintTable()[34].text;
    EXPECT_EQ(product.rfind("Vorlex v1.31 (Beta)   ", 0), 0u);
    EXPECT_EQ(product.substr(product.size() - 21), "   For Help, press F1");
    // Between the LEDs and the keypad, and in the left margin.
    EXPECT_EQ(hintForDialogPoint(160, 30), product);
    EXPECT_EQ(hintForDialogPoint(1, 150), product);
    // Above the form (the toolbar) the status bar keeps its text.
    EXPECT_FALSE(hintForDialogPoint(100, -2).has_value());
    EXPECT_EQ(formCaption().rfind("Vorlex v1.31 (Beta) ", 0), 0u);
}

}  // namespace
}  // namespace vor
