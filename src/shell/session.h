#pragma once

#include <string>

namespace vor {

class CVORApp;

// The window's tape kept between runs: the document in the .vor format, with
// its file name and modified flag in the format's reserved fields (which a
// saved .vor file never uses), so a restart or a crash gives the same tape,
// title and unsaved state back.
std::string sessionImage(CVORApp& app);

// Puts a session image back: the tape (rebuilt at the next paint), the file
// name a Save goes to, and the modified flag. False with the reader's
// message when the image cannot be read; the application is then untouched.
bool restoreSession(CVORApp& app, const std::string& bytes, std::string& message);

// Whether a tape is worth keeping: an empty untitled one is not.
bool sessionWorthKeeping(CVORApp& app);

}  // namespace vor
