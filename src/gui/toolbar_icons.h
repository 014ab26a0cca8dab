#pragma once

#include <QIcon>

namespace vor {

// The toolbar icon of a command: the desktop theme's icon when it has one,
// else a small drawn glyph that stays sharp at any scale.
QIcon toolbarIcon(int commandId);

}  // namespace vor
