#pragma once

#include <string>
#include <vector>

namespace vor {

class CVORApp;

// The Speech menu: reading the tape, each new line and the clipboard aloud,
// and choosing the engine. Owned by the application.
class CSpeechCommands {
   public:
    explicit CSpeechCommands(CVORApp& app);
    ~CSpeechCommands();
    CSpeechCommands(const CSpeechCommands&) = delete;
    CSpeechCommands& operator=(const CSpeechCommands&) = delete;

    // Adds the speech rows to the application's command table.
    void registerCommands();
    // A line just joined the tape (Immediate Read Mode). The view calls this
    // only for lines the user keyed: never during a recalculation or while
    // a macro plays.
    void speakNewRow(const std::string& row);
    // What Read Tape would send to the engine, one entry per utterance;
    // shows "Nothing to read!" and returns nothing for an empty tape.
    std::vector<std::string> readTapeUtterances();

   private:
    CVORApp& m_app;
};

}  // namespace vor
