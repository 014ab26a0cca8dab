#include "gui/launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "shell/atomic_file.h"
#include "shell/launch.h"

namespace vor {

QUrl QtLauncher::openableUrl(const QUrl& url) {
    if (!url.isLocalFile() || !url.hasFragment()) return url;
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                        QStringLiteral("/vorlex/help-links");
    // Without a writable cache the page still opens, at its top.
    if (!QDir().mkpath(dir)) return url;
    // One page per section, named after it: two requests in quick
    // succession never overwrite each other's page before it is read.
    QString name = QFileInfo(url.toLocalFile()).completeBaseName() + QLatin1Char('-') +
                   url.fragment(QUrl::FullyDecoded);
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    const QString page = dir + QLatin1Char('/') + name + QStringLiteral(".html");
    std::string error;
    if (!writeFileAtomically(page.toStdString(),
                             redirectPage(url.toString(QUrl::FullyEncoded).toStdString()), error))
        return url;
    return QUrl::fromLocalFile(page);
}

LaunchResult QtLauncher::open(const std::string& target) {
    // fromUserInput turns an absolute path into a file URL and leaves real
    // URLs alone; a relative path is taken against the current directory
    // rather than mistaken for a host name.
    const QUrl url = openableUrl(QUrl::fromUserInput(QString::fromStdString(target),
                                                     QDir::currentPath(), QUrl::AssumeLocalFile));
    if (url.isValid() && QDesktopServices::openUrl(url)) return LaunchResult::Opened;
    // Qt hands every URL to xdg-open on a plain X11/Wayland desktop; without
    // it there is nothing that could ever open the page.
    const bool opener = !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
    return opener ? LaunchResult::Refused : LaunchResult::NotFound;
}

}  // namespace vor
