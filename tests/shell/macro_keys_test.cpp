// Recording and playing the four macro keys through the application, as
// the keypad, the keyboard and batch mode reach them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/key_tokens.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "macros/edit_macros_dialog.h"
#include "macros/enter_value_dialog.h"
#include "macros/macro_file.h"
#include "macros/macro_profile.h"
#include "shell/app.h"
#include "shell/batch.h"
#include "shell/settings_store.h"
#include "shell_fakes.h"

namespace vor {
namespace {

using test::ScriptedMessages;

// Remembers every title and redraw switch, to check what playback shows.
class WatchedForm : public MemoryForm {
   public:
    void setTitle(const std::string& title) override {
        titles.push_back(title);
        MemoryForm::setTitle(title);
    }
    void setRedraw(bool on) override { redraws.push_back(on); }
    std::vector<std::string> titles;
    std::vector<bool> redraws;
};

// Answers Enter a Value from a script (nothing: Cancel) and keeps what the
// dialog showed.
class ValueDialogs : public CancellingDialogs {
   public:
    bool run(CEditMacrosDlg& edit) override { return editMacros && editMacros(edit); }
    bool run(CEnterValueDlg& dlg) override {
        prompts.push_back(dlg.m_prompt);
        presets.push_back(dlg.m_valueText);
        if (values.empty() || !values.front()) {
            if (!values.empty()) values.pop_front();
            return false;
        }
        dlg.m_valueText = *values.front();
        values.pop_front();
        return true;
    }
    std::deque<std::optional<std::string>> values;
    std::function<bool(CEditMacrosDlg&)> editMacros;
    std::vector<std::string> prompts;
    std::vector<std::string> presets;
};

struct MacroKeys : ::testing::Test {
    WatchedForm form;
    ScriptedMessages answers;
    MemoryProfile profile;
    ValueDialogs dialogs;
    std::unique_ptr<CVORApp> app;

    void start() {
        app = std::make_unique<CVORApp>(
            AppPorts{form, answers, profile, nullptr, &dialogs, nullptr, {}});
        ASSERT_TRUE(app->initInstance());
    }
    void SetUp() override { start(); }

