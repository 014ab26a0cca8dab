#pragma once

#include <QFont>

namespace vor {

// The form's dialog font, "Courier New" 8: it also sets the dialog units
// every control is placed in. Falls back to the desktop's fixed-pitch font
// where no metric-compatible Courier New is installed.
QFont formFont();
// The tape box: the same fixed-pitch face, so the padded columns line up.
QFont tapeFont();
// The two LEDs: 14-point "Arial" (Liberation Sans or Arimo stand in for it).
QFont ledFont();

}  // namespace vor
