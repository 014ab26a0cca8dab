#pragma once

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
};

}  // namespace vor
