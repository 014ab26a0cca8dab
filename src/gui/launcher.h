#pragma once

#include <QUrl>
#include <string>

#include "core/ports.h"

namespace vor {

// Opens web addresses ("https://...") and local files (an absolute path or a
// "file:" URL) with the user's preferred application through the desktop's
// opener (xdg-open, by way of QDesktopServices). Never waits for it. A
// failure is NotFound when no desktop opener is installed at all (nothing
// could ever open it), Refused otherwise.
class QtLauncher final : public LauncherPort {
   public:
    LaunchResult open(const std::string& target) override;

    // What is handed to the opener for `url`. xdg-open on most desktops
    // turns a file URL into a path before it picks the program, dropping
    // "#section"; a local page with a section is therefore opened through
    // a small page in the user's cache that sends the browser on to it (the
    // URL itself when that page cannot be written).
    static QUrl openableUrl(const QUrl& url);
};

}  // namespace vor
