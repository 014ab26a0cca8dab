#include "gui/speech_dialogs.h"

#include "gui/speech_widgets.h"

namespace vor {

std::optional<bool> execSpeechDialog(DialogModel& model, QWidget* parent, MessagePort& messages,
                                     const std::function<void()>&) {
    if (auto* clipboard = dynamic_cast<CReadClipboardDlg*>(&model)) {
        ReadClipboardWidget dialog(*clipboard, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    if (auto* select = dynamic_cast<CSelectModeDlg*>(&model)) {
        SelectModeWidget dialog(*select, messages, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    return std::nullopt;
}

}  // namespace vor
