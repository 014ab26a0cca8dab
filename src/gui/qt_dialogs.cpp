#include "gui/qt_dialogs.h"

#include <QFileDialog>

namespace vor {

// Each dialog of the program registers its widget here as it is built; a
// model without a widget cannot be shown and counts as cancelled.
bool QtDialogs::run(DialogModel&) {
    return false;
}

std::optional<std::string> QtDialogs::askPath(const PathRequest& request) {
    const QString filter = QString::fromStdString(request.filter);
    const QString start = QString::fromStdString(request.defaultPath);
    const QString path = request.save
                             ? QFileDialog::getSaveFileName(m_parent, QString(), start, filter)
                             : QFileDialog::getOpenFileName(m_parent, QString(), start, filter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace vor
