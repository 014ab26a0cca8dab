// The speech engine object on a fake synthesizer: the queue, pause and its
// emulation, reset, the default mode, speed, and the two dialogs' models.
#include <gtest/gtest.h>

#include "core/memory_form.h"
#include "speech/queued_engine.h"
#include "speech/speech_dialogs.h"
#include "speech/speech_speed.h"
#include "speech_fakes.h"
#include "test_support.h"

namespace vor {
namespace {

using test::FakeSynth;

struct EngineTest : ::testing::Test {
    FakeSynth* synth = nullptr;
    std::unique_ptr<CSpeechEngine> engine;

    void SetUp() override {
        auto owned = std::make_unique<FakeSynth>();
        synth = owned.get();
        engine = std::make_unique<CSpeechEngine>(std::move(owned));
    }
    void start(const std::string& language = "en_US") {
        ASSERT_EQ(engine->initDefault(language), SpeechResult::Ok);
        synth->log.clear();
    }
};

TEST_F(EngineTest, WithoutAnEngineEveryOperationReachesNothing) {
    int speed = -1;
    SpeechMode mode;
    test::ScriptedMessages messages;
    EXPECT_EQ(engine->speak("x"), SpeechResult::NoInterface);
    EXPECT_EQ(engine->pause(), SpeechResult::NoInterface);
    EXPECT_EQ(engine->resume(), SpeechResult::NoInterface);
    EXPECT_EQ(engine->reset(), SpeechResult::NoInterface);
    EXPECT_EQ(engine->speedGet(speed), SpeechResult::NoInterface);
    EXPECT_EQ(engine->currentMode(mode), SpeechResult::NoInterface);
    EXPECT_EQ(engine->showDialog(EngineDialog::About, messages), SpeechResult::NoInterface);
    EXPECT_TRUE(synth->said.empty());
}

TEST_F(EngineTest, TextsQueueAndAreSpokenOneAfterTheOtherLineByLine) {
    start();
    engine->speak("one\ntwo\n");
    engine->speak("three");
    EXPECT_EQ(synth->said, (std::vector<std::string>{"one"}));
    EXPECT_EQ(engine->waiting(), 2u);
    synth->finish();
    synth->finish();
    EXPECT_EQ(synth->said, (std::vector<std::string>{"one", "two", "three"}));
    synth->finish();
    // Nothing left: a late or repeated report starts nothing.
    synth->finish();
    EXPECT_EQ(synth->said.size(), 3u);
}

TEST_F(EngineTest, AReportAboutAStoppedTextIsIgnored) {
    start();
    engine->speak("old");
    const int oldId = synth->lastId;
    engine->reset();
    engine->speak("new");
    engine->speak("next");
    synth->onFinished(oldId);
    EXPECT_EQ(synth->said, (std::vector<std::string>{"old", "new"}));
}

TEST_F(EngineTest, ResetStopsDiscardsTheQueueAndEndsAPause) {
    start();
    engine->speak("a\nb\nc");
    engine->pause();
    engine->reset();
    EXPECT_EQ(engine->waiting(), 0u);
    EXPECT_FALSE(engine->isPaused());
    engine->speak("d");
    EXPECT_EQ(synth->said.back(), "d");
}

TEST_F(EngineTest, AnEngineThatPausesIsPausedAndResumed) {
    start();
    engine->speak("a\nb");
    engine->pause();
    engine->speak("c");  // queued behind, nothing new starts
    EXPECT_EQ(synth->log, (std::vector<std::string>{"say a", "pause"}));
    engine->resume();
    EXPECT_EQ(synth->log.back(), "resume");
    synth->finish();
    EXPECT_EQ(synth->said.back(), "b");
}

TEST_F(EngineTest, WhereTheEngineIgnoresPauseTheCutLineIsReadAgainOnResume) {
    synth->pauses = false;
    start();
    engine->speak("a\nb");
    const int cutId = synth->lastId;
    engine->pause();
    EXPECT_EQ(synth->log, (std::vector<std::string>{"say a", "stop"}));
    synth->onFinished(cutId);  // too late: nothing starts while paused
    EXPECT_EQ(synth->said.size(), 1u);
    engine->resume();
    synth->finish();
    EXPECT_EQ(synth->said, (std::vector<std::string>{"a", "a", "b"}));
}

TEST_F(EngineTest, DefaultModePrefersTheFirstEngineThatSpeaksTheLanguage) {
    start("en_GB");
    SpeechMode m;
    engine->currentMode(m);
    EXPECT_EQ(m.id, "flite/en_US/slt");  // same language, first engine
    EXPECT_EQ(synth->asked, (std::vector<std::string>{"flite"}));
    EXPECT_EQ(engine->initDefault("en_GB"), SpeechResult::Fail);  // already initialised
}

TEST_F(EngineTest, DefaultModeLooksFurtherForAnotherLanguage) {
    start("de_AT");
    SpeechMode m;
    engine->currentMode(m);
    EXPECT_EQ(m.id, "speechd/de_DE/German");
}

TEST_F(EngineTest, DefaultModeFallsBackToAnyVoiceAndFailsWithoutOne) {
    start("fi_FI");
    SpeechMode m;
    engine->currentMode(m);
    EXPECT_EQ(m.id, "flite/en_US/slt");
    engine->release();
    synth->all.clear();
    EXPECT_EQ(engine->initDefault("en_US"), SpeechResult::Fail);
}

// The dialog offers every engine's voices, whatever the user's language.
TEST_F(EngineTest, ModesListEveryEngineInItsOrder) {
    start("de_DE");
    std::vector<std::string> ids;
    for (const SpeechMode& m : engine->modes()) ids.push_back(m.id);
    EXPECT_EQ(ids, (std::vector<std::string>{"flite/en_US/slt", "flite/en_US/kal",
                                             "speechd/de_DE/German", "speechd/en_GB/English"}));
    EXPECT_TRUE(engine->allModesListed());
}

TEST(SpeechSpeed, NormalSpeechIsTheEnginesNormalRateAndTheEndsAreItsLimits) {
    EXPECT_DOUBLE_EQ(rateForSpeed(180), 0.0);
    EXPECT_DOUBLE_EQ(rateForSpeed(30), -1.0);
    EXPECT_DOUBLE_EQ(rateForSpeed(510), 1.0);
    EXPECT_DOUBLE_EQ(rateForSpeed(105), -0.5);
    EXPECT_DOUBLE_EQ(rateForSpeed(10), -1.0);
    for (int wpm : {30, 31, 100, 179, 180, 181, 345, 509, 510})
        EXPECT_EQ(speedForRate(rateForSpeed(wpm)), wpm);
}

TEST(SpeechSpeed, TheTypedNumberIsItsLeadingInteger) {
    EXPECT_EQ(leadingInteger("  200"), 200);
    EXPECT_EQ(leadingInteger("-20x"), -20);
    EXPECT_EQ(leadingInteger("+7 words"), 7);
    EXPECT_EQ(leadingInteger("fast"), 0);
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("99999999999"), 2147483647);
    EXPECT_EQ(speedRangeMessage(), "Please enter an integer between 30 and 510.");
}

TEST_F(EngineTest, SpeedIsSetInWordsPerMinuteAndAboutTellsIt) {
    start();
    int wpm = 0;
    engine->speedGet(wpm);
    EXPECT_EQ(wpm, 180);
    EXPECT_EQ(engine->speedSet(345), SpeechResult::Ok);
    EXPECT_DOUBLE_EQ(synth->rate, 0.5);
    engine->speedSet(20);  // as slow as it goes
    engine->speedGet(wpm);
    EXPECT_EQ(wpm, 30);
    test::ScriptedMessages messages;
    EXPECT_EQ(engine->showDialog(EngineDialog::About, messages), SpeechResult::Ok);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              "Speech engine: flite\nVoice: slt\nLanguage: en_US\nSpeed: 30 words per minute");
    for (auto d : {EngineDialog::General, EngineDialog::Lexicon, EngineDialog::Translate})
        EXPECT_EQ(engine->showDialog(d, messages), SpeechResult::NotImplemented);
}

