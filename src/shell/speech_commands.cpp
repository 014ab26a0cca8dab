#include "shell/speech_commands.h"

#include <utility>

#include "core/command_ids.h"
#include "shell/command_registry.h"
#include "shell/settings_store.h"
#include "speech/speakable_text.h"
#include "speech/speech_dialogs.h"

namespace vor {
namespace {

constexpr const char* kNothingToRead = "Nothing to read!";
constexpr const char* kTapeTooLong =
    "Internal Error converting tape box contents into Unicode for Text To Speech Engine.  Tape "
    "read operation aborted.";
constexpr const char* kLineTooLong = "Internal Error reading entry line.";
constexpr const char* kNoClipboardText = "The clipboard holds no text to read.";

// Speech on Linux comes from the distribution, not from a vendor's page:
// the question says where, and OK opens the help section that says the same.
constexpr const char* kDownloadQuestion =
    "Vorlex reads aloud with the speech engines of your Linux distribution. Install Speech "
    "Dispatcher with espeak-ng (packages speech-dispatcher, speech-dispatcher-espeak-ng and "
    "qt6-speech-speechd-plugin: about a hundred languages) or Flite (package "
    "qt6-speech-flite-plugin: English voices) with your package manager, then start Vorlex "
    "again.\n\nClick OK to read how in the help.";
constexpr const char* kNoEngineInstalled =
    "No speech engine is installed, so Vorlex cannot read aloud and the Speech commands are "
    "greyed. Speech > Download a Speech Engine tells you how to install one.";

}  // namespace

CSpeechCommands::CSpeechCommands(Ports ports) : m_p(std::move(ports)) {}

CSpeechCommands::~CSpeechCommands() {
    // Shut-down: silence, then let go of the engine.
    if (m_engine) {
        m_engine->reset();
        m_engine->release();
    }
}

void CSpeechCommands::setEngine(std::unique_ptr<SpeechEngine> engine) {
    m_engine = std::move(engine);
}

void CSpeechCommands::registerCommands() {
    CommandRegistry& commands = m_p.commands;
    auto enabledWhen = [](std::function<bool()> rule) {
        return [rule = std::move(rule)] {
            CommandState s;
            s.enabled = rule();
            return s;
        };
    };
    auto tapeAndSpeech = [this] { return m_p.doc.m_lineCount > 0 && usable(); };
    auto speech = [this] { return usable(); };
    // Commands that stay enabled while the engine is not up (they reach
    // nothing then); with no engine installed at all they are greyed too.
    auto installed = [this] { return !m_noneInstalled; };

    commands.add(
        cmd::ReadTape, [this] { withEngine([this] { readTape(); }); }, enabledWhen(tapeAndSpeech));
    commands.add(
        cmd::StopReading, [this] { stopReading(); }, enabledWhen(tapeAndSpeech));
    commands.add(
        cmd::PauseReading, [this] { pauseReading(); }, enabledWhen(installed));
    commands.add(
        cmd::ResumeReading, [this] { resumeReading(); }, enabledWhen(installed));
    commands.add(
        cmd::ReadClipboard, [this] { withEngine([this] { readClipboard(); }); },
        enabledWhen(installed));
    commands.add(
        cmd::SelectSpeechMode, [this] { withEngine([this] { selectMode(); }); },
        enabledWhen(installed));
    commands.add(cmd::DownloadSpeechEngine, [this] { downloadEngine(); });
    const std::pair<int, EngineDialog> dialogs[] = {
        {cmd::SpeechAbout, EngineDialog::About},
        {cmd::SpeechGeneral, EngineDialog::General},
        {cmd::SpeechLexicon, EngineDialog::Lexicon},
        {cmd::SpeechTranslate, EngineDialog::Translate}};
    for (const auto& [id, which] : dialogs)
        commands.add(
            id, [this, which] { withEngine([this, which] { engineDialog(which); }); },
            enabledWhen(speech));
    commands.add(
        cmd::ReadImmediate, [this] { toggleReadImmediate(); },
        [this] {
            CommandState s;
            s.enabled = usable();
            s.checked = m_p.settings.readImmediate;
            return s;
        });
}

void CSpeechCommands::report(SpeechResult result) {
    reportSpeechResult(result, m_p.messages);
}

// Pause, Resume and Stop never start the engine: with none up there is
// nothing to pause or stop.
void CSpeechCommands::withEngine(std::function<void()> command) {
    if (m_available || !m_starter) {
        command();
        return;
    }
    if (m_started && m_waiting.empty()) return;  // it was started and did not come up
    m_waiting.push_back(std::move(command));
    if (m_started) return;  // coming up: the command joins the others
    m_started = true;
    m_starter([this] {
        auto waiting = std::exchange(m_waiting, {});
        if (!m_available) return;
        for (auto& command : waiting) command();
    });
}

void CSpeechCommands::speakNewRow(const std::string& row) {
    const std::string text = speakableRow(row);
    if (!fitsSpeechBuffer(text, kImmediateCapacity)) {
        m_p.messages.show(kLineTooLong);
        return;
    }
    withEngine([this, text] { report(engine().speak(text)); });
}

std::vector<std::string> CSpeechCommands::readTapeUtterances() {
    const CVORDoc& doc = m_p.doc;
    if (doc.m_lineCount == 0) {
        m_p.messages.show(kNothingToRead);
        return {};
    }
    std::string text = speakableTape(doc);
    if (!fitsSpeechBuffer(text, tapeCapacity(doc.m_lineCount))) {
        m_p.messages.show(kTapeTooLong);
        return {};
    }
    return {std::move(text)};
}

void CSpeechCommands::readTape() {
    engine().reset();
    for (const std::string& text : readTapeUtterances()) report(engine().speak(text));
}

void CSpeechCommands::pauseReading() {
    report(engine().pause());
}

void CSpeechCommands::resumeReading() {
    report(engine().resume());
}

void CSpeechCommands::stopReading() {
    report(engine().pause());
    report(engine().reset());
}

void CSpeechCommands::readClipboard() {
    // The dialog opens with the clipboard's text, taken here: an edit told
    // to paste from a clipboard that nobody owns crashes, and a dialog with
    // nothing to read would only have to be closed again.
    std::string text = m_p.clipboard.text();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        m_p.messages.show(kNoClipboardText, Buttons::Ok, Icon::Information);
        return;
    }
    CReadClipboardDlg dialog(engine(), m_p.messages);
    dialog.m_text = std::move(text);
    m_p.dialogs.run(dialog);
}

void CSpeechCommands::downloadEngine() {
    if (m_p.messages.show(kDownloadQuestion, Buttons::OkCancel, Icon::Information) == Answer::Ok)
        m_p.openHelpPage(kVoicesHelpPage);
}

void CSpeechCommands::selectMode() {
    CSelectModeDlg dialog(engine(), m_p.messages);
    dialog.onInitDialog();
    m_p.dialogs.run(dialog);
}

void CSpeechCommands::engineDialog(EngineDialog which) {
    report(engine().showDialog(which, m_p.messages));
}

void CSpeechCommands::toggleReadImmediate() {
    CSettings& settings = m_p.settings;
    settings.readImmediate = !settings.readImmediate;
    writeBool(m_p.profile, *boolSettingForCommand(cmd::ReadImmediate), settings.readImmediate);
    // Lines are read as they are keyed from now on: the engine must be up.
    if (settings.readImmediate) startEngineNow();
}

void CSpeechCommands::speechMenuOpened() {
    if (!m_noneInstalled || m_toldNoneInstalled) return;
    m_toldNoneInstalled = true;
    m_p.messages.show(kNoEngineInstalled, Buttons::Ok, Icon::Information);
}

}  // namespace vor
