#pragma once

#include <string>

namespace vor {

// The window title and the tape's name, as the application keeps them. The
// commands that show their progress in the title, or name the tape in what
// they write, reach the application through this and nothing more.
class TitlePort {
   public:
    virtual ~TitlePort() = default;
    // The title as last set: a long command puts it back after its own text.
    virtual const std::string& currentTitle() const = 0;
    virtual void setTitleText(const std::string& title) = 0;
    // The tape's name as the title shows it: the file name, or "VOR".
    virtual std::string documentTitle() const = 0;
    // The tape's file; empty for a tape never saved.
    virtual const std::string& pathName() const = 0;
};

}  // namespace vor