TEST(SpeechResults, OnlyTheListedResultsShowAMessage) {
    EXPECT_EQ(speechErrorMessage(SpeechResult::InvalidMode), "Invalid Mode Error");
    EXPECT_EQ(speechErrorMessage(SpeechResult::InvalidArgument), "Invalid Parameter Error");
    EXPECT_EQ(speechErrorMessage(SpeechResult::InvalidWindow), "Invalid Window Error");
    EXPECT_EQ(speechErrorMessage(SpeechResult::NotImplemented),
              "This feature is not supported by the currently installed Text To Speech Engine.");
    for (auto r : {SpeechResult::Ok, SpeechResult::NoInterface, SpeechResult::Fail,
                   static_cast<SpeechResult>(0x80001234u)})
        EXPECT_EQ(speechErrorMessage(r), "");
}

TEST_F(EngineTest, SelectDialogListsModesSelectsTheCurrentAndSwitchesOnOk) {
    start();
    synth->all.insert(synth->all.begin() + 1, FakeSynth::mode("flite", "en_US", "kal"));
    engine->initMode("flite/en_US/kal");  // refused: already initialised
    engine->release();
    ASSERT_EQ(engine->initMode("flite/en_US/kal"), SpeechResult::Ok);
    test::ScriptedMessages messages;
    CSelectModeDlg dlg(*engine, messages);
    dlg.onInitDialog();
    // Each voice once, sorted by language, the voice in use selected.
    EXPECT_EQ(dlg.m_lines,
              (std::vector<std::string>{"German, de_DE (speechd)", "English, en_GB (speechd)",
                                        "slt, en_US (flite)", "kal, en_US (flite)"}));
    EXPECT_EQ(dlg.m_selection, 3);
    EXPECT_EQ(dlg.m_speedText, "180");

    synth->log.clear();
    dlg.m_selection = 0;
    dlg.m_speedText = "20";
    EXPECT_EQ(dlg.onOK(), "Please enter an integer between 30 and 510.");
    // The switch and the speed took effect before the refusal.
    EXPECT_EQ(synth->log, (std::vector<std::string>{"unload", "load speechd/de_DE/German"}));
    SpeechMode m;
    engine->currentMode(m);
    EXPECT_EQ(m.voice, "German");
    dlg.m_speedText = " 240";
    EXPECT_EQ(dlg.onOK(), "");
    int wpm = 0;
    engine->speedGet(wpm);
    EXPECT_EQ(wpm, 240);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EngineTest, SelectDialogReportsAFailedSwitchAndAMissingCurrentMode) {
    test::ScriptedMessages messages;
    CSelectModeDlg dlg(*engine, messages);
    dlg.onInitDialog();  // no engine yet: no current mode, speed 0
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Error getting current TTS Mode."}));
    EXPECT_EQ(dlg.m_speedText, "0");
    EXPECT_EQ(dlg.m_selection, 0);
    EXPECT_EQ(dlg.m_lines.size(), 4u);
    synth->loadFails = true;
    dlg.m_speedText = "180";
    EXPECT_EQ(dlg.onOK(), "");
    EXPECT_EQ(messages.shown.back(), "Error switching to German, de_DE");
}

