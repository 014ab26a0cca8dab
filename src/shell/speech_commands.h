#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ports.h"
#include "core/settings.h"
#include "core/vor_doc.h"
#include "speech/speech_engine.h"

namespace vor {

class CommandRegistry;

// The Speech menu: reading the tape, each new line and the clipboard aloud,
// and choosing the engine. Owned by the application, which owns the engine
// through it.
class CSpeechCommands {
   public:
    // What the commands work with: the tape read aloud, the settings they
    // read and keep, the clipboard Read Clipboard reads, and where they ask
    // and tell.
    struct Ports {
        CommandRegistry& commands;
        const CVORDoc& doc;
        CSettings& settings;
        ProfilePort& profile;
        MessagePort& messages;
        DialogPort& dialogs;
        ClipboardPort& clipboard;
        // Opens a page of the help (the section on getting voices).
        std::function<bool(const std::string& page)> openHelpPage;
    };
    explicit CSpeechCommands(Ports ports);
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

    // The engine object, not yet initialised: the window brings it up
    // behind its back and calls setAvailable with the outcome.
    void setEngine(std::unique_ptr<SpeechEngine> engine);
    // Speech is available exactly when the engine initialised at start-up;
    // the commands that need it enable themselves.
    void setAvailable(bool available) { m_available = available; }
    bool available() const { return m_available; }
    // This system has no speech engine at all.
    void setNoEngineInstalled() { m_noneInstalled = true; }
    // Brings the engine up (it takes a second and memory a user who never
    // listens should not pay for) and calls `ready` once setEngine and
    // setAvailable have been told the outcome.
    using EngineStarter = std::function<void(std::function<void()> ready)>;
    // With a starter the engine is started by the first command that needs
    // it: those commands are enabled as if it were up, and the command runs
    // once it is.
    void setEngineStarter(EngineStarter starter) { m_starter = std::move(starter); }
    // Starts the engine now through the starter (Immediate Read Mode reads
    // every keyed line).
    void startEngineNow() {
        withEngine([] {});
    }
    SpeechEngine& engine() { return m_engine ? *m_engine : m_none; }
    // The Speech menu opened: on a system without any engine, the first
    // time says why its commands are greyed.
    void speechMenuOpened();

    void readTape();
    void pauseReading();
    void resumeReading();
    void stopReading();
    void readClipboard();
    void downloadEngine();
    void selectMode();
    void engineDialog(EngineDialog which);
    void toggleReadImmediate();

   private:
    void report(SpeechResult result);
    // The engine is up, is coming up, or can be started on demand.
    bool usable() const { return m_available || (m_starter && (!m_started || !m_waiting.empty())); }
    // Runs `command` now, or once the engine a starter brings up is ready.
    void withEngine(std::function<void()> command);

    Ports m_p;
    NoSpeechEngine m_none;
    std::unique_ptr<SpeechEngine> m_engine;
    bool m_available = false;
    bool m_noneInstalled = false;
    bool m_toldNoneInstalled = false;
    EngineStarter m_starter;
    bool m_started = false;                        // the starter has been called
    std::vector<std::function<void()>> m_waiting;  // commands waiting for it
};

// The help section on getting voices, which Download a Speech Engine opens.
inline constexpr const char* kVoicesHelpPage = "index.html#voices";

}  // namespace vor
