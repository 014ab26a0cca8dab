#pragma once

#include <QDialog>

#include "core/ports.h"
#include "tape/comment_dialog.h"

class QComboBox;
class QPushButton;

namespace vor {

// "Add a Comment": the label, an editable drop-down holding the history in
// its own order, OK, Cancel and Clear History. Every rule (completion, the
// length limit, the history order) is the model's; the widget only shows it.
class CommentWidget : public QDialog {
    Q_OBJECT
   public:
    // The model must have been opened (CCommentDlg::open) first.
    CommentWidget(CCommentDlg& model, MessagePort& messages, QWidget* parent = nullptr);

    QComboBox* commentBox() const { return m_box; }
    QPushButton* clearHistoryButton() const { return m_clearHistory; }
    QPushButton* okButton() const { return m_ok; }

    // OK: accepted by the model, or its message shown and the dialog kept.
    void accept() override;

   private:
    void textEdited(const QString& text);
    void clearHistory();

    CCommentDlg& m_model;
    MessagePort& m_messages;
    QComboBox* m_box = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_clearHistory = nullptr;
};

// Opens the model and shows it modally; true when closed with OK (the model
// then holds the accepted comment and the reordered history).
bool execCommentDialog(CCommentDlg& model, QWidget* parent, MessagePort& messages);

}  // namespace vor
