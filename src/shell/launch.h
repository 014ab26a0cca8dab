#pragma once

#include <string>
#include <vector>

#include "core/ports.h"

// Opening web pages and the help pages, and the one rule for telling the
// user when that fails.
namespace vor {

// Who asked: the About box's web button names every failure; the menus'
// process launcher (help pages, links, downloads) only reports "nothing
// could open it" and stays silent when an opener exists but fails.
enum class LaunchCaller { Menu, AboutButton };

// "Internal error creating process:  Error Number: %d"
std::string processErrorMessage(int errorNumber);
// "Error %d"
std::string plainErrorMessage(int errorNumber);

// Reports a launch result as `caller` does; true when the page opened.
bool reportLaunch(LaunchResult result, LaunchCaller caller, MessagePort& messages);
// Opens `target` and reports a failure; true when the page opened.
bool launch(LauncherPort& launcher, MessagePort& messages, const std::string& target,
            LaunchCaller caller);

// Where the help pages may live, in the order they are tried, for an
// executable in `appDir`: "<appDir>/help" (the build tree copies them there)
// and "<appDir>/../share/vorlex/help" (an installed prefix).
std::vector<std::string> helpDirCandidates(const std::string& appDir);
// Full path of help page `name` ("index.html") in the first candidate that
// holds it; empty when none does.
std::string findHelpPage(const std::string& appDir, const std::string& name);
// The file URL of a local path, with an optional section ("#macros").
std::string fileUrl(const std::string& path, const std::string& fragment = {});

// A page that sends the browser on to `url` at once. Desktop openers that
// turn a file URL into a path before choosing the program drop the
// "#section"; opening this page instead lands on the section all the same.
std::string redirectPage(const std::string& url);

// Opens help page `name`, optionally with a section ("dialogs.html#macros").
// A page that cannot be found is reported like a missing opener, "Internal
// error creating process:  Error Number: 2". True when the page was handed
// over.
bool openHelpPage(LauncherPort& launcher, MessagePort& messages, const std::string& appDir,
                  const std::string& name);

}  // namespace vor
