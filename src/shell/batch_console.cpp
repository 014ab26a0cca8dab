#include "shell/batch_console.h"

#include <ostream>

namespace vor {

Answer ConsoleMessages::show(const std::string& text, Buttons buttons, Icon) {
    std::string line;
    for (char c : text) line += (c == '\n') ? std::string("\\n") : std::string(1, c);
    m_err << "VOR: " << line << '\n';
    switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel: return m_yes ? Answer::Yes : Answer::No;
        case Buttons::OkCancel: return m_yes ? Answer::Ok : Answer::Cancel;
        default: return Answer::Ok;
    }
}

}  // namespace vor
