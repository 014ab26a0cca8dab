#pragma once

#include <functional>

#include "core/ports.h"

class QWidget;

namespace vor {

// Shows dialog models with the widgets made for them, and file dialogs.
class QtDialogs final : public DialogPort {
   public:
    // `help` opens the dialogs' help page (the Help buttons).
    QtDialogs(QWidget* parent, MessagePort& messages, std::function<void()> help)
        : m_parent(parent), m_messages(messages), m_help(std::move(help)) {}
    bool run(DialogModel& model) override;
    std::optional<std::string> askPath(const PathRequest& request) override;

   private:
    QWidget* m_parent;
    MessagePort& m_messages;
    std::function<void()> m_help;
};

}  // namespace vor
