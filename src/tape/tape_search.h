#pragma once

#include <string_view>

#include "core/vor_doc.h"

namespace vor {

// Finding a line of the tape by what the user sees on it or would type:
// its figure ("1,234.50", or "1234.5" as typed, without the grouping), its
// key symbol ("Ttl", "M+") or its comment. Letters match in either case.
// `european` tells which character groups the digits on the rows (the
// point there, the comma otherwise).
bool lineMatches(const CTapeLine& line, std::string_view query, bool european);

// The first line after `from` (before it, going back) that matches, going
// round past the end of the tape; `from` -1 starts at the top (at the
// bottom going back). -1 when no line matches; `from` itself when only it
// does.
int findLine(const CVORDoc& doc, std::string_view query, int from, bool forward, bool european);

}  // namespace vor
