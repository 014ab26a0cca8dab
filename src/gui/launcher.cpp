#include "gui/launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace vor {

std::string processErrorMessage(int errorNumber) {
    return "Internal error creating process:  Error Number: " + std::to_string(errorNumber);
}

std::string plainErrorMessage(int errorNumber) {
    return "Error " + std::to_string(errorNumber);
}

bool QtLauncher::open(const std::string& target) {
    // fromUserInput turns an absolute path into a file URL and leaves real
    // URLs alone; a relative path is taken against the current directory
    // rather than mistaken for a host name.
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(target), QDir::currentPath(),
                                         QUrl::AssumeLocalFile);
    if (!url.isValid()) return false;
    return QDesktopServices::openUrl(url);
}

int launchFailureNumber() {
    // Qt hands every URL to xdg-open on a plain X11/Wayland desktop; without
    // it there is nothing that could ever open the page.
    const bool found = !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
    return found ? kLaunchRefused : kLaunchNotFound;
}

QStringList helpDirCandidates(const QString& appDir) {
    const QDir dir(appDir);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("help"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/vorlex/help")))};
}

QString findHelpPage(const QString& appDir, const QString& name) {
    for (const QString& candidate : helpDirCandidates(appDir)) {
        const QFileInfo page(QDir(candidate).filePath(name));
        if (page.isFile()) return page.absoluteFilePath();
    }
    return {};
}

bool openHelpPage(const QString& name, LauncherPort& launcher, MessagePort& messages,
                  const QString& appDir) {
    // "dialogs.html#macros": the page is looked up without the section.
    const qsizetype hash = name.indexOf(u'#');
    const QString page = findHelpPage(appDir, name.left(hash));
    if (page.isEmpty()) {
        messages.show(processErrorMessage(kLaunchNotFound));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (hash >= 0) url.setFragment(name.mid(hash + 1));
    if (launcher.open(url.toString().toStdString())) return true;
    const int error = launchFailureNumber();
    if (error == kLaunchNotFound) messages.show(processErrorMessage(error));
    return false;
}

}  // namespace vor
