// The Speech commands on a fake engine: their enabling rules, what they ask
// of the engine, and how results and refusals reach the user.
#include <gtest/gtest.h>

#include <functional>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/app.h"
#include "shell_fakes.h"
#include "speech/speech_dialogs.h"

namespace vor {
namespace {

// Records every operation and answers each with a result the test sets.
class FakeEngine : public NoSpeechEngine {
   public:
    std::vector<std::string> calls;
    SpeechResult answer = SpeechResult::Ok;
    SpeechResult speak(const std::string& text) override { return record("speak " + text); }
    SpeechResult pause() override { return record("pause"); }
    SpeechResult resume() override { return record("resume"); }
    SpeechResult reset() override { return record("reset"); }
    SpeechResult showDialog(EngineDialog, MessagePort&) override { return record("dialog"); }

   private:
    SpeechResult record(const std::string& call) {
        calls.push_back(call);
        return answer;
    }
};

// Keeps the text each Read Clipboard dialog opened with.
class ClipboardDialogs : public CancellingDialogs {
   public:
    std::vector<std::string> opened;
    bool run(CReadClipboardDlg& read) override {
        opened.push_back(read.m_text);
        return false;
    }
};

struct SpeechCommandsTest : ::testing::Test {
    MemoryForm form;
    ClipboardDialogs dialogs;
    test::ScriptedMessages answers;
    MemoryProfile profile;
    test::RecordingLauncher launcher;
    std::unique_ptr<CVORApp> app;
    FakeEngine* engine = nullptr;

    void SetUp() override {
        app = std::make_unique<CVORApp>(
            AppPorts{form, answers, profile, nullptr, &dialogs, &launcher, "/nonexistent"});
        ASSERT_TRUE(app->initInstance());
        auto owned = std::make_unique<FakeEngine>();
        engine = owned.get();
        app->speech().setEngine(std::move(owned));
    }
    bool enabled(int id) { return app->commandState(id).enabled; }
    void keyLine() {
        app->runCommand(cmd::kDigitKeys[1]);
        app->runCommand(cmd::kDigitKeys[2]);
        app->runCommand(cmd::Plus);
    }
};

TEST_F(SpeechCommandsTest, EnablingFollowsTheTapeAndTheEngine) {
    const int needEngine[] = {cmd::SpeechAbout, cmd::SpeechGeneral, cmd::SpeechLexicon,
                              cmd::SpeechTranslate, cmd::ReadImmediate};
    const int always[] = {cmd::PauseReading, cmd::ResumeReading, cmd::ReadClipboard,
                          cmd::DownloadSpeechEngine, cmd::SelectSpeechMode};
    // Before the engine is up.
    for (int id : needEngine) EXPECT_FALSE(enabled(id)) << id;
    for (int id : always) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_FALSE(enabled(cmd::ReadTape));
    app->speech().setAvailable(true);
    for (int id : needEngine) EXPECT_TRUE(enabled(id)) << id;
    // Read Tape and Stop also need a line on the tape.
    EXPECT_FALSE(enabled(cmd::ReadTape));
    EXPECT_FALSE(enabled(cmd::StopReading));
    keyLine();
    EXPECT_TRUE(enabled(cmd::ReadTape));
    EXPECT_TRUE(enabled(cmd::StopReading));
}

// The engine is started by the first command that needs it, once, and the
// commands that came while it started run when it is up; Stop and Pause
// never start it.
struct StarterTest : SpeechCommandsTest {
    std::vector<std::function<void()>> starts;  // the starts asked for, each with its `ready`
    void SetUp() override {
        SpeechCommandsTest::SetUp();
        app->speech().setEngineStarter(
            [this](std::function<void()> ready) { starts.push_back(ready); });
        keyLine();
    }
};

TEST_F(StarterTest, BringsTheEngineUpOnFirstUse) {
    for (int id : {cmd::ReadTape, cmd::SpeechAbout, cmd::ReadImmediate})
        EXPECT_TRUE(enabled(id)) << id;
    app->runCommand(cmd::StopReading);
    app->runCommand(cmd::PauseReading);
    EXPECT_TRUE(starts.empty());
    engine->calls.clear();
    app->runCommand(cmd::ReadTape);
    app->runCommand(cmd::SpeechAbout);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_TRUE(engine->calls.empty()) << "ran before the engine was up";
    app->speech().setAvailable(true);
    starts[0]();
    ASSERT_EQ(engine->calls.size(), 3u);
    EXPECT_EQ(engine->calls[0], "reset");
    EXPECT_EQ(engine->calls[2], "dialog");
    app->runCommand(cmd::ReadTape);
    EXPECT_EQ(starts.size(), 1u);
}

TEST_F(StarterTest, AnEngineThatDoesNotComeUpGreysTheCommands) {
    engine->calls.clear();
    app->runCommand(cmd::ReadTape);
    ASSERT_EQ(starts.size(), 1u);
    starts[0]();  // not available
    EXPECT_TRUE(engine->calls.empty());
    EXPECT_FALSE(enabled(cmd::ReadTape));
    EXPECT_FALSE(enabled(cmd::ReadImmediate));
}

TEST_F(SpeechCommandsTest, WithNoEngineInstalledOnlyDownloadStaysAndTheMenuSaysWhyOnce) {
    app->speech().setNoEngineInstalled();
    keyLine();
    for (int id : {cmd::ReadTape, cmd::StopReading, cmd::PauseReading, cmd::ResumeReading,
                   cmd::ReadClipboard, cmd::SelectSpeechMode, cmd::ReadImmediate})
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_TRUE(enabled(cmd::DownloadSpeechEngine));
    app->speech().speechMenuOpened();
    app->speech().speechMenuOpened();
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_NE(answers.shown[0].find("No speech engine is installed"), std::string::npos);
}

TEST_F(SpeechCommandsTest, ReadTapeResetsThenSpeaksTheWholeTapeOnce) {
    app->speech().setAvailable(true);
    keyLine();
    app->runCommand(cmd::Total);
    app->runCommand(cmd::ReadTape);
    ASSERT_EQ(engine->calls.size(), 2u);
    EXPECT_EQ(engine->calls[0], "reset");
    EXPECT_EQ(engine->calls[1],
              "speak                 12.00  +  \t \n"
              "                12.00  total  \t ;1 Items (1 positive, 0 negative)\n");
    EXPECT_TRUE(answers.shown.empty());
}

TEST_F(SpeechCommandsTest, ReadingAnEmptyTapeSaysSoAndSpeaksNothing) {
    app->speech().readTape();
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"reset"}));
    EXPECT_EQ(answers.shown, (std::vector<std::string>{"Nothing to read!"}));
}

