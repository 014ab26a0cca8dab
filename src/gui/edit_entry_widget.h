#pragma once

#include <QDialog>
#include <functional>

#include "core/ports.h"
#include "tape/edit_entry_dialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vor {

// The Edit Tape Box Entry dialog on screen: shows a CEditEntryDlg, and on
// OK hands the input to the model, which accepts it or names what is wrong
// (the dialog then stays open with that field focused).
class EditEntryWidget : public QDialog {
    Q_OBJECT
   public:
    EditEntryWidget(CEditEntryDlg& model, MessagePort& messages, std::function<void()> help,
                    QWidget* parent = nullptr);

    QLineEdit* valueEdit() const { return m_value; }
    QLineEdit* commentEdit() const { return m_comment; }
    QCheckBox* percentCheck() const { return m_percent; }
    QListWidget* keyList() const { return m_keys; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* helpButton() const { return m_help; }

    void accept() override;

   private:
    CEditEntryDlg& m_model;
    MessagePort& m_messages;
    std::function<void()> m_onHelp;
    QLineEdit* m_value = nullptr;
    QLineEdit* m_comment = nullptr;
    QCheckBox* m_percent = nullptr;
    QListWidget* m_keys = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_help = nullptr;
};

// Runs the dialog modally; true when it was closed with an accepted OK.
bool execEditEntryDialog(CEditEntryDlg& model, QWidget* parent, MessagePort& messages,
                         std::function<void()> help);

}  // namespace vor
