#include "gui/macro_dialogs.h"

namespace vor {

std::optional<bool> execMacroDialog(DialogModel&, QWidget*, MessagePort&,
                                    const std::function<void()>&) {
    return std::nullopt;
}

}  // namespace vor
