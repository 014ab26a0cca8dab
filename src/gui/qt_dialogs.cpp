#include "gui/qt_dialogs.h"

#include <QFileDialog>

#include "gui/comment_widget.h"
#include "gui/edit_entry_widget.h"
#include "gui/macro_dialogs.h"
#include "gui/modal_cursor.h"
#include "gui/speech_dialogs.h"
#include "gui/translation.h"
#include "shell/help_topics.h"

namespace vor {

// Each dialog model has its widget; a model without one cannot be shown and
// counts as cancelled.
bool QtDialogs::run(DialogModel& model) {
    const NormalCursorWhileModal cursor;
    const std::function<void()> help = [this, page = dialogHelpPage(model)] {
        if (m_openHelp) m_openHelp(page);
    };
    if (auto* edit = dynamic_cast<CEditEntryDlg*>(&model))
        return execEditEntryDialog(*edit, m_parent, m_messages, help);
    if (auto* comment = dynamic_cast<CCommentDlg*>(&model))
        return execCommentDialog(*comment, m_parent, m_messages);
    if (const auto answer = execMacroDialog(model, m_parent, m_messages, help)) return *answer;
    if (const auto answer = execSpeechDialog(model, m_parent, m_messages, help)) return *answer;
    return false;
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
