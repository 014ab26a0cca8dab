#include "shell/session.h"

#include "document/vor_file.h"
#include "shell/app.h"
#include "shell/file_stamp.h"

namespace vor {
namespace {

// Reserved fields the session uses; ordinary files leave them empty.
constexpr std::size_t kPathText = 0;
constexpr std::size_t kStampText = 1;
constexpr std::size_t kModifiedInt = 0;

bool keepSessionTape(CVORApp& app, const std::string& path) {
    return app.messages().show(
               "The last session left unsaved changes to\n" + path +
                   "\nand another program has changed that file since.\n\n"
                   "Keep the unsaved tape from the last session? Yes keeps it (a save asks "
                   "before replacing the file); No opens the file as it is now, and the "
                   "unsaved changes are lost.",
               Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

// A session image read back, with what it says of its file.
struct Kept {
    CVORDoc doc;
    std::string path;
    bool modified = false;
    // A session from before stamps were kept knows nothing of its file,
    // which then counts as changed.
    std::optional<FileStamp> stamp;
};

bool readKept(const std::string& bytes, Kept& kept, std::string& message) {
    if (!readVorFile(bytes, kept.doc, message)) return false;
    CVORDoc& doc = kept.doc;
    kept.path = doc.m_reservedText[kPathText];
    kept.modified = doc.m_reservedInt[kModifiedInt] != 0;
    kept.stamp = FileStamp::parse(doc.m_reservedText[kStampText]);
    // A later File Save must write an ordinary file.
    doc.m_reservedText[kPathText].clear();
    doc.m_reservedText[kStampText].clear();
    doc.m_reservedInt[kModifiedInt] = 0;
    return true;
}

}  // namespace

std::string sessionImage(CVORApp& app) {
    CVORDoc& doc = app.doc();
    const auto savedText = doc.m_reservedText;
    const std::int32_t savedInt = doc.m_reservedInt[kModifiedInt];
    doc.m_reservedText[kPathText] = app.pathName();
    doc.m_reservedText[kStampText] = app.fileStamp() ? app.fileStamp()->text() : std::string();
    doc.m_reservedInt[kModifiedInt] = doc.m_modified ? 1 : 0;
    std::string image = writeVorFile(doc);
    doc.m_reservedText = savedText;
    doc.m_reservedInt[kModifiedInt] = savedInt;
    return image;
}

struct SessionToRestore::Reading {
    Kept kept;
    DiskState disk = DiskState::Same;
    std::string now;  // the file's bytes, when it changed
    CVORDoc current;  // the file as it is now, when it changed and reads
    bool currentReadable = false;
};

bool SessionToRestore::read(CVORApp& app, const std::string& bytes, std::string& message) {
    auto reading = std::make_shared<Reading>();
    if (!readKept(bytes, reading->kept, message)) return false;
    const std::string& path = reading->kept.path;
    if (!path.empty()) {
        reading->disk = compareWithDisk(app.files(), path, reading->kept.stamp, &reading->now);
        std::string refused;
        reading->currentReadable = reading->disk == DiskState::Changed && !reading->now.empty() &&
                                   readVorFile(reading->now, reading->current, refused);
    }
    m_reading = std::move(reading);
    return true;
}

bool SessionToRestore::talks() const {
    const Reading& r = *m_reading;
    return !r.kept.path.empty() && r.disk == DiskState::Changed &&
           (r.kept.modified || !r.currentReadable);
}

void SessionToRestore::restore(CVORApp& app) {
    Reading& r = *m_reading;
    Kept& kept = r.kept;
    const std::string& path = kept.path;
    if (path.empty()) {
        app.restoreDocument(std::move(kept.doc), path, kept.modified, std::nullopt);
        return;
    }
    switch (r.disk) {
        case DiskState::Same: break;
        case DiskState::Missing:
            // The tape is the only copy left: closing must not drop it.
            app.restoreDocument(std::move(kept.doc), path, true, std::nullopt);
            return;
        case DiskState::Changed:
            if (!r.currentReadable) {
                app.messages().show(path +
                                    "\nhas been changed by another program since the last "
                                    "session and cannot be read now. The tape from the last "
                                    "session is shown, unsaved.");
                kept.modified = true;
                break;
            }
            if (kept.modified && keepSessionTape(app, path)) break;
            app.restoreDocument(std::move(r.current), path, false, FileStamp::of(r.now));
            return;
    }
    app.restoreDocument(std::move(kept.doc), path, kept.modified, kept.stamp);
}

bool restoreSession(CVORApp& app, const std::string& bytes, std::string& message) {
    SessionToRestore session;
    if (!session.read(app, bytes, message)) return false;
    session.restore(app);
    return true;
}

bool sessionWorthKeeping(CVORApp& app) {
    return app.doc().m_lineCount > 0 || !app.pathName().empty();
}

}  // namespace vor
