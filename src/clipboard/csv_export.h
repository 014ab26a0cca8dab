#pragma once

#include <string>

#include "core/vor_doc.h"

namespace vor {

// The tape as CSV (RFC 4180), for spreadsheets and scripts that want the
// figures rather than the printed look: a header row "value,key,comment",
// then one row per tape line, every row ending in CR LF.
//
// - value: the line's value with a point and without thousands separators
//   in any number style, as the shortest fixed-point text that reads back to
//   the same double; "0" for zero of either sign. Empty for a line that
//   shows no number (a Clear line, a blank comment line, an OVERFLOW ERROR
//   line) and for a value that is not finite.
// - key: the key symbol the line shows ("+", "Ttl", "M+", "%MU", ...); for a
//   line that shows a marker in place of a number and has no symbol, the
//   marker itself ("<clear>", "<comment>"), so those rows stay recognisable.
// - comment: the comment without its " ;" prefix (or the leading blanks of
//   a line that has no prefix), as valid UTF-8.
//
// A field holding a comma, a double quote, CR or LF is quoted, with its
// double quotes doubled.
std::string buildCsvExport(const CVORDoc& doc);

// One CSV field: `text` as it is, or quoted when it must be.
std::string csvField(const std::string& text);

// The value column text for `value`: empty for a value that is not finite.
std::string csvNumber(double value);

}  // namespace vor
