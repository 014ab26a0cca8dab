#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/tr_noop.h"

// The status-bar hints: 35 rectangles of the keypad window with the text
// shown while the mouse pointer is over them. The rectangles are pixels of
// the classic layout (form font 7 by 14 dialog base units, form below a
// 28-pixel toolbar); the window maps its own controls onto them through
// dialog units, so the hints keep working at any font size or scale.
namespace vor {

inline constexpr const char* kProductName = "Vorlex v1.31 (Beta)";
// The free text after the product name in the form's group box caption and
// in the product line hint.
inline constexpr const char* kProductTagline =
    VOR_TR_NOOP("vorlex", "Adding machine with a live paper tape");

struct HintRect {
    int left, top, right, bottom;
};

struct Hint {
    HintRect rect;
    std::string text;
};

// The 35 entries in search order; the last one is the product line that
// covers the whole form.
std::span<const Hint> hintTable();

// The group box caption: the product name and a space, then "- " and the
// tagline as the free text.
std::string formCaption();

// Index of the first entry whose (normalised) rectangle holds the pixel
// point, -1 when none does.
int hintIndexAt(int x, int y);

// The hint for a point of the form given in dialog units. nullopt when the
// point is outside the product line rectangle: the status bar then keeps
// whatever it shows.
std::optional<std::string> hintForDialogPoint(double x, double y);

}  // namespace vor
