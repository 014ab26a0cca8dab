#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vor {

// How a command shows in menus, on the toolbar and on the keypad.
struct CommandState {
    bool enabled = false;
    bool checked = false;
    std::string caption;  // empty: the caption the menu or key was built with
};

// The one table of commands. Each part of the program registers its rows
// (id, what running it does, how it shows); the window's menus, toolbar,
// keypad and keyboard, and batch mode all look commands up here. An id
// without a row (no command of this program) shows as disabled and does
// nothing.
class CommandRegistry {
   public:
    using Run = std::function<void()>;
    using State = std::function<CommandState()>;

    // Registers (or replaces) a command. Without `state` it is always
    // enabled and never checked.
    void add(int id, Run run, State state = {});
    // A command whose menu item carries a check mark.
    void addToggle(int id, Run run, std::function<bool()> checked);

    bool has(int id) const { return m_rows.count(id) != 0; }
    // Runs the command; false when it has no row or is disabled right now.
    bool run(int id) const;
    CommandState state(int id) const;
    std::vector<int> ids() const;

   private:
    struct Row {
        Run run;
        State state;
    };
    std::map<int, Row> m_rows;
};

}  // namespace vor
