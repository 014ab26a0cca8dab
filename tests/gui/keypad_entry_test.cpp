// The same keys clicked on the keypad, typed on the keyboard and run in
// batch mode must give the same tape: the three paths share one view.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <sstream>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/key_tokens.h"
#include "frame_fixture.h"
#include "gui/keyboard_dispatch.h"
#include "gui/keypad_form.h"
#include "shell/batch.h"

namespace vor::test {
namespace {

constexpr const char* kLabels = "125.5 + 37.25 + 19.99 - Sub 12 X 3 = 8 + 4 M+= Ttl";

std::vector<std::string> batchRows(ProfilePort& profile, const std::string& keys) {
    std::ostringstream out, err;
    EXPECT_EQ(runBatch({"--keys", keys}, &profile, out, err), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    std::vector<std::string> rows;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    return rows;
}

TEST_F(FrameTest, ClickedTypedAndBatchKeysGiveTheSameTape) {
    const std::vector<std::string> expected = batchRows(*m_profile, kLabels);
    ASSERT_EQ(expected.size(), 10u);

    for (const std::string& token : splitKeyTokens(kLabels).tokens) {
        if (const auto id = keyIdForLabel(token)) {
            click(*id);
            continue;
        }
        for (char c : token) click(*keyIdForLabel(std::string(1, c)));
    }
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows(), expected);

    messages.answer(Answer::No);  // "Save changes to VOR?"
    frame->runCommand(cmd::FileNew);
    ASSERT_TRUE(settle());
    ASSERT_TRUE(tapeRows().empty());

    QTest::keyClicks(frame.get(), "125.5+37.25+19.99-s12x3=8+4");
    QTest::keyClick(frame.get(), Qt::Key_PageDown);  // M+=
    QTest::keyClick(frame.get(), 't');
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows(), expected);
    EXPECT_EQ(messages.shown.size(), 1u) << "only the question before New";
}

TEST_F(FrameTest, TypedKeysRunAtOnceAndShowTheirKeysDownForTheirPressTime) {
    // Each press ends at the next turn of the event loop: no real time
    // passes in the test.
    frame->keyboard().setPressTime(std::chrono::milliseconds(0));
    QPushButton* one = frame->form().key(cmd::Digit1);
    QPushButton* two = frame->form().key(cmd::Digit2);
    QPushButton* plus = frame->form().key(cmd::Plus);

    // Typed faster than any press lasts: every key acts the moment it is
    // typed, and the keys show down together.
    QTest::keyClicks(frame.get(), "12");
    EXPECT_EQ(frame->form().mainLed()->text().trimmed(), QStringLiteral("12."));
    EXPECT_TRUE(one->isDown());
    EXPECT_TRUE(two->isDown());
    QTest::keyClick(frame.get(), '+');
    EXPECT_EQ(tapeRows(), batchRows(*m_profile, "12 +"));
    EXPECT_TRUE(plus->isDown());

    // The presses are timed, not blocking waits: once the event loop has
    // turned, every key is up again.
    ASSERT_TRUE(settle());
    EXPECT_FALSE(one->isDown());
    EXPECT_FALSE(two->isDown());
    EXPECT_FALSE(plus->isDown());
}

}  // namespace
}  // namespace vor::test

namespace vor::test {
namespace {

// A replay draws nothing until it ends; then the window must show exactly
// what the calculator holds: the last row selected, the final LED texts.
TEST_F(FrameTest, RecalculationEndsWithTheLastRowSelectedAndTheLedsShown) {
    QTest::keyClicks(frame.get(), "12x3+5");
    QTest::keyClick(frame.get(), Qt::Key_PageDown);  // M+=
    ASSERT_TRUE(settle());
    frame->form().tapeBox()->setCurrentRow(0);
    frame->runCommand(cmd::RecalculateNow);
    ASSERT_TRUE(settle());
    QListWidget* tape = frame->form().tapeBox();
    ASSERT_EQ(tape->count(), 4);
    EXPECT_EQ(tape->currentRow(), 3);
    ASSERT_EQ(tape->selectedItems().size(), 1);
    EXPECT_EQ(tape->row(tape->selectedItems().front()), 3);
    EXPECT_EQ(frame->form().mainLed()->text().trimmed(), "36.");
    EXPECT_EQ(frame->form().memoryLed()->text().trimmed(), "5.");
    EXPECT_TRUE(frame->form().isEnabled());
}

}  // namespace
}  // namespace vor::test
