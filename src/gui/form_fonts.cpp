#include "gui/form_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace vor {

QFont fixedPitchFont(qreal pointSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(pointSize);
    // The tape's columns are made of spaces: a proportional face would
    // scatter them, so take the desktop's monospace font instead.
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSizeF(pointSize);
    }
    return f;
}

QFont formFont() {
    return fixedPitchFont(8);
}

QFont tapeFont() {
    return fixedPitchFont(8);
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
