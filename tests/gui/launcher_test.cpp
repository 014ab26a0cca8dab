// The About box's web button goes through the launcher and names every
// failure.
#include <gtest/gtest.h>

#include <QPushButton>
#include <string>
#include <vector>

#include "gui/about_dialog.h"

namespace vor {
namespace {

class FakeLauncher : public LauncherPort {
   public:
    explicit FakeLauncher(LaunchResult result) : m_result(result) {}
    LaunchResult open(const std::string& target) override {
        opened.push_back(target);
        return m_result;
    }
    std::vector<std::string> opened;

   private:
    LaunchResult m_result;
};

class FakeMessages : public MessagePort {
   public:
    Answer show(const std::string& text, Buttons, Icon) override {
        shown.push_back(text);
        return Answer::Ok;
    }
    std::vector<std::string> shown;
};

TEST(AboutWebButton, OpensTheProductAddress) {
    FakeLauncher launcher(LaunchResult::Opened);
    FakeMessages messages;
    AboutDialog about(launcher, messages);
    about.webButton()->click();
    EXPECT_EQ(launcher.opened, std::vector<std::string>{"https://vorlex.quillaby.example"});
    EXPECT_EQ(about.webButton()->text().toStdString(), launcher.opened[0]);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(AboutWebButton, EachFailureHasItsMessage) {
    for (const auto& [result, text] :
         {std::pair{LaunchResult::NotFound, "Internal error creating process:  Error Number: 2"},
          std::pair{LaunchResult::Refused, "Error 1"}}) {
        FakeLauncher launcher(result);
        FakeMessages messages;
        AboutDialog about(launcher, messages);
        about.webButton()->click();
        EXPECT_EQ(messages.shown, std::vector<std::string>{text});
    }
}

}  // namespace
}  // namespace vor
