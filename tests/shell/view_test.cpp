// Settings commands of the view: what each one writes, asks and changes.
#include "shell/view.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/app.h"
#include "shell/batch.h"
#include "shell/settings_store.h"
#include "shell_fakes.h"

namespace vor {
namespace {

using test::ScriptedMessages;

class RecordingFrame : public FramePort {
   public:
    void applyAlwaysOnTop(bool on) override { calls.push_back(on ? "top" : "normal"); }
    void applyMiddleKeys(bool shown) override { calls.push_back(shown ? "keys" : "nokeys"); }
    void applyLedArrangement(bool s) override { calls.push_back(s ? "swapped" : "plain"); }
    void setHintSuppression(bool s) override { calls.push_back(s ? "hush" : "hints"); }
    std::vector<std::string> calls;
};

struct ViewFixture : ::testing::Test {
    MemoryForm form;
    ScriptedMessages answers;
    MemoryProfile profile;
    RecordingFrame frame;
    std::unique_ptr<CVORApp> app;
    CVORView* view = nullptr;

    void open() {
        app = std::make_unique<CVORApp>(
            AppPorts{form, answers, profile, &frame, nullptr, nullptr, {}});
        ASSERT_TRUE(app->initInstance());
        view = &app->view();
    }
    bool run(int id) { return app->runCommand(id); }
    void press(const char* keys) {
        // Digits and operation keys through the same command ids the form uses.
        for (const char* k = keys; *k; ++k) {
            if (*k >= '0' && *k <= '9') {
                run(cmd::kDigitKeys[*k - '0']);
            } else if (*k == '+') {
                run(cmd::Plus);
            }
        }
    }
};

TEST_F(ViewFixture, FreshProfileDefaults) {
    open();
    const CSettings& s = view->settings();
    EXPECT_TRUE(s.viewMiddleKeys && s.showClearAllWarning && s.givePosNegCounts &&
                s.printNegativeInRed && s.autoAppend && s.promptToSaveOnExit);
    EXPECT_FALSE(s.alwaysOnTop || s.multipleColumnPrinting || s.readImmediate || s.autoDecimal ||
                 s.europeanMode || s.remapKeypad || s.receiptPrinterMode || s.swapLEDs ||
                 s.autoCommentSubtotal || s.autoCopyTotal);
    EXPECT_EQ(s.multiColumnFontPointSize, 6);
    EXPECT_EQ(view->doc().m_precision, 2);
    EXPECT_EQ(view->doc().m_rounding, 12);
    EXPECT_TRUE(profile.values().empty()) << "start-up writes nothing";
    EXPECT_TRUE(form.isChecked(cmd::Precision2));
    EXPECT_TRUE(form.isChecked(cmd::RoundOff));
}

TEST_F(ViewFixture, StoredValuesOutsideTheirRangeReadAsTheDefault) {
    profile.writeInt("Settings", "Multi Column Font Point Size", 9);
    profile.writeInt("Settings", "Decimal Precision", 42);
    profile.writeInt("Settings", "Rounding Method", -7);
    profile.writeInt("Settings", "Swap LEDs", 5);
    profile.writeString("Settings", "European Mode", "garbage");
    open();
    EXPECT_TRUE(app->commandState(cmd::FontSize6).checked);
    EXPECT_TRUE(view->settings().swapLEDs) << "any non-zero value is on";
    EXPECT_FALSE(view->settings().europeanMode);
    EXPECT_TRUE(form.isChecked(cmd::Precision2));
    EXPECT_TRUE(form.isChecked(cmd::RoundOff));
    press("5+");
    EXPECT_TRUE(answers.shown.empty()) << "a damaged precision formats every figure without a box";
    EXPECT_EQ(form.rowText(0), "                 5.00  +   ");
}

TEST_F(ViewFixture, PromptToSaveAsksOnlyWhenUnchecking) {
    open();
    answers.script = {Answer::No};
    run(cmd::PromptToSave);
    EXPECT_TRUE(view->settings().promptToSaveOnExit);
    EXPECT_EQ(profile.getInt("Settings", "Prompt To Save On Exit", -1), 1);
    run(cmd::PromptToSave);
    EXPECT_FALSE(view->settings().promptToSaveOnExit);
    EXPECT_EQ(profile.getInt("Settings", "Prompt To Save On Exit", -1), 0);
    press("5+");
    EXPECT_FALSE(view->doc().m_modified) << "with the setting off nothing marks the tape modified";
    const auto asked = answers.shown.size();
    run(cmd::ShowClearAllWarning);  // on -> asks
    run(cmd::ShowClearAllWarning);  // off -> on without a question
    EXPECT_EQ(answers.shown.size(), asked + 1);
    EXPECT_TRUE(view->settings().showClearAllWarning);
}

TEST_F(ViewFixture, LayoutTogglesReachTheFrame) {
    open();
    frame.calls.clear();
    run(cmd::MiddleKeys);
    run(cmd::SwapLEDs);
    run(cmd::AlwaysOnTop);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"hush", "nokeys", "swapped", "top"}));
    EXPECT_EQ(profile.getInt("Settings", "View Middle Keys", -1), 0);
    EXPECT_TRUE(app->commandState(cmd::AlwaysOnTop).checked);
}

