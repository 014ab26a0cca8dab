#pragma once

#include <QDialog>
#include <QHash>
#include <functional>

#include "macros/edit_macros_dialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vor {

class DragListBox;

// "Edit Macros" on screen. It shows a CEditMacrosDlg, writes the user's
// selections and edit texts into it and calls its operations; after each
// one it shows the model again. Every rule is the model's.
class EditMacrosWidget : public QDialog {
    Q_OBJECT
   public:
    // Control ids of the dialog's buttons, for commandButton().
    enum Control {
        ReplaceButton = 1104,
        DeleteButton = 1105,
        InsertButton = 1106,
        AppendButton = 1108,
        CopyButton = 1109,
        ClearButton = 1114,
        HelpButton = 1128,
    };

    EditMacrosWidget(CEditMacrosDlg& model, std::function<void()> help, QWidget* parent = nullptr);

    QListWidget* listing() const;
    QListWidget* availableButtons() const { return m_buttons; }
    QListWidget* activeMacro() const { return m_active; }
    QListWidget* targetMacro() const { return m_target; }
    QLineEdit* promptEdit() const { return m_prompt; }
    QLineEdit* defaultEdit() const { return m_default; }
    QPushButton* commandButton(int controlId) const { return m_commands.value(controlId); }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    // OK: the edits and the listing go into the model's working copy.
    void accept() override;

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    void buildControls();
    void placeControls();
    void connectControls();
    // Runs a button's operation: an edit still holding the focus (a
    // mnemonic does not take it away) is committed first.
    void act(void (CEditMacrosDlg::*operation)());
    void commitFocusedEdit();
    void showListing();
    void showTexts();
    void followSelection(QListWidget* list, int& selection);

    CEditMacrosDlg& m_model;
    std::function<void()> m_onHelp;
    DragListBox* m_listing = nullptr;
    QListWidget* m_buttons = nullptr;
    QListWidget* m_active = nullptr;
    QListWidget* m_target = nullptr;
    QLineEdit* m_prompt = nullptr;
    QLineEdit* m_default = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QHash<int, QPushButton*> m_commands;
    // Dialog-unit rectangles of every control, placed once the font is known.
    QList<QPair<QWidget*, QRect>> m_template;
};

// Runs the dialog modally; true when closed with OK (the model's m_store
// then holds the edited macros).
bool execEditMacrosDialog(CEditMacrosDlg& model, QWidget* parent, std::function<void()> help);

}  // namespace vor