TEST_F(SpeechCommandsTest, PauseResumeAndStopReportEachResult) {
    app->runCommand(cmd::PauseReading);
    app->runCommand(cmd::ResumeReading);
    app->speech().stopReading();
    EXPECT_EQ(engine->calls, (std::vector<std::string>{"pause", "resume", "pause", "reset"}));
    engine->answer = SpeechResult::InvalidArgument;
    app->speech().stopReading();
    EXPECT_EQ(answers.shown,
              (std::vector<std::string>{"Invalid Parameter Error", "Invalid Parameter Error"}));
}

TEST_F(SpeechCommandsTest, EngineDialogsAnswerNotSupportedThroughTheMapping) {
    app->speech().setAvailable(true);
    engine->answer = SpeechResult::NotImplemented;
    app->runCommand(cmd::SpeechLexicon);
    EXPECT_EQ(answers.shown,
              (std::vector<std::string>{"This feature is not supported by the currently installed "
                                        "Text To Speech Engine."}));
}

TEST_F(SpeechCommandsTest, ImmediateReadSpeaksEachKeyedLineAndIsAPersistedToggle) {
    app->speech().setAvailable(true);
    keyLine();
    EXPECT_TRUE(engine->calls.empty());
    app->runCommand(cmd::ReadImmediate);
    EXPECT_TRUE(app->commandState(cmd::ReadImmediate).checked);
    EXPECT_EQ(profile.getInt("Settings", "Read Immediate", 0), 1);
    app->runCommand(cmd::Minus);
    app->runCommand(cmd::Clear);
    ASSERT_EQ(engine->calls.size(), 2u);
    EXPECT_EQ(engine->calls[0], "speak                 12.00  minus     ");
    EXPECT_EQ(engine->calls[1].find_first_not_of(' ', 6),
              std::string::npos);  // "<clear>" is silent
    app->runCommand(cmd::ReadImmediate);
    EXPECT_EQ(profile.getInt("Settings", "Read Immediate", 1), 0);
}

// A line is read once, when the user keys it: not again when a replay
// prints it anew, and not while a macro prints lines by the hundred.
TEST_F(SpeechCommandsTest, ImmediateReadIsSilentDuringReplaysAndMacros) {
    app->speech().setAvailable(true);
    app->runCommand(cmd::ReadImmediate);
    keyLine();
    ASSERT_EQ(engine->calls.size(), 1u);
    app->runCommand(cmd::RecalculateNow);
    EXPECT_EQ(engine->calls.size(), 1u);
    CMacroStore& macros = app->macroStore();
    macros.m_macroEntry[1][0] = cmd::Plus;
    macros.m_macroEntry[1][1] = cmd::Plus;
    macros.m_macroSize[1] = 2;
    macros.m_macroEntry[0][0] = cmd::Macro1;  // M1 played from M0: any macro counts
    macros.m_macroSize[0] = 1;
    app->runCommand(cmd::Macro0);
    EXPECT_EQ(app->doc().m_lineCount, 3);
    EXPECT_EQ(engine->calls.size(), 1u);
    keyLine();
    EXPECT_EQ(engine->calls.size(), 2u);
}

// A clipboard that nobody owns, or that holds a picture, has no text: the
// command says so instead of opening an empty dialog.
TEST_F(SpeechCommandsTest, ReadClipboardOpensWithItsTextOrSaysThereIsNone) {
    for (const char* blank : {"", " \r\n\t"}) {
        app->memoryClipboard().setText(blank);
        app->runCommand(cmd::ReadClipboard);
    }
    EXPECT_EQ(answers.shown, (std::vector<std::string>(2, "The clipboard holds no text to read.")));
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_TRUE(engine->calls.empty());
    app->memoryClipboard().setText("12 plus 5\n");
    app->runCommand(cmd::ReadClipboard);
    EXPECT_EQ(dialogs.opened, (std::vector<std::string>{"12 plus 5\n"}));
    EXPECT_EQ(answers.shown.size(), 2u);
}

TEST_F(SpeechCommandsTest, DownloadExplainsWhereVoicesComeFromAndOpensTheHelpOnOk) {
    answers.script.push_back(Answer::Cancel);
    app->runCommand(cmd::DownloadSpeechEngine);
    EXPECT_TRUE(launcher.opened.empty());
    app->runCommand(cmd::DownloadSpeechEngine);
    ASSERT_EQ(answers.shown.size(), 3u);  // the page is not found under /nonexistent
    EXPECT_NE(answers.shown[0].find("speech-dispatcher-espeak-ng"), std::string::npos);
    EXPECT_EQ(answers.shown[2], "Internal error creating process:  Error Number: 2");
}

}  // namespace
}  // namespace vor
