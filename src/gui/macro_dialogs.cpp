#include "gui/macro_dialogs.h"

#include "gui/edit_macros_widget.h"
#include "gui/enter_value_widget.h"

namespace vor {

std::optional<bool> execMacroDialog(DialogModel& model, QWidget* parent, MessagePort& messages,
                                    const std::function<void()>& help) {
    if (auto* macros = dynamic_cast<CEditMacrosDlg*>(&model))
        return execEditMacrosDialog(*macros, parent, help);
    if (auto* value = dynamic_cast<CEnterValueDlg*>(&model))
        return execEnterValueDialog(*value, parent, messages);
    return std::nullopt;
}

}  // namespace vor
