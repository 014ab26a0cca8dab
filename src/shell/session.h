#pragma once

#include <memory>
#include <string>

namespace vor {

class CVORApp;

// The window's tape kept between runs: the document in the .vor format, with
// its file name, its modified flag and what was known of its file (length
// and hash) in the format's reserved fields, which a saved .vor file never
// uses. A restart or a crash gives the same tape, title and unsaved state
// back.
std::string sessionImage(CVORApp& app);

// Puts a session image back: the tape (rebuilt at the next paint), the file
// name a Save goes to, and the modified flag. When the file it names was
// changed by another program since, a session without unsaved work shows
// the file as it is now; one with unsaved work asks whether to keep the
// session's tape or open the file (`messages` of the app). False with the
// reader's message when the image cannot be read; the application is then
// untouched.
bool restoreSession(CVORApp& app, const std::string& bytes, std::string& message);

// The same in two steps, so that the image and the file it names are read
// once even when putting it back must wait: read, then restore. Copies
// share one reading.
class SessionToRestore {
   public:
    // False with the reader's message when the image cannot be read.
    bool read(CVORApp& app, const std::string& bytes, std::string& message);
    // Whether putting the image back asks or tells the user something: the
    // file it names was changed since and the session holds unsaved work,
    // or the file cannot be read now. The window then restores it once it
    // is on screen, where the question has its context.
    bool talks() const;
    // Puts the reading back, once.
    void restore(CVORApp& app);

   private:
    struct Reading;
    std::shared_ptr<Reading> m_reading;
};

// Whether a tape is worth keeping: an empty untitled one is not.
bool sessionWorthKeeping(CVORApp& app);

}  // namespace vor