    // Key labels, numbers typed digit by digit, and the Macros commands.
    void keys(const std::string& list) {
        for (const std::string& t : splitKeyTokens(list).tokens) {
            if (t == "RECORD") {
                app->runCommand(cmd::MacroStartRecording);
            } else if (t == "STOP") {
                app->runCommand(cmd::MacroStopRecording);
            } else if (t == "CLEARMACROS") {
                app->runCommand(cmd::MacroClearAll);
            } else if (const auto id = keyIdForLabel(t)) {
                app->runCommand(*id);
            } else {
                for (char c : t) {
                    const auto digit = keyIdForLabel(std::string(1, c));
                    ASSERT_TRUE(digit) << t;
                    app->runCommand(*digit);
                }
            }
        }
    }
    std::vector<int> macro(int k) const {
        const CMacroStore& s = app->macroStore();
        std::vector<int> out;
        for (int i = 0; i < s.size(k); ++i) out.push_back(s.entry(k, i));
        return out;
    }
    std::vector<std::string> rows() const { return form.rows(); }
    std::string led() const {
        const std::string t = form.mainLedText();
        return t.substr(t.find_first_not_of(' '));
    }
    CMacroPlayer& player() { return app->view().macros(); }
};

TEST_F(MacroKeys, RecordingOnlyStoresTheKeysAndSavesThemWhenItEnds) {
    keys("9 + RECORD Macro0 1 2 +");
    EXPECT_EQ(app->commandState(cmd::Macro0).caption, "M0*");
    EXPECT_FALSE(app->commandState(cmd::MacroStartRecording).enabled);
    EXPECT_TRUE(app->commandState(cmd::MacroStopRecording).enabled);
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(led(), "9.");
    EXPECT_FALSE(profile.has("Macros/Macro0", "Size"));  // not before the end
    keys("Macro0");
    EXPECT_EQ(app->commandState(cmd::Macro0).caption, "M0");
    EXPECT_EQ(macro(0), (std::vector<int>{cmd::Digit1, cmd::Digit2, cmd::Plus}));
    EXPECT_EQ(profile.getInt("Macros/Macro0", "Size", -1), 3);
    EXPECT_EQ(profile.getInt("Macros/Macro0", "Line2", -1), cmd::Plus);
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(led(), "9.");
}

TEST_F(MacroKeys, AnotherMacroKeyIsRecordedAsACallAndTheSameKeyEndsTheRecording) {
    keys("RECORD Macro1 2 Macro1");  // M1 holds a 2
    keys("RECORD Macro0 Macro1 + Macro0");
    EXPECT_EQ(macro(0), (std::vector<int>{cmd::Macro1, cmd::Plus}));
    EXPECT_TRUE(rows().empty());
    keys("Macro0 Ttl");
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_NE(rows()[0].find("2.00  +"), std::string::npos);
}

TEST_F(MacroKeys, TheTwoHundredFiftiethKeyIsKeptAndTheNextIsDropped) {
    keys("RECORD Macro0");
    for (int i = 0; i < 250; ++i) keys("1");
    EXPECT_TRUE(answers.shown.size() == 1u);  // only the start message
    keys("2");
    EXPECT_EQ(answers.shown.back(), "Macro is too large.");
    keys("Macro0");
    EXPECT_EQ(macro(0).size(), 250u);
    EXPECT_EQ(macro(0).back(), cmd::Digit1);
}

TEST_F(MacroKeys, VInsertsTheValueShownWhenItsOwnKeyWasPressed) {
    keys("RECORD Macro1 V + Macro1");
    keys("RECORD Macro0 V + 3 Macro1 Macro0");
    // M0 started on 5; by the click on M1 the LED shows 3.
    keys("5 Macro0 Ttl");
    ASSERT_EQ(rows().size(), 3u);
    EXPECT_NE(rows()[0].find("5.00  +"), std::string::npos);
    EXPECT_NE(rows()[1].find("3.00  +"), std::string::npos);
    EXPECT_NE(rows()[2].find("8.00  Ttl"), std::string::npos);
}

TEST_F(MacroKeys, ADigitAfterVExtendsTheInsertedValue) {
    keys("RECORD Macro0 7 V 2 + Macro0 4 Macro0");
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_NE(rows()[0].find("42.00  +"), std::string::npos);
}

TEST_F(MacroKeys, ARecursiveCallIsSkippedAndThePlaybackGoesOn) {
    keys("RECORD Macro1 1 + Macro0 2 + Macro1");
    keys("RECORD Macro0 Macro1 Macro0");
    keys("Macro0 Ttl");
    EXPECT_EQ(std::count(answers.shown.begin(), answers.shown.end(),
                         std::string("Skipping recursive macro call")),
              1);
    EXPECT_EQ(rows().size(), 3u);
    EXPECT_NE(rows()[2].find("3.00  Ttl"), std::string::npos);
}

TEST_F(MacroKeys, AnEmptyKeyInsideAMacroAsksForTheValue) {
    app->macroStore().m_macroPrompt[1] = "Tax rate?";
    app->macroStore().m_macroDefault[1] = "7.5";
    keys("RECORD Macro0 Macro1 + Macro0");
    dialogs.values = {std::string("7.5")};
    keys("Macro0");
    EXPECT_EQ(dialogs.prompts, (std::vector<std::string>{"Tax rate?"}));
    EXPECT_EQ(dialogs.presets, (std::vector<std::string>{"7.5"}));
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_NE(rows()[0].find("7.50  +"), std::string::npos);
    // Cancel leaves the LED as it was: + repeats the last value.
    dialogs.values = {std::nullopt};
    keys("Macro0");
    EXPECT_EQ(rows().size(), 2u);
    EXPECT_NE(rows()[1].find("7.50  +"), std::string::npos);
}

TEST_F(MacroKeys, TheValueIsReadInTheNumberStyleTheUserSees) {
    app->runCommand(cmd::EuropeanMode);
    keys("RECORD Macro0 Macro1 + Macro0");
    dialogs.values = {std::string("1.234,5")};
    keys("Macro0");
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_NE(rows()[0].find("1.234,50  +"), std::string::npos) << rows()[0];
}

TEST_F(MacroKeys, AnEmptyKeyPressedByTheUserOffersToRecordIt) {
    answers.script = {Answer::No};
    keys("Macro2");
    EXPECT_FALSE(player().recording());
    keys("Macro2");  // Yes
    EXPECT_TRUE(player().recording());
    EXPECT_EQ(app->commandState(cmd::Macro2).caption, "M2*");
    keys("4 Macro2");
    EXPECT_EQ(macro(2), (std::vector<int>{cmd::Digit4}));
}

TEST_F(MacroKeys, QuickRecordStoresTheShownValueAsKeys) {
    keys("QR");
    EXPECT_EQ(app->commandState(cmd::QuickRecord).caption, "&QR*");
    keys("Macro3");
    EXPECT_EQ(macro(3), (std::vector<int>{cmd::Digit0, cmd::DecimalPoint}));
    EXPECT_EQ(app->commandState(cmd::QuickRecord).caption, "&QR");
    keys("1234.5 Neg QR Macro1");
    EXPECT_EQ(macro(1), (std::vector<int>{cmd::Digit1, cmd::Digit2, cmd::Digit3, cmd::Digit4,
                                          cmd::DecimalPoint, cmd::Digit5, cmd::Negate}));
    EXPECT_EQ(profile.getInt("Macros/Macro1", "Size", -1), 7);
    keys("QR QR");
    EXPECT_FALSE(player().m_quickRecordPending);
}

TEST_F(MacroKeys, AQuickRecordedKeyInsideAMacroIsATemporaryRegister) {
    keys("RECORD Macro0 QR Macro2 Macro2 + Macro2 + Macro0");
    keys("7.5 Macro0 Ttl");
    ASSERT_EQ(rows().size(), 3u);
    EXPECT_NE(rows()[2].find("15.00  Ttl"), std::string::npos);
    EXPECT_TRUE(macro(2).empty());
    EXPECT_EQ(profile.getInt("Macros/Macro2", "Size", -1), 0);
}

TEST_F(MacroKeys, AQuickRecordCancelledInsideAMacroLeavesTheKeyAlone) {
    keys("RECORD Macro2 5 + Macro2");
    keys("RECORD Macro0 QR QR Macro2 Macro0");
    keys("Macro0");
    EXPECT_EQ(rows().size(), 1u);  // M2 played
    EXPECT_EQ(macro(2), (std::vector<int>{cmd::Digit5, cmd::Plus}));
}

TEST_F(MacroKeys, ClearAllKeepsDefaultsAndStoredLinesButResetsPrompts) {
    app->macroStore().m_macroDefault[0] = "3";
    keys("RECORD Macro0 1 2 Macro0 CLEARMACROS");
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(macro(k).empty());
        EXPECT_EQ(app->macroStore().m_macroPrompt[static_cast<std::size_t>(k)],
                  "Enter a value in the edit control below.");
    }
    EXPECT_EQ(app->macroStore().m_macroDefault[0], "3");
    EXPECT_EQ(profile.getInt("Macros/Macro0", "Size", -1), 0);
    EXPECT_EQ(profile.getInt("Macros/Macro0", "Line1", -1), cmd::Digit2);
    answers.script = {Answer::No};
    keys("RECORD Macro1 7 Macro1 CLEARMACROS");
    EXPECT_EQ(macro(1).size(), 1u);
}

TEST_F(MacroKeys, CommandsThatReplaceTheMacrosEndARecordingFirst) {
    keys("RECORD Macro0 1 2 CLEARMACROS 3 Macro0");
    // The recording ended with the clear: 3 was typed, and Macro0 then
    // offered to record the empty key.
    EXPECT_FALSE(player().recording() && macro(0).size() > 0);
    EXPECT_EQ(led(), "3.");
}

TEST_F(MacroKeys, TheArmedStateEndsWithAFigureKeyButNotWithPercent) {
    keys("RECORD %");
    EXPECT_TRUE(player().m_macroArmed);
    keys("5");
    EXPECT_FALSE(player().m_macroArmed);
    EXPECT_TRUE(app->commandState(cmd::MacroStartRecording).enabled);
    keys("RECORD STOP");
    EXPECT_FALSE(player().m_macroArmed);
    keys("RECORD ^ UP C");
    EXPECT_TRUE(player().m_macroArmed);
    keys("#");
    EXPECT_FALSE(player().m_macroArmed);
}

TEST_F(MacroKeys, DelDeletesAtOnceEvenWhileRecording) {
    keys("5 + 6 + RECORD Macro0 Del Macro0");
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_TRUE(macro(0).empty());
}

TEST_F(MacroKeys, AnyPlayingMacroSilencesTheAutoDecimalQuestion) {
    keys("RECORD Macro0 1 Macro0 RECORD Macro1 . Macro1");
    app->runCommand(cmd::AutoDecimalMode);
    answers.shown.clear();
    keys("Macro1");
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_NE(answers.shown[0].find("your macro"), std::string::npos);
}

TEST_F(MacroKeys, PlaybackGivesTheTapeOfTheSameKeysByHand) {
    const std::string seq = "12.5 + 3 X 4 = 100 M+= MR 10 % Sub 7 - Neg Ttl";
    keys(seq);
    const std::vector<std::string> byHand = rows();
    const std::string ledByHand = led();
    keys("CA");
    keys("RECORD Macro3 " + seq + " Macro3 CA Macro3");
    EXPECT_EQ(rows(), byHand);
    EXPECT_EQ(led(), ledByHand);
}

TEST_F(MacroKeys, PlaybackShowsItsTitleAndDrawsOnceAtTheEnd) {
    keys("RECORD Macro1 1 + Macro1 RECORD Macro0 Macro1 Macro1 Macro0");
    form.titles.clear();
    form.redraws.clear();
    keys("Macro0");
    EXPECT_EQ(form.titles.front(), "Playing macro.  Please wait...");
    EXPECT_EQ(form.titles.back(), "VOR - VOR");
    EXPECT_EQ(form.redraws.back(), true);
    EXPECT_EQ(std::count(form.redraws.begin(), form.redraws.end(), true), 1);
}

TEST_F(MacroKeys, AnEntryPlaysOnlyTheFormsControls) {
    // A macro file may hold any number: menu commands are not the form's.
    CMacroStore& store = app->macroStore();
    store.m_macroEntry[0][0] = cmd::Digit5;
    store.m_macroEntry[0][1] = cmd::FileNew;
    store.m_macroEntry[0][2] = cmd::Plus;
    store.m_macroEntry[0][3] = cmd::MacroClearAll;
    store.m_macroEntry[0][4] = 0;
    store.m_macroEntry[0][5] = CCalculator::precisionButton(0);
    store.m_macroSize[0] = 6;
    keys("Macro0");
    for (const std::string& m : answers.shown)
        EXPECT_EQ(m.find("clear all macro"), std::string::npos);
    EXPECT_EQ(rows().size(), 1u);  // the tape was not replaced by a new one
    EXPECT_EQ(app->doc().m_precision, 0);
}

TEST_F(MacroKeys, MacrosBelongToTheApplicationAndComeBackAtStart) {
    keys("RECORD Macro0 1 2 Macro0");
    app->onNewDocument();
    EXPECT_EQ(macro(0).size(), 2u);
    start();
    EXPECT_EQ(macro(0), (std::vector<int>{cmd::Digit1, cmd::Digit2}));
}

TEST_F(MacroKeys, EditMacrosChangesTheMacrosOnlyOnOk) {
    keys("RECORD Macro0 1 2 Macro0");
    dialogs.editMacros = [](CEditMacrosDlg& dlg) {
        dlg.m_buttonSelection = 11;  // "+"
        dlg.append();
        dlg.m_prompt = "Rate?";
        dlg.onOK();
        return false;  // Cancel
    };
    app->runCommand(cmd::MacroEdit);
    EXPECT_EQ(macro(0).size(), 2u);
    dialogs.editMacros = [](CEditMacrosDlg& dlg) {
        dlg.m_buttonSelection = 11;
        dlg.append();
        dlg.m_prompt = "Rate?";
        dlg.onOK();
        return true;
    };
    keys("RECORD Macro1 5");  // a recording ends before the dialog opens
    app->runCommand(cmd::MacroEdit);
    EXPECT_FALSE(player().recording());
    EXPECT_EQ(macro(0), (std::vector<int>{cmd::Digit1, cmd::Digit2, cmd::Plus}));
    EXPECT_EQ(macro(1), (std::vector<int>{cmd::Digit5}));
    EXPECT_EQ(profile.getString("Macros/Macro0", "Prompt", ""), "Rate?");
    EXPECT_EQ(profile.getInt("Macros/Macro0", "Line2", -1), cmd::Plus);
}

TEST(MacroProfile, StaleLinesStayAndOnlyTheSizeIsRead) {
    MemoryProfile profile;
    CMacroStore store;
    for (int n = 0; n < 20; ++n) store.m_macroEntry[0][static_cast<std::size_t>(n)] = 1000 + n;
    store.m_macroSize[0] = 20;
    saveMacros(profile, store);
    store.m_macroSize[0] = 10;
    saveMacros(profile, store);
    EXPECT_EQ(profile.getInt("Macros/Macro0", "Line19", -1), 1019);
    profile.writeInt("Macros/Macro0", "Line5", 4242);
    CMacroStore loaded;
    loadMacros(profile, loaded);
    EXPECT_EQ(loaded.m_macroSize[0], 10);
    EXPECT_EQ(loaded.entry(0, 5), 4242);
    EXPECT_EQ(loaded.entry(0, 12), 0);  // never read
    EXPECT_EQ(loaded.m_macroPrompt[1], "Enter a value in the edit control below:");
}

TEST(MacroProfile, AnAbsurdStoredSizeReadsAsTheNearestSizeTheStoreHolds) {
    MemoryProfile profile;
    profile.writeInt("Macros/Macro0", "Size", 100000);
    profile.writeInt("Macros/Macro1", "Size", -5);
    CMacroStore loaded;
    loadMacros(profile, loaded);
    EXPECT_EQ(loaded.size(0), 250);
    EXPECT_EQ(loaded.size(1), 0);
}

}  // namespace
}  // namespace vor

