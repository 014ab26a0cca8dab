#pragma once

#include <string>

#include "core/vor_doc.h"

namespace vor {

// The tape as CSV (RFC 4180), for spreadsheets and scripts that want the
// figures rather than the printed look: a header row "value,key,comment",
// then one row per tape line, every row ending in CR LF.
//
// - value: the line's value without thousands separators, as the shortest
//   fixed-point text that reads back to the same double; "0" for zero of
//   either sign. Empty for a line that shows no number (a Clear line, a
//   blank comment line, an OVERFLOW ERROR line) and for a value that is not
//   finite.
// - key: the key symbol the line shows ("+", "Ttl", "M+", "%MU", ...); for a
//   line that shows a marker in place of a number and has no symbol, the
//   marker itself ("<clear>", "<comment>"), so those rows stay recognisable.
// - comment: the comment without its " ;" prefix (or the leading blanks of
//   a line that has no prefix), as valid UTF-8. One that begins with "=",
//   "+", "-", "@", a tab or CR gets an apostrophe in front ("'=2+3"), which
//   LibreOffice and Excel both show as part of a text: without it they
//   would take the comment for a formula and compute it.
//
// Number style: spreadsheets read numbers in their locale's form, so the
// CSV follows European Mode. Otherwise the fields are separated by commas
// and the values have a decimal point; in European Mode the fields are
// separated by semicolons (header "value;key;comment") and the values have
// a decimal comma, as a spreadsheet set up for a European locale reads
// them.
//
// A field holding a comma, a semicolon, a tab, a double quote, CR or LF is
// quoted, with its double quotes doubled: spreadsheets guess the separator
// (LibreOffice splits at all three by default), so a field is kept whole
// whichever they choose. A European value with decimals is quoted for that
// reason; a quoted number still reads as a number.
std::string buildCsvExport(const CVORDoc& doc, bool europeanMode);

// One CSV field: `text` as it is, or quoted when it must be.
std::string csvField(const std::string& text);

// A comment as the comment column holds it, before quoting: with the
// apostrophe in front where a spreadsheet would read a formula.
std::string csvText(std::string text);

// The value column text for `value`, with a decimal comma in European
// Mode: empty for a value that is not finite.
std::string csvNumber(double value, bool europeanMode = false);

}  // namespace vor
