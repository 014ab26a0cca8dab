#pragma once

// Running LibreOffice in the tests: finding it, and reading back the
// tab-separated files it converts to.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vor::test {

// The LibreOffice command on PATH, empty where it is not installed.
inline std::string findSoffice() {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(dir) / "soffice";
        if (!dir.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
    }
    return {};
}

// One line's tab-separated fields, without their quotes; `quoted` (if
// given) tells which ones had them.
inline std::vector<std::string> splitFields(const std::string& line,
                                            std::vector<bool>* quoted = nullptr) {
    std::vector<std::string> fields(1);
    std::vector<bool> wasQuoted(1, false);
    bool inQuotes = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inQuotes && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"' && (inQuotes || fields.back().empty())) {
            inQuotes = !inQuotes;
            wasQuoted.back() = true;
        } else if (c == '\t' && !inQuotes) {
            fields.emplace_back();
            wasQuoted.push_back(false);
        } else {
            fields.back() += c;
        }
    }
    if (quoted != nullptr) *quoted = wasQuoted;
    return fields;
}

// The rows soffice --convert-to csv wrote for `name` into `outDir`; the
// sheet's name may be appended to the file's.
inline std::vector<std::vector<std::string>> readConverted(
    const std::filesystem::path& outDir, const std::string& name,
    std::vector<std::vector<bool>>* quoted = nullptr) {
    std::vector<std::vector<std::string>> rows;
    for (const std::filesystem::path& p :
         {outDir / (name + ".csv"), outDir / (name + "-" + name + ".csv")}) {
        std::ifstream in(p, std::ios::binary);
        if (!in) continue;
        for (std::string line; std::getline(in, line);) {
            std::vector<bool> q;
            rows.push_back(splitFields(line, &q));
            if (quoted != nullptr) quoted->push_back(q);
        }
        break;
    }
    return rows;
}

}  // namespace vor::test