namespace vor {
namespace {

struct MacroFiles : MacroKeys {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vorlex-mcr-" + std::to_string(::getpid()));
    void SetUp() override {
        std::filesystem::create_directories(dir);
        MacroKeys::SetUp();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

TEST_F(MacroFiles, ARefusedImportChangesNeitherTheMacrosNorTheProfile) {
    keys("RECORD Macro0 1 2 Macro0");
    const auto before = profile.values();
    CMacroStore other;
    other.m_macroSize[0] = 1;
    other.m_macroEntry[0][0] = cmd::Digit9;
    std::string bytes = writeMacroFile(other);
    bytes.resize(bytes.size() - 2);  // cut inside the last record
    EXPECT_FALSE(app->macroCommands().importMacros(write("cut.mcr", bytes)));
    EXPECT_EQ(answers.shown.back(), "Invalid or corrupt macro file!");
    EXPECT_EQ(macro(0), (std::vector<int>{cmd::Digit1, cmd::Digit2}));
    EXPECT_EQ(profile.values(), before);

    bytes = writeMacroFile(other);
    bytes[14] = static_cast<char>(200);
    EXPECT_FALSE(app->macroCommands().importMacros(write("new.mcr", bytes)));
    EXPECT_EQ(answers.shown.back(),
              "This version of VOR cannot read that file.  Please check for an upgrade from the "
              "author.");
    EXPECT_EQ(profile.values(), before);
}

TEST_F(MacroFiles, AnImportDuringARecordingEndsItAndReachesTheProfile) {
    CMacroStore other;
    other.m_macroSize[0] = 1;
    other.m_macroEntry[0][0] = cmd::Digit9;
    const std::string path = write("nine.mcr", writeMacroFile(other));
    keys("RECORD Macro0 1 2");
    EXPECT_TRUE(app->macroCommands().importMacros(path));
    EXPECT_FALSE(player().recording());
    keys("3");
    EXPECT_EQ(macro(0), (std::vector<int>{cmd::Digit9}));
    EXPECT_EQ(profile.getInt("Macros/Macro0", "Line0", -1), cmd::Digit9);
    // Export writes what import reads.
    const std::string out = (dir / "out.mcr").string();
    EXPECT_TRUE(app->macroCommands().exportMacros(out));
    std::ifstream in(out, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, writeMacroFile(app->macroStore()));
    EXPECT_FALSE(app->macroCommands().exportMacros((dir / "no" / "such.mcr").string()));
    EXPECT_NE(answers.shown.back().find("Failed to write macro file."), std::string::npos);
}

}  // namespace
}  // namespace vor

namespace vor {
namespace {

// --macros is parsed by scripts: its quoting must be exact.
TEST_F(MacroFiles, BatchListsTheMacrosWithTheirTextsQuoted) {
    MemoryProfile user;
    user.writeInt("Macros/Macro2", "Size", 3);
    user.writeInt("Macros/Macro2", "Line0", cmd::SelectPrevious);
    user.writeInt("Macros/Macro2", "Line1", 5000);
    user.writeInt("Macros/Macro2", "Line2", cmd::Macro1);
    user.writeString("Macros/Macro2", "Prompt", "say \"hi\" \\ now\ttab \xC2\x85 caf\xC3\xA9");
    user.writeString("Macros/Macro2", "Default", "7,5");
    std::ostringstream out, err;
    EXPECT_EQ(runBatch({"--keys", "RECORD Macro0 1 QR Macro0", "--macros"}, &user, out, err), 0);
    EXPECT_EQ(out.str(),
              "Macro0 prompt=\"Enter a value in the edit control below:\" default=\"\" keys=1 QR\n"
              "Macro1 prompt=\"Enter a value in the edit control below:\" default=\"\" keys=\n"
              "Macro2 prompt=\"say \\\"hi\\\" \\\\ now\\x09tab \\x85 caf\xC3\xA9\" default=\"7,5\" "
              "keys=UP UNKNOWN:5000 Macro1\n"
              "Macro3 prompt=\"Enter a value in the edit control below:\" default=\"\" keys=\n");
    // The run kept its macros to itself.
    EXPECT_FALSE(user.has("Macros/Macro0", "Size"));

    std::ostringstream out2, err2;
    const std::string bad = write("bad.mcr", "VOR_MACROFILE");
    EXPECT_EQ(runBatch({"--import-macros", bad, "--keys", "1 +"}, &user, out2, err2), 1);
    EXPECT_EQ(err2.str(), "VOR: Invalid or corrupt macro file!\n");
    EXPECT_EQ(out2.str(), "                 1.00  +   \n");
}

}  // namespace
}  // namespace vor
