#include "shell/batch_dialogs.h"

#include <algorithm>

#include "macros/enter_value_dialog.h"
#include "tape/comment_dialog.h"
#include "tape/edit_entry_dialog.h"

namespace vor {

std::optional<ScriptedDialogs::Fill> ScriptedDialogs::takeFill() {
    std::optional<Fill> fill = std::move(m_fill);
    m_fill.reset();
    return fill;
}

bool ScriptedDialogs::run(CCommentDlg& dialog) {
    const std::optional<Fill> fill = takeFill();
    if (!fill) return false;
    dialog.open();
    dialog.m_commentText = fill->value;
    return accepted(dialog.onOK());
}

bool ScriptedDialogs::run(CEditEntryDlg& dialog) {
    const std::optional<Fill> fill = takeFill();
    if (!fill) return false;
    dialog.m_valueText = fill->value;
    const auto& list = dialog.m_keyList;
    if (const auto it = std::find(list.begin(), list.end(), fill->key); it != list.end())
        dialog.m_keySelection = static_cast<int>(it - list.begin());
    return accepted(dialog.onOK());
}

bool ScriptedDialogs::run(CEnterValueDlg& dialog) {
    if (m_values.empty()) return false;
    const std::optional<std::string> value = std::move(m_values.front());
    m_values.pop_front();
    if (value) dialog.m_valueText = *value;
    return accepted(dialog.onOK());
}

bool ScriptedDialogs::accepted(const std::string& refusal) {
    if (refusal.empty()) return true;
    m_messages.show(refusal);
    return false;
}

}  // namespace vor