TEST_F(EngineTest, SelectDialogListsAtMost199Modes) {
    synth->all.clear();
    for (int i = 0; i < 250; ++i)
        synth->all.push_back(FakeSynth::mode("flite", "en_US", "v" + std::to_string(i)));
    test::ScriptedMessages messages;
    CSelectModeDlg dlg(*engine, messages);
    dlg.onInitDialog();
    EXPECT_EQ(dlg.m_lines.size(), 199u);
    EXPECT_EQ(dlg.m_lines.back(), "v198, en_US (flite)");
}

TEST_F(EngineTest, ClipboardDialogReadsAfreshAndStopsEverything) {
    start();
    test::ScriptedMessages messages;
    CReadClipboardDlg dlg(*engine, messages);
    engine->speak("tape");
    dlg.m_text = "pasted\ntext";
    dlg.onRead();
    EXPECT_EQ(synth->log, (std::vector<std::string>{"say tape", "stop", "say pasted"}));
    dlg.onStop();
    EXPECT_EQ(engine->waiting(), 0u);
    dlg.m_text = std::string(80000, 'x');
    dlg.onRead();
    EXPECT_EQ(messages.shown.back(),
              "Internal Error converting text to Unicode for speech engine.  Probably too much "
              "text for allocated memory buffer.");
}

}  // namespace
}  // namespace vor
