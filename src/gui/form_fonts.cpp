#include "gui/form_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace vor {
namespace {

QFont fixedPitch(int pointSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(pointSize);
    // The tape's columns are made of spaces: a proportional face would
    // scatter them, so take the desktop's monospace font instead.
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(pointSize);
    }
    return f;
}

}  // namespace

QFont formFont() {
    return fixedPitch(8);
}

QFont tapeFont() {
    return fixedPitch(8);
}

QFont ledFont() {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(14);
    return f;
}

}  // namespace vor
