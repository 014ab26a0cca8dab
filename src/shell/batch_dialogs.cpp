#include "shell/batch_dialogs.h"

#include <algorithm>

#include "macros/enter_value_dialog.h"
#include "tape/comment_dialog.h"
#include "tape/edit_entry_dialog.h"

namespace vor {

bool ScriptedDialogs::run(DialogModel& model) {
    if (auto* value = dynamic_cast<CEnterValueDlg*>(&model)) return enterValue(*value);
    if (!m_fill) return false;
    const Fill fill = std::move(*m_fill);
    m_fill.reset();
    std::string refusal;
    if (auto* comment = dynamic_cast<CCommentDlg*>(&model)) {
        comment->open();
        comment->m_commentText = fill.value;
        refusal = comment->onOK();
    } else if (auto* edit = dynamic_cast<CEditEntryDlg*>(&model)) {
        edit->m_valueText = fill.value;
        const auto& list = edit->m_keyList;
        if (const auto it = std::find(list.begin(), list.end(), fill.key); it != list.end())
            edit->m_keySelection = static_cast<int>(it - list.begin());
        refusal = edit->onOK();
    } else {
        return false;
    }
    return accepted(refusal);
}

bool ScriptedDialogs::enterValue(CEnterValueDlg& dlg) {
    if (m_values.empty()) return false;
    const std::optional<std::string> value = std::move(m_values.front());
    m_values.pop_front();
    if (value) dlg.m_valueText = *value;
    return accepted(dlg.onOK());
}

bool ScriptedDialogs::accepted(const std::string& refusal) {
    if (refusal.empty()) return true;
    m_messages.show(refusal);
    return false;
}

}  // namespace vor
