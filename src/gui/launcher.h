#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>

#include "core/ports.h"

// Opening web pages and the help pages. The desktop's opener (xdg-open,
// through QDesktopServices) replaces the classic "start URL" process, and the
// help pages are found from the executable's own location instead of a
// registry entry.
namespace vor {

// Error numbers carried by the launch messages. 2 means "not found" both as
// errno and as the classic Windows code, so the number reads the same to
// anyone who has seen it before.
inline constexpr int kLaunchRefused = 1;   // an opener exists but said no
inline constexpr int kLaunchNotFound = 2;  // the page, or any opener, is missing

// "Internal error creating process:  Error Number: %d"
std::string processErrorMessage(int errorNumber);
// "Error %d"
std::string plainErrorMessage(int errorNumber);

// Opens web addresses ("https://...") and local files (an absolute path or a
// "file:" URL) with the user's preferred application. Never waits for it.
class QtLauncher final : public LauncherPort {
   public:
    bool open(const std::string& target) override;
};

// Why an open() just failed: kLaunchNotFound when no desktop opener is
// installed at all (nothing could ever open it), kLaunchRefused otherwise.
int launchFailureNumber();

// Where the help pages may live, in the order they are tried, for an
// executable in `appDir`: "<appDir>/help" (the build tree copies them there)
// and "<appDir>/../share/vorlex/help" (an installed prefix).
QStringList helpDirCandidates(const QString& appDir);

// Full path of help page `name` ("index.html", "dialogs.html") in the first
// candidate directory that holds it; empty when none does.
QString findHelpPage(const QString& appDir, const QString& name);

// Opens help page `name`, optionally with a section ("dialogs.html#macros";
// the sections of dialogs.html are edit-entry, comment, macros, value and
// about). A page that cannot be found, or an opener that is
// missing altogether, is reported as "Internal error creating process:  Error
// Number: 2" (the classic launcher's "not found, and the fallback failed too").
// An opener that exists but fails is silent, as the classic launcher was for
// any error other than "not found". True when the page was handed over.
bool openHelpPage(const QString& name, LauncherPort& launcher, MessagePort& messages,
                  const QString& appDir = QCoreApplication::applicationDirPath());

}  // namespace vor
