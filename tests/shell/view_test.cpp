// Settings commands of the view: what each one writes, asks and changes.
#include "shell/view.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/batch.h"
#include "shell/settings_store.h"

namespace vor {
namespace {

class Answers : public MessagePort {
   public:
    Answer show(const std::string& text, Buttons buttons, Icon) override {
        shown.push_back(text);
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (script.empty()) return Answer::Yes;
        const Answer a = script.front();
        script.pop_front();
        return a;
    }
    std::vector<std::string> shown;
    std::deque<Answer> script;
};

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
    Answers answers;
    MemoryProfile profile;
    RecordingFrame frame;
    std::unique_ptr<CVORView> view;

    void open() {
        view = std::make_unique<CVORView>(form, answers, profile);
        view->setFrame(&frame);
        view->newDocument();
        view->initialUpdate();
        view->onPaint();
    }
    void press(const char* keys) {
        // Digits and operation keys through the same command ids the form uses.
        for (const char* k = keys; *k; ++k) {
            if (*k >= '0' && *k <= '9') {
                view->onCommand(cmd::kDigitKeys[*k - '0']);
            } else if (*k == '+') {
                view->onCommand(cmd::Plus);
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

TEST_F(ViewFixture, StoredValuesAreUsedAsRead) {
    profile.writeInt("Settings", "Multi Column Font Point Size", 9);
    profile.writeInt("Settings", "Decimal Precision", 42);
    profile.writeInt("Settings", "Swap LEDs", 5);
    profile.writeString("Settings", "European Mode", "garbage");
    open();
    for (int id = cmd::FontSize4; id <= cmd::FontSize7; ++id)
        EXPECT_FALSE(view->commandState(id).checked);
    EXPECT_TRUE(view->settings().swapLEDs);
    EXPECT_FALSE(view->settings().europeanMode);
    for (int id = cmd::PrecisionF; id <= cmd::Precision4; ++id) EXPECT_FALSE(form.isChecked(id));
    press("5+");  // a damaged precision must not crash the engine
    EXPECT_EQ(answers.shown.back(), "RUNTIME ERROR -- doubleToString Param 2 invalid");
}

TEST_F(ViewFixture, PromptToSaveAsksOnlyWhenUnchecking) {
    open();
    answers.script = {Answer::No};
    view->onCommand(cmd::PromptToSave);
    EXPECT_TRUE(view->settings().promptToSaveOnExit);
    EXPECT_EQ(profile.getInt("Settings", "Prompt To Save On Exit", -1), 1);
    view->onCommand(cmd::PromptToSave);
    EXPECT_FALSE(view->settings().promptToSaveOnExit);
    EXPECT_EQ(profile.getInt("Settings", "Prompt To Save On Exit", -1), 0);
    press("5+");
    EXPECT_FALSE(view->doc().m_modified) << "with the setting off nothing marks the tape modified";
    const auto asked = answers.shown.size();
    view->onCommand(cmd::ShowClearAllWarning);  // on -> asks
    view->onCommand(cmd::ShowClearAllWarning);  // off -> on without a question
    EXPECT_EQ(answers.shown.size(), asked + 1);
    EXPECT_TRUE(view->settings().showClearAllWarning);
}

TEST_F(ViewFixture, LayoutTogglesReachTheFrame) {
    open();
    frame.calls.clear();
    view->onCommand(cmd::MiddleKeys);
    view->onCommand(cmd::SwapLEDs);
    view->onCommand(cmd::AlwaysOnTop);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"hush", "nokeys", "swapped", "top"}));
    EXPECT_EQ(profile.getInt("Settings", "View Middle Keys", -1), 0);
    EXPECT_TRUE(view->commandState(cmd::AlwaysOnTop).checked);
}

TEST_F(ViewFixture, AutoDecimalRefusesOtherPrecisions) {
    open();
    view->onCommand(cmd::AutoDecimalCheck);
    EXPECT_TRUE(view->settings().autoDecimal);
    EXPECT_EQ(form.mainLedText(), "0.00");
    view->onCommand(cmd::PrecisionF);
    EXPECT_TRUE(form.isChecked(cmd::Precision2));
    EXPECT_FALSE(form.isChecked(cmd::PrecisionF));
    EXPECT_FALSE(profile.has("Settings", "Decimal Precision"));
    view->onCommand(cmd::AutoDecimalMode);
    EXPECT_EQ(view->doc().m_precision, 2);
    EXPECT_FALSE(form.isChecked(cmd::AutoDecimalCheck));
}

TEST_F(ViewFixture, RoundingWithEmptyTapeAsksNothing) {
    open();
    view->onCommand(cmd::RoundDown);
    EXPECT_TRUE(answers.shown.empty());
    EXPECT_EQ(profile.getInt("Settings", "Rounding Method", -1), 13);
}

TEST_F(ViewFixture, AutoCommentSubtotalRewritesAndRestoresComments) {
    open();
    press("5+7+");
    answers.script = {Answer::No};
    view->onCommand(cmd::AutoCommentSubtotal);
    EXPECT_FALSE(view->settings().autoCommentSubtotal);
    EXPECT_FALSE(profile.has("Settings", "Auto Comment Subtotal"));
    view->onCommand(cmd::AutoCommentSubtotal);
    EXPECT_EQ(form.rowText(1), "                 7.00  +   ;cur sub: 12.000000");
    view->onCommand(cmd::AutoCommentSubtotal);
    EXPECT_EQ(form.rowText(1), "                 7.00  +   ");
}

TEST_F(ViewFixture, ContextHelpAnswersInsteadOfPressing) {
    open();
    view->onCommand(cmd::ContextHelp);
    view->onCommand(cmd::Digit5);
    EXPECT_EQ(answers.shown, (std::vector<std::string>{"CVORView::WinHelp() called"}));
    EXPECT_EQ(form.mainLedText(), "0.") << "the key was not pressed";
    view->onCommand(cmd::Digit5);
    EXPECT_EQ(form.mainLedText(), "5.") << "help mode ends after one request";

    answers.shown.clear();
    view->onCommand(cmd::ContextHelp);
    view->onCommand(cmd::DoubleZero);
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
