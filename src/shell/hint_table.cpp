#include "shell/hint_table.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/tr_noop.h"

namespace vor {
namespace {

constexpr int kProductLine = 34;

// Where a dialog unit of the form lands in the rectangles' pixel space:
// base units 7 by 14 (1.75 pixels per unit both ways) and the form's origin
// at (4, 28) of the frame's client area, fitted on the keys' rectangles.
constexpr double kPixelsPerUnit = 1.75;
constexpr double kOriginX = 4.0;
constexpr double kOriginY = 28.0;

std::array<Hint, 35> buildTable() {
    return {{
        {{518, 148, 545, 189},
         VOR_TR_NOOP("vorlex",
                     "Total Button (Diplays current running total and clears it.  Shorcuts: t, T, "
                     "Enter.)")},
        {{518, 123, 545, 141},
         VOR_TR_NOOP("vorlex",
                     "SubTotal Button (Diplays current running total without clearing it.  "
                     "Shortcuts: s, S.)")},
        {{518, 98, 545, 120},
         VOR_TR_NOOP("vorlex",
                     "Pound Button (Brings up dialog to add or edit a comment for the currently "
                     "selected line. "
                     " Shortcuts: ;, #, F9.)")},
        {{477, 98, 512, 117},
         VOR_TR_NOOP("vorlex",
                     "Minus Button (Subtracts immediate value, product, or quotient from the "
                     "current running "
                     "total.)")},
        {{479, 123, 512, 187},
         VOR_TR_NOOP("vorlex",
                     "Plus Button (Adds immediate value, product, or quotient to the current "
                     "running total.)")},
        {{420, 169, 446, 187}, VOR_TR_NOOP("vorlex", "Decimal Button")},
        {{358, 98, 446, 187}, VOR_TR_NOOP("vorlex", "Number Buttons")},
        {{302, 99, 328, 118},
         VOR_TR_NOOP(
             "vorlex",
             "Memory Minus Equals (Subtracts immediate value, product, or quotient from Memory "
             "Register.  Shortcut: Page Up.)")},
        {{302, 124, 328, 142},
         VOR_TR_NOOP(
             "vorlex",
             "Memory Plus Equals (Adds immediate value, product, or quotient to Memory Register.  "
             "Shortcut: Page Down.)")},
        {{302, 146, 328, 164},
         VOR_TR_NOOP(
             "vorlex",
             "Percent Button (Displays current value entered as a percentage of prior entry.  "
             "Shortcuts: p, P, F12.)")},
        {{302, 170, 328, 187},
         VOR_TR_NOOP("vorlex",
                     "Multiplication Button (Multiplies current value entered by subsequent entry. "
                     " Shortcuts: "
                     "*, x, X.)")},
        {{271, 100, 296, 117},
         VOR_TR_NOOP(
             "vorlex",
             "Memory SubTotal (Displays the current memory total without clearing it.  Shortcut: "
             "Home.)")},
        {{271, 123, 296, 142},
         VOR_TR_NOOP("vorlex",
                     "Memory Total (Displays the current running memory total and clears it.  "
                     "Shortcut: End.)")},
        {{272, 147, 297, 166},
         VOR_TR_NOOP(
             "vorlex",
             "Equals (Displays result of mult. or div. operation.  Does not modify current running "
             "ttl.  Short: CTRL+Enter)")},
        {{272, 169, 296, 188},
         VOR_TR_NOOP(
             "vorlex",
             "Division Button (Divides previous value entered by current entry.  Shortcut: /.)")},
        {{242, 100, 267, 118},
         VOR_TR_NOOP("vorlex",
                     "Mark Up or Mark Down (Usage: Cost / % Mark Down or Cost X % Mark Up.  "
                     "Shorcut: Insert.)")},
        {{242, 123, 267, 141},
         VOR_TR_NOOP("vorlex",
                     "Delete Button (Deletes the currently selected line in the tape box.  "
                     "Shortcut: Delete.)")},
        {{193, 100, 218, 118},
         VOR_TR_NOOP("vorlex",
                     "Clear Button (Clears current running total.  Shortcuts: c, C, Esc.)")},
        {{193, 124, 218, 141},
         VOR_TR_NOOP("vorlex",
                     "Clear All Button (Clears current total, memory register, and tape box.  "
                     "Shortcuts: a, A, "
                     "CTRL+BackSpace.)")},
        {{162, 99, 188, 118},
         VOR_TR_NOOP(
             "vorlex",
             "Up Shift (Shifts tape box up, inserting blank <comment> line into the tape box.  "
             "Shortcuts: ^, b, B.)")},
        {{162, 124, 188, 142},
         VOR_TR_NOOP(
             "vorlex",
             "Right Shift (Shift's Main LED right one place, deleting right-most digit.  Shortcut: "
             "Backspace.)")},
        {{132, 100, 156, 118},
         VOR_TR_NOOP("vorlex",
                     "Negate Button (Negates current value in Main LED by multiplying by -1.  "
                     "Shortcuts: n, "
                     "N.)")},
        {{133, 124, 158, 142},
         VOR_TR_NOOP("vorlex",
                     "Memory Recall (Takes current value of Memory LED for use as immediate value. "
                     " Shortcuts: "
                     "m, M, F11.)")},
        {{169, 158, 250, 187},
         VOR_TR_NOOP(
             "vorlex",
             "Rounding Radio Buttons (OFF = round off 5/4   UP = round up   DOWN = round down.)")},
        {{17, 158, 148, 187},
         VOR_TR_NOOP("vorlex",
                     "Decimal Precision Buttons (Specifies the format used to dispay values in the "
                     "tape box.)")},
        {{85, 100, 109, 117},
         VOR_TR_NOOP(
             "vorlex",
             "Variable (Macro use only.  Takes value of Main LED when macro is first invoked.  "
             "Shortcuts: v, V.)")},
        {{85, 123, 109, 141},
         VOR_TR_NOOP("vorlex",
                     "Quick Record (Quick records a macro button with current value in Main LED.  "
                     "Shortcuts: "
                     "q, Q.)")},
        {{23, 100, 78, 141},
         VOR_TR_NOOP("vorlex",
                     "Macro Buttons (User-definable macros  Shortcuts: CTRL+0, CTRL+1, CTRL+2, "
                     "CTRL+3, F, R, "
                     "E, D, f, r, e, d.)")},
        {{18, 45, 264, 80},
         VOR_TR_NOOP("vorlex", "Memory LED (Always displays current running memory total.)")},
        {{297, 45, 543, 79},
         VOR_TR_NOOP(
             "vorlex",
             "Main LED (Simulates Light Emitting Diode (LED) display found on typical adding "
             "machines.)")},
        // The row of the tax keys, below the classic keypad.
        {{271, 194, 301, 217},
         VOR_TR_NOOP("vorlex",
                     "Tax Plus Button (Adds tax at the Tax Rate setting to the value shown.  "
                     "Shortcut: I.)")},
        {{303, 194, 333, 217},
         VOR_TR_NOOP("vorlex",
                     "Tax Minus Button (Takes the tax at the Tax Rate setting out of the value "
                     "shown.  Shortcut: U.)")},
        {{518, 194, 548, 217},
         VOR_TR_NOOP("vorlex",
                     "Grand Total Button (Displays the sum of every total since the tape began.  "
                     "Shortcut: G.)")},
        {{18, 192, 545, 381},
         VOR_TR_NOOP(
             "vorlex",
             "Tape Box (Simulates paper tape roll found on typical adding machines.  Shortcuts: "
             "CTRL+END, CTRL+HOME.)")},
        {{0, 30, 549, 391},
         std::string(kProductName) + "   " + kProductTagline + "   For Help, press F1"},
    }};
}

bool contains(const HintRect& r, int x, int y) {
    // Normalised first, then the usual half-open test: right and bottom
    // edges are outside.
    const int left = std::min(r.left, r.right), right = std::max(r.left, r.right);
    const int top = std::min(r.top, r.bottom), bottom = std::max(r.top, r.bottom);
    return x >= left && x < right && y >= top && y < bottom;
}

}  // namespace

std::span<const Hint> hintTable() {
    static const std::array<Hint, 35> table = buildTable();
    return table;
}

std::string formCaption() {
    return std::string(kProductName) + " - " + kProductTagline;
}

int hintIndexAt(int x, int y) {
    const auto table = hintTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (contains(table[i].rect, x, y)) return static_cast<int>(i);
    return -1;
}

std::optional<std::string> hintForDialogPoint(double x, double y) {
    const int px = static_cast<int>(std::floor(kOriginX + x * kPixelsPerUnit));
    const int py = static_cast<int>(std::floor(kOriginY + y * kPixelsPerUnit));
    if (!contains(hintTable()[kProductLine].rect, px, py)) return std::nullopt;
    return hintTable()[static_cast<std::size_t>(hintIndexAt(px, py))].text;
}

}  // namespace vor