TEST_F(ViewFixture, AutoDecimalRefusesOtherPrecisions) {
    open();
    run(cmd::AutoDecimalCheck);
    EXPECT_TRUE(view->settings().autoDecimal);
    EXPECT_EQ(form.mainLedText(), "0.00");
    run(cmd::PrecisionF);
    EXPECT_TRUE(form.isChecked(cmd::Precision2));
    EXPECT_FALSE(form.isChecked(cmd::PrecisionF));
    EXPECT_FALSE(profile.has("Settings", "Decimal Precision"));
    run(cmd::AutoDecimalMode);
    EXPECT_EQ(view->doc().m_precision, 2);
    EXPECT_FALSE(form.isChecked(cmd::AutoDecimalCheck));
}

TEST_F(ViewFixture, RoundingWithEmptyTapeAsksNothing) {
    open();
    run(cmd::RoundDown);
    EXPECT_TRUE(answers.shown.empty());
    EXPECT_EQ(profile.getInt("Settings", "Rounding Method", -1), 13);
}

TEST_F(ViewFixture, AutoCommentSubtotalRewritesAndRestoresComments) {
    open();
    press("5+7+");
    answers.script = {Answer::No};
    run(cmd::AutoCommentSubtotal);
    EXPECT_FALSE(view->settings().autoCommentSubtotal);
    EXPECT_FALSE(profile.has("Settings", "Auto Comment Subtotal"));
    run(cmd::AutoCommentSubtotal);
    EXPECT_EQ(form.rowText(1), "                 7.00  +   ;cur sub: 12.000000");
    run(cmd::AutoCommentSubtotal);
    EXPECT_EQ(form.rowText(1), "                 7.00  +   ");
}

TEST_F(ViewFixture, ContextHelpAnswersInsteadOfPressing) {
    open();
    run(cmd::ContextHelp);
    run(cmd::Digit5);
    EXPECT_EQ(answers.shown, (std::vector<std::string>{"CVORView::WinHelp() called"}));
    EXPECT_EQ(form.mainLedText(), "0.") << "the key was not pressed";
    run(cmd::Digit5);
    EXPECT_EQ(form.mainLedText(), "5.") << "help mode ends after one request";

    answers.shown.clear();
    run(cmd::ContextHelp);
    run(cmd::DoubleZero);
    EXPECT_EQ(answers.shown,
              (std::vector<std::string>{"Help Context Mode", "CVORView::WinHelp() called"}));
    EXPECT_EQ(form.mainLedText(), "500.") << "00 still types after its help";
}

TEST(Batch, NeverWritesTheUserProfileAndReportsUsageErrors) {
    MemoryProfile user;
    std::ostringstream out, err;
    EXPECT_EQ(
        runBatch({"--set", "European Mode=1", "--keys", "1.5 + PREC=3 EURO"}, &user, out, err), 0);
    EXPECT_TRUE(user.values().empty());
    EXPECT_EQ(out.str(), "                1.500  +   \n");
    EXPECT_EQ(runBatch({"--keys", "12 bogus"}, &user, out, err), 2);
    EXPECT_NE(err.str().find("unknown key: bogus"), std::string::npos);
}

}  // namespace
}  // namespace vor
