#include "shell/document_ahead.h"

#include <filesystem>
#include <system_error>

#include "document/vor_file.h"
#include "shell/posix_files.h"

namespace vor {

std::string documentPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

std::future<std::optional<ReadDocument>> readDocumentAhead(const std::string& path) {
    return std::async(std::launch::async, [path = documentPath(path)] {
        std::optional<ReadDocument> ahead;
        std::string bytes;
        std::string error;
        if (!PosixFiles().read(path, bytes, error, kMaxVorFileBytes)) return ahead;
        CVORDoc doc;
        if (!readVorFile(bytes, doc, error)) return ahead;
        ahead.emplace(ReadDocument{path, std::move(doc), FileStamp::of(bytes)});
        return ahead;
    });
}

}  // namespace vor
