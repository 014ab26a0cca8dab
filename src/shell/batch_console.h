#pragma once

#include <iosfwd>

#include "core/ports.h"

namespace vor {

// Messages go to standard error on one line each ("VOR: <text>", a line
// end inside the text written as \n); questions get the answer chosen on
// the command line.
class ConsoleMessages : public MessagePort {
   public:
    ConsoleMessages(std::ostream& err, bool yes) : m_err(err), m_yes(yes) {}
    Answer show(const std::string& text, Buttons buttons, Icon) override;
    void setYes(bool yes) { m_yes = yes; }

   private:
    std::ostream& m_err;
    bool m_yes;
};

}  // namespace vor
