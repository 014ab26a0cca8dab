#include "shell/launch.h"

#include <filesystem>
#include <system_error>

namespace vor {

std::string processErrorMessage(int errorNumber) {
    return "Internal error creating process:  Error Number: " + std::to_string(errorNumber);
}

std::string plainErrorMessage(int errorNumber) {
    return "Error " + std::to_string(errorNumber);
}

bool reportLaunch(LaunchResult result, LaunchCaller caller, MessagePort& messages) {
    const int number = static_cast<int>(result);
    switch (result) {
        case LaunchResult::Opened: return true;
        case LaunchResult::NotFound: messages.show(processErrorMessage(number)); return false;
        case LaunchResult::Refused:
            if (caller == LaunchCaller::AboutButton) messages.show(plainErrorMessage(number));
            return false;
    }
    return false;
}

bool launch(LauncherPort& launcher, MessagePort& messages, const std::string& target,
            LaunchCaller caller) {
    return reportLaunch(launcher.open(target), caller, messages);
}

std::vector<std::string> helpDirCandidates(const std::string& appDir) {
    const std::filesystem::path dir(appDir);
    return {(dir / "help").lexically_normal().string(),
            (dir / ".." / "share" / "vorlex" / "help").lexically_normal().string()};
}

std::string findHelpPage(const std::string& appDir, const std::string& name) {
    for (const std::string& candidate : helpDirCandidates(appDir)) {
        const std::filesystem::path page = std::filesystem::path(candidate) / name;
        std::error_code ec;
        if (std::filesystem::is_regular_file(page, ec))
            return std::filesystem::absolute(page, ec).lexically_normal().string();
    }
    return {};
}

std::string fileUrl(const std::string& path, const std::string& fragment) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '/' || c == '-' || c == '_' || c == '.' ||
                           c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    if (!fragment.empty()) url += "#" + fragment;
    return url;
}

std::string redirectPage(const std::string& url) {
    // The address as an attribute value and as a script string: each way
    // the characters that could end it are escaped.
    std::string attribute;
    std::string script;
    for (const char c : url) {
        switch (c) {
            case '&': attribute += "&amp;"; break;
            case '"': attribute += "&quot;"; break;
            case '<': attribute += "&lt;"; break;
            case '>': attribute += "&gt;"; break;
            default: attribute += c;
        }
        switch (c) {
            case '\\': script += "\\x5c"; break;
            case '"': script += "\\x22"; break;
            case '<': script += "\\x3c"; break;
            default: script += c;
        }
    }
    // The script replaces this page in the history, so Back does not come
    // here again; the refresh serves a browser without scripts, the link a
    // browser without either.
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"refresh\" content=\"0; url=" +
           attribute + "\">\n<title>Vorlex Help</title></head>\n<body><script>location.replace(\"" +
           script + "\");</script>\n<p><a href=\"" + attribute +
           "\">Vorlex Help</a></p>\n</body></html>\n";
}

bool openHelpPage(LauncherPort& launcher, MessagePort& messages, const std::string& appDir,
                  const std::string& name) {
    // "dialogs.html#macros": the page is looked up without the section.
    const auto hash = name.find('#');
    const std::string page = findHelpPage(appDir, name.substr(0, hash));
    if (page.empty()) return reportLaunch(LaunchResult::NotFound, LaunchCaller::Menu, messages);
    const std::string fragment = hash == std::string::npos ? std::string() : name.substr(hash + 1);
    return launch(launcher, messages, fileUrl(page, fragment), LaunchCaller::Menu);
}

}  // namespace vor
