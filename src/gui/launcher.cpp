#include "gui/launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

namespace vor {

LaunchResult QtLauncher::open(const std::string& target) {
    // fromUserInput turns an absolute path into a file URL and leaves real
    // URLs alone; a relative path is taken against the current directory
    // rather than mistaken for a host name.
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(target), QDir::currentPath(),
                                         QUrl::AssumeLocalFile);
    if (url.isValid() && QDesktopServices::openUrl(url)) return LaunchResult::Opened;
    // Qt hands every URL to xdg-open on a plain X11/Wayland desktop; without
    // it there is nothing that could ever open the page.
    const bool opener = !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
    return opener ? LaunchResult::Refused : LaunchResult::NotFound;
}

}  // namespace vor
