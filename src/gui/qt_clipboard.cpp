#include "gui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vor {

bool QtClipboard::setText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    const QString value = QString::fromStdString(text);
    clipboard->setText(value, QClipboard::Clipboard);
    return clipboard->text(QClipboard::Clipboard) == value;
}

std::string QtClipboard::text() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard == nullptr ? std::string() : clipboard->text().toStdString();
}

}  // namespace vor
