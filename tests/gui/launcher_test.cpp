// The About box's web button goes through the launcher and names every
// failure; a help page's section survives the desktop's opener.
#include "gui/launcher.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "gui/about_dialog.h"
#include "scripted_messages.h"
#include "shell/launch.h"

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

using test::ScriptedMessages;

TEST(AboutWebButton, OpensTheProductAddress) {
    FakeLauncher launcher(LaunchResult::Opened);
    ScriptedMessages messages;
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
        ScriptedMessages messages;
        AboutDialog about(launcher, messages);
        about.webButton()->click();
        EXPECT_EQ(messages.shown, std::vector<std::string>{text});
    }
}

// xdg-open drops "#section" from a file URL on most desktops: a help page
// with a section is opened through a page that leads on to it.
TEST(QtLauncherUrls, ALocalPageWithASectionGoesThroughARedirectPage) {
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    const QUrl section(QStringLiteral("file:///usr/share/vorlex/help/index.html#key-plus"));
    const QUrl opened = QtLauncher::openableUrl(section);
    qputenv("XDG_CACHE_HOME", oldCache);

    ASSERT_TRUE(opened.isLocalFile()) << opened.toString().toStdString();
    EXPECT_FALSE(opened.hasFragment());
    EXPECT_TRUE(opened.toLocalFile().startsWith(cache.path()));
    QFile page(opened.toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll().toStdString(), redirectPage(section.toString().toStdString()));

    for (const char* plain :
         {"file:///usr/share/vorlex/help/index.html", "https://vorlex.quillaby.example/#download"})
        EXPECT_EQ(QtLauncher::openableUrl(QUrl(QString::fromLatin1(plain))),
                  QUrl(QString::fromLatin1(plain)));
}

}  // namespace
}  // namespace vor
