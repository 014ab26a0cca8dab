#include "shell/speech_commands.h"

#include "shell/app.h"

namespace vor {

CSpeechCommands::CSpeechCommands(CVORApp& app) : m_app(app) {}

CSpeechCommands::~CSpeechCommands() = default;

void CSpeechCommands::registerCommands() {}

void CSpeechCommands::speakNewRow(const std::string&) {}

std::vector<std::string> CSpeechCommands::readTapeUtterances() {
    return {};
}

}  // namespace vor
