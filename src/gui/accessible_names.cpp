#include "gui/accessible_names.h"

#include <QLabel>
#include <QString>

namespace vor {

QString spokenLabel(const QString& text) {
    QString spoken;
    spoken.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // "&&" is a literal ampersand, a single '&' marks the mnemonic.
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        spoken += text[i];
    }
    spoken = spoken.simplified();
    while (spoken.endsWith(QLatin1Char(':'))) spoken.chop(1);
    return spoken.trimmed();
}

void labelField(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    if (field->accessibleName().isEmpty()) field->setAccessibleName(spokenLabel(label->text()));
}

}  // namespace vor
