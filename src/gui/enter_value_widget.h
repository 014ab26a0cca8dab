#pragma once

#include <QDialog>

#include "core/ports.h"
#include "macros/enter_value_dialog.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vor {

// "Enter a Value" on screen: the macro key's prompt in a sunken box, the
// value field preset to its default. OK hands the value to the model, which
// accepts it or names what is wrong (the dialog then stays open).
class EnterValueWidget : public QDialog {
    Q_OBJECT
   public:
    EnterValueWidget(CEnterValueDlg& model, MessagePort& messages, QWidget* parent = nullptr);

    QPlainTextEdit* promptBox() const { return m_promptBox; }
    QLineEdit* valueEdit() const { return m_value; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    void accept() override;

   private:
    CEnterValueDlg& m_model;
    MessagePort& m_messages;
    QPlainTextEdit* m_promptBox = nullptr;
    QLineEdit* m_value = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Runs the dialog modally; true when closed with an accepted OK (the model's
// m_valueText then holds the value).
bool execEnterValueDialog(CEnterValueDlg& model, QWidget* parent, MessagePort& messages);

}  // namespace vor
