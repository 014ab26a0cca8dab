#pragma once

class QLineEdit;

namespace vor {

// Typing into `edit` stops at `limit` characters (not UTF-16 units). A
// preset text that is already longer is shown whole and can only shrink, so
// nothing the user stored is cut off unseen.
void limitCharacters(QLineEdit* edit, int limit);

}  // namespace vor
