#pragma once

#include <functional>
#include <string>

#include "core/ports.h"

class QWidget;

namespace vor {

// Shows dialog models with the widgets made for them, and file dialogs.
class QtDialogs final : public DialogPort {
   public:
    // `openHelp` opens a help page; a dialog's Help button opens the section
    // about that dialog.
    QtDialogs(QWidget* parent, MessagePort& messages,
              std::function<void(const std::string& page)> openHelp)
        : m_parent(parent), m_messages(messages), m_openHelp(std::move(openHelp)) {}
    bool run(CEditEntryDlg& dialog) override;
    bool run(CCommentDlg& dialog) override;
    bool run(CEditMacrosDlg& dialog) override;
    bool run(CEnterValueDlg& dialog) override;
    bool run(CReadClipboardDlg& dialog) override;
    bool run(CSelectModeDlg& dialog) override;
    std::optional<std::string> askPath(const PathRequest& request) override;

   private:
    // What a dialog's Help button does: opens `page`.
    std::function<void()> helpOpening(std::string page) const;

    QWidget* m_parent;
    MessagePort& m_messages;
    std::function<void(const std::string& page)> m_openHelp;
};

}  // namespace vor
