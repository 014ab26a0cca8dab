#pragma once

#include "core/ports.h"

class QWidget;

namespace vor {

// Shows dialog models with the widgets made for them, and file dialogs.
class QtDialogs final : public DialogPort {
   public:
    explicit QtDialogs(QWidget* parent) : m_parent(parent) {}
    bool run(DialogModel& model) override;
    std::optional<std::string> askPath(const PathRequest& request) override;

   private:
    QWidget* m_parent;
};

}  // namespace vor
