#include "gui/qt_dialogs.h"

#include <QFileDialog>

#include "gui/comment_widget.h"
#include "gui/edit_entry_widget.h"
#include "gui/edit_macros_widget.h"
#include "gui/enter_value_widget.h"
#include "gui/modal_cursor.h"
#include "gui/speech_widgets.h"
#include "gui/translation.h"
#include "shell/help_topics.h"

namespace vor {

std::function<void()> QtDialogs::helpOpening(std::string page) const {
    return [this, page = std::move(page)] {
        if (m_openHelp) m_openHelp(page);
    };
}

// Each dialog waits for the user with the normal cursor, also when a macro
// playing behind it shows the wait cursor.
bool QtDialogs::run(CEditEntryDlg& dialog) {
    const NormalCursorWhileModal cursor;
    return execEditEntryDialog(dialog, m_parent, m_messages, helpOpening(dialogHelpPage(dialog)));
}

bool QtDialogs::run(CCommentDlg& dialog) {
    const NormalCursorWhileModal cursor;
    return execCommentDialog(dialog, m_parent, m_messages);
}

bool QtDialogs::run(CEditMacrosDlg& dialog) {
    const NormalCursorWhileModal cursor;
    return execEditMacrosDialog(dialog, m_parent, helpOpening(dialogHelpPage(dialog)));
}

bool QtDialogs::run(CEnterValueDlg& dialog) {
    const NormalCursorWhileModal cursor;
    return execEnterValueDialog(dialog, m_parent, m_messages);
}

bool QtDialogs::run(CReadClipboardDlg& dialog) {
    const NormalCursorWhileModal cursor;
    ReadClipboardWidget widget(dialog, m_parent);
    return widget.exec() == QDialog::Accepted;
}

bool QtDialogs::run(CSelectModeDlg& dialog) {
    const NormalCursorWhileModal cursor;
    SelectModeWidget widget(dialog, m_messages, m_parent);
    return widget.exec() == QDialog::Accepted;
}

std::optional<std::string> QtDialogs::askPath(const PathRequest& request) {
    const QString filter = uiText(request.filter);
    const QString start = QString::fromStdString(request.defaultPath);
    const QString path = request.save
                             ? QFileDialog::getSaveFileName(m_parent, QString(), start, filter)
                             : QFileDialog::getOpenFileName(m_parent, QString(), start, filter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace vor
