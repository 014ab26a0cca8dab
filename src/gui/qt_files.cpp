#include "gui/qt_files.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cerrno>
#include <system_error>
#include <utility>

#include "shell/atomic_file.h"
#include "shell/descriptor.h"

namespace vor {
namespace {

// Paths travel through the logic as the bytes the system uses for them.
QString qtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

bool QtFiles::read(const std::string& path, std::string& bytes, std::string& error,
                   std::size_t maxBytes) {
    const QString name = qtPath(path);
    const QFileInfo info(name);
    // A FIFO or a device would block or never end; only plain files hold
    // documents.
    if (info.exists() && info.isDir()) {
        error = systemReason(EISDIR);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        error = "Not a regular file";
        return false;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    if (static_cast<unsigned long long>(file.size()) > maxBytes) {
        error = systemReason(EFBIG);
        return false;
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(file.size()));
    char chunk[65536];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0) {
            error = file.errorString().toStdString();
            return false;
        }
        if (n == 0) break;
        // The file may have grown since it was measured.
        if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
            error = systemReason(EFBIG);
            return false;
        }
        data.append(chunk, static_cast<std::size_t>(n));
    }
    bytes = std::move(data);
    return true;
}

bool QtFiles::writeAtomic(const std::string& path, const std::string& bytes, std::string& error) {
    // Not QSaveFile: its commit() reports success when the buffered write
    // failed on a full disk, after it has already put an empty file in
    // place of the old one.
    return writeFileAtomically(path, bytes, error);
}

}  // namespace vor
