#include "shell/session.h"

#include "document/vor_file.h"
#include "shell/app.h"

namespace vor {
namespace {

// Reserved fields the session uses; ordinary files leave them empty.
constexpr std::size_t kPathText = 0;
constexpr std::size_t kModifiedInt = 0;

}  // namespace

std::string sessionImage(CVORApp& app) {
    CVORDoc& doc = app.doc();
    const std::string savedText = doc.m_reservedText[kPathText];
    const std::int32_t savedInt = doc.m_reservedInt[kModifiedInt];
    doc.m_reservedText[kPathText] = app.pathName();
    doc.m_reservedInt[kModifiedInt] = doc.m_modified ? 1 : 0;
    std::string image = writeVorFile(doc);
    doc.m_reservedText[kPathText] = savedText;
    doc.m_reservedInt[kModifiedInt] = savedInt;
    return image;
}

bool restoreSession(CVORApp& app, const std::string& bytes, std::string& message) {
    CVORDoc loaded;
    if (!readVorFile(bytes, loaded, message)) return false;
    const std::string path = loaded.m_reservedText[kPathText];
    const bool modified = loaded.m_reservedInt[kModifiedInt] != 0;
    // A later File Save must write an ordinary file.
    loaded.m_reservedText[kPathText].clear();
    loaded.m_reservedInt[kModifiedInt] = 0;
    app.restoreDocument(std::move(loaded), path, modified);
    return true;
}

bool sessionWorthKeeping(CVORApp& app) {
    return app.doc().m_lineCount > 0 || !app.pathName().empty();
}

}  // namespace vor
