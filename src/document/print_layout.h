#pragma once

#include <string>
#include <vector>

#include "core/vor_doc.h"

namespace vor {

// What the printer tells us, in device pixels: the printable area and the
// selected font's row height and average character width.
struct PrintDevice {
    int pageHeightPx = 0;
    int pageWidthPx = 0;
    int rowHeight = 1;
    int charWidth = 1;
};

// How the tape is to be printed, from the settings, and the two footer texts.
struct PrintOptions {
    bool twoColumns = false;
    bool negativeInRed = true;
    bool receiptMode = false;
    std::string titleLine;   // product name and version; "Page p of N" follows it
    std::string webAddress;  // the last row of every page
};

// One text to draw. (x, y) is the top left corner of its cell, as a row
// starts at y = row * rowHeight; red texts are drawn in RGB(255, 0, 0),
// the others in black.
struct PrintText {
    int x = 0;
    int y = 0;
    std::string text;
    bool red = false;

    bool operator==(const PrintText&) const = default;
};

// Rows on a page (R): the page height, a thousand pages tall for a receipt
// roll printed in one column, divided by the row height.
int printRows(const PrintOptions& options, const PrintDevice& device);

// Tape lines a column holds: every row but the blank one above the footer
// and the two footer rows. Never below one, so a page too small for its
// font still advances through the tape.
int printLinesPerColumn(int rows);

// Pages (N) for `lineCount` lines. The divisions truncate, so a tape that
// exactly fills k pages gets a k + 1st page that carries only the footer,
// and an empty tape prints one page.
int printPageCount(int lineCount, int rows, bool twoColumns);

// The texts of page `page` (1..pageCount), in drawing order: column one's
// lines (each text, then its comment), column two's, then the two footer
// rows.
std::vector<PrintText> layoutPrintPage(const CVORDoc& doc, const PrintOptions& options,
                                       const PrintDevice& device, int page, int pageCount);

// A receipt roll has no page length of its own, so a printout in Receipt
// Printer Mode is given one page exactly long enough for the tape: its
// lines, the blank row and the footer. Returns that page's printable
// height in device pixels; laid out as an ordinary page of that height
// (receiptMode off), the whole tape fits on page 1 of 1.
int receiptPageHeight(int lineCount, const PrintDevice& device);

}  // namespace vor
