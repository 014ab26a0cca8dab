// The dispatcher on its own, on a bare window: when handlers run and when
// keys show down and come up, with the press time under the test's control.
#include "gui/keyboard_dispatch.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/command_ids.h"

namespace vor {
namespace {

using namespace std::chrono_literals;

// Longer than any test runs: such a press ends only when the test says so.
constexpr std::chrono::milliseconds kForever = 24h;

class DispatcherTest : public ::testing::Test {
   protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        dispatcher = std::make_unique<KeyboardDispatcher>(
            window,
            KeyboardDispatcher::Hooks{[this](int id) {
                                          log.push_back("run " + std::to_string(id));
                                          if (onRun) onRun(id);
                                      },
                                      [this](int key, bool down) {
                                          log.push_back((down ? "down " : "up ") +
                                                        std::to_string(key));
                                          if (down)
                                              shownDown.insert(key);
                                          else
                                              shownDown.erase(key);
                                      },
                                      [] { return false; }, [](QChar) { return 0; }},
            kForever);
    }

    std::string run(int id) const { return "run " + std::to_string(id); }
    std::string down(int id) const { return "down " + std::to_string(id); }

    QWidget window;
    std::unique_ptr<KeyboardDispatcher> dispatcher;
    std::vector<std::string> log;
    std::set<int> shownDown;
    std::function<void(int)> onRun;
};

TEST_F(DispatcherTest, TypedKeysRunAtOnceInOrderWhileTheirKeysStayDown) {
    QTest::keyClicks(&window, "121");
    // The second "1" arrived while its key was still down: it runs again and
    // the key stays down, without coming up in between.
    EXPECT_EQ(log,
              (std::vector<std::string>{down(cmd::Digit1), run(cmd::Digit1), down(cmd::Digit2),
                                        run(cmd::Digit2), down(cmd::Digit1), run(cmd::Digit1)}));
    EXPECT_EQ(shownDown, (std::set<int>{cmd::Digit1, cmd::Digit2}));
    EXPECT_FALSE(dispatcher->idle());

    log.clear();
    dispatcher->releaseKeys();
    EXPECT_TRUE(shownDown.empty());
    EXPECT_EQ(log.size(), 2u);  // each key comes up once
    EXPECT_TRUE(dispatcher->idle());
}

TEST_F(DispatcherTest, EachKeyComesUpWhenItsOwnPressTimeIsOver) {
    QTest::keyClick(&window, '1');
    dispatcher->setPressTime(0ms);
    QTest::keyClick(&window, '2');
    EXPECT_EQ(shownDown, (std::set<int>{cmd::Digit1, cmd::Digit2}));

    // The short press ends at the next turn of the event loop, the long one
    // goes on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shownDown.contains(cmd::Digit2); }));
    EXPECT_EQ(shownDown, std::set<int>{cmd::Digit1});
    EXPECT_FALSE(dispatcher->idle());

    // Typed again, a key takes the press time in force now.
    QTest::keyClick(&window, '1');
    ASSERT_TRUE(QTest::qWaitFor([&] { return dispatcher->idle(); }));
    EXPECT_TRUE(shownDown.empty());
}

TEST_F(DispatcherTest, WhatArrivesWhileAHandlerRunsWaitsForItAndKeepsItsOrder) {
    // The first handler stands for one that shows a message box: while it
    // waits for the answer, the event loop delivers two more keys and a
    // menu command.
    onRun = [&](int id) {
        if (id != cmd::Digit1) return;
        onRun = nullptr;
        QTest::keyClicks(&window, "2+");
        dispatcher->postCommand(cmd::RecalculateNow);
        log.push_back("answered");
    };
    QTest::keyClick(&window, '1');
    EXPECT_EQ(log, (std::vector<std::string>{down(cmd::Digit1), run(cmd::Digit1), "answered",
                                             down(cmd::Digit2), run(cmd::Digit2), down(cmd::Plus),
                                             run(cmd::Plus), run(cmd::RecalculateNow)}));
}

TEST_F(DispatcherTest, ClicksAndMenuCommandsRunAtOnceAndOnlyKeysShowAPress) {
    dispatcher->postCommand(cmd::RecalculateNow);
    dispatcher->postKeyClick(cmd::Clear);
    EXPECT_EQ(log, (std::vector<std::string>{run(cmd::RecalculateNow), down(cmd::Clear),
                                             run(cmd::Clear)}));
}

}  // namespace
}  // namespace vor
