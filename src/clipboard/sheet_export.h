#pragma once

#include <string>
#include <string_view>

#include "core/ports.h"
#include "core/vor_doc.h"

namespace vor {

// Shown before every spreadsheet export, with the information icon and only
// an OK button.
inline constexpr std::string_view kSheetExplanation =
    "The data from your tape box will be copied to the clipboard for insertion into a "
    "spreadsheet program via its paste command.  Be sure to use cell A1 as the insertion point "
    "for your paste operation.  Some spreadsheet programs, notably Microsoft Works, will require "
    "you to go in and do a global search and replacement of all instances of \"= with = (edit, "
    "replace).  This is because the data that is pasted in will be interepreted as text labels "
    "rather than as the formulas that they are.\n\n"
    "Generally speaking, if you replace the value in a cell in your new worksheet, the bottom "
    "line total results will be automatically recalculated for you.\n\n"
    "Note:  Macros are basically ignored in the translation from tape box to spreadsheet.  In "
    "other words, editing a cell that was part of a macro definition will NOT cause further "
    "instances of that same macro definition to be modified.\n\n"
    "Before making any changes to your spreadsheet, CAREFULLY examine the formulas that VOR sets "
    "up to make certain that the results you are getting are what you are expecting to get!";
inline constexpr Buttons kSheetExplanationButtons = Buttons::Ok;
inline constexpr Icon kSheetExplanationIcon = Icon::Information;

// Tape line i lands in row i + 7: the header fills rows 1 to 6.
inline constexpr int kSheetFirstRow = 7;

// The whole tape as tab-separated rows for a spreadsheet pasted at A1: the
// header lines, then one row per tape line (column A the value or a formula
// that computes the value the tape shows, then the symbol and the comment),
// every line ending in a bare line feed. `pathName` is the document's full
// path, empty for a document never saved. The number texts and formulas are
// the same in European Mode: the spreadsheet reads them in English form.
std::string buildSheetExport(const CVORDoc& doc, const std::string& pathName);

}  // namespace vor
