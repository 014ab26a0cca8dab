#include "gui/speech_dialogs.h"

namespace vor {

std::optional<bool> execSpeechDialog(DialogModel&, QWidget*, MessagePort&,
                                     const std::function<void()>&) {
    return std::nullopt;
}

}  // namespace vor
