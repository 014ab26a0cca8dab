#include "gui/speech_setup.h"

namespace vor {

void startSpeech(CVORApp&, QWidget*) {}

}  // namespace vor
