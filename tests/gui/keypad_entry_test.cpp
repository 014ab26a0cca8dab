// The same keys clicked on the keypad, typed on the keyboard and run in
// batch mode must give the same tape: the three paths share one view.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <sstream>

#include "core/command_ids.h"
#include "core/key_table.h"
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

    std::istringstream tokens(kLabels);
    for (std::string token; tokens >> token;) {
        if (const auto id = keyIdForLabel(token)) {
            click(*id);
            continue;
        }
        for (char c : token) click(*keyIdForLabel(std::string(1, c)));
    }
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows(), expected);

    frame->runCommand(cmd::FileNew);
    ASSERT_TRUE(settle());
    ASSERT_TRUE(tapeRows().empty());

    QTest::keyClicks(frame.get(), "125.5+37.25+19.99-s12x3=8+4");
    QTest::keyClick(frame.get(), Qt::Key_PageDown);  // M+=
    QTest::keyClick(frame.get(), 't');
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows(), expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrameTest, TypedKeysPressTheirKeysOneAtATimeInOrder) {
    QPushButton* one = frame->form().key(cmd::Digit1);
    QPushButton* two = frame->form().key(cmd::Digit2);
    const QString ledBefore = frame->form().mainLed()->text();

    QTest::keyClicks(frame.get(), "12+");
    // The first key shows pressed at once; its digit is entered only when
    // the press ends, and the later keys wait their turn.
    EXPECT_TRUE(one->isDown());
    EXPECT_FALSE(two->isDown());
    EXPECT_EQ(frame->form().mainLed()->text(), ledBefore);

    // The press is timed, not a blocking wait: the event loop runs and the
    // next key goes down after the first came up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return two->isDown(); }, 1000));
    EXPECT_FALSE(one->isDown());
    EXPECT_EQ(frame->form().mainLed()->text().trimmed(), QStringLiteral("1."));

    ASSERT_TRUE(settle());
    EXPECT_FALSE(frame->form().key(cmd::Plus)->isDown());
    EXPECT_EQ(tapeRows(), batchRows(*m_profile, "12 +"));
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
