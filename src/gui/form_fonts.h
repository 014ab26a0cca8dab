#pragma once

#include <QFont>

namespace vor {

// "Courier New" (or a metric-compatible stand-in) at `pointSize`; the
// desktop's fixed-pitch font where none is installed. Tape text is padded
// with spaces, so anything that shows or prints it needs a fixed pitch.
QFont fixedPitchFont(qreal pointSize);
// The form's dialog font, "Courier New" 8: it also sets the dialog units
// every control is placed in. Falls back to the desktop's fixed-pitch font
// where no metric-compatible Courier New is installed.
QFont formFont();
// The tape box: the same fixed-pitch face, so the padded columns line up.
QFont tapeFont();
// The two LEDs: 14-point "Arial" (Liberation Sans or Arimo stand in for it).
QFont ledFont();

}  // namespace vor
