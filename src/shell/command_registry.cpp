#include "shell/command_registry.h"

namespace vor {

void CommandRegistry::add(int id, Run run, State state) {
    m_rows[id] = Row{std::move(run), std::move(state)};
}

void CommandRegistry::addToggle(int id, Run run, std::function<bool()> checked) {
    add(id, std::move(run), [checked = std::move(checked)] {
        CommandState s;
        s.enabled = true;
        s.checked = checked();
        return s;
    });
}

bool CommandRegistry::run(int id) const {
    const auto it = m_rows.find(id);
    if (it == m_rows.end()) return false;
    // A disabled menu item cannot be chosen; the same holds for a key or a
    // batch token that reaches it some other way.
    if (it->second.state && !it->second.state().enabled) return false;
    it->second.run();
    return true;
}

CommandState CommandRegistry::state(int id) const {
    const auto it = m_rows.find(id);
    if (it == m_rows.end()) return {};
    if (!it->second.state) return {true, false, {}};
    return it->second.state();
}

std::vector<int> CommandRegistry::ids() const {
    std::vector<int> ids;
    ids.reserve(m_rows.size());
    for (const auto& [id, row] : m_rows) ids.push_back(id);
    return ids;
}

}  // namespace vor
