#pragma once

#include <QDialog>

#include "core/ports.h"
#include "speech/speech_dialogs.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vor {

// Read Text Data From Clipboard on screen: the model's text (the
// clipboard's) in the edit, Read and Stop working on the model.
class ReadClipboardWidget : public QDialog {
    Q_OBJECT
   public:
    ReadClipboardWidget(CReadClipboardDlg& model, QWidget* parent = nullptr);

    QPlainTextEdit* textEdit() const { return m_edit; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* stopButton() const { return m_stop; }

    void accept() override;

   private:
    CReadClipboardDlg& m_model;
    QPlainTextEdit* m_edit = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_stop = nullptr;
};

// Select Speech Engine/Voice on screen: the model's list and speed; OK
// hands both back and stays open when the model refuses the speed. While
// engines are still listing voices the list fills in, the pick kept.
class SelectModeWidget : public QDialog {
    Q_OBJECT
   public:
    SelectModeWidget(CSelectModeDlg& model, MessagePort& messages, QWidget* parent = nullptr);
    ~SelectModeWidget() override;

    QListWidget* modeList() const { return m_list; }
    QLineEdit* speedEdit() const { return m_speed; }
    QPushButton* okButton() const { return m_ok; }
    QLabel* listingLabel() const { return m_listing; }

    void accept() override;

   private:
    void fillList();

    CSelectModeDlg& m_model;
    MessagePort& m_messages;
    QListWidget* m_list = nullptr;
    QLabel* m_listing = nullptr;
    QLineEdit* m_speed = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace vor
