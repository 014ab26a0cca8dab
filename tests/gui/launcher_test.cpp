#include "gui/launcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <string>
#include <vector>

#include "gui/about_dialog.h"

namespace vor {
namespace {

class FakeLauncher : public LauncherPort {
   public:
    explicit FakeLauncher(bool succeeds) : m_succeeds(succeeds) {}
    bool open(const std::string& target) override {
        opened.push_back(target);
        return m_succeeds;
    }
    std::vector<std::string> opened;

   private:
    bool m_succeeds;
};

class FakeMessages : public MessagePort {
   public:
    Answer show(const std::string& text, Buttons, Icon) override {
        shown.push_back(text);
        return Answer::Ok;
    }
    std::vector<std::string> shown;
};

// PATH pointing at an empty folder, optionally holding an executable
// "xdg-open", so whether a desktop opener exists does not depend on the
// machine running the tests.
class ScopedPath {
   public:
    explicit ScopedPath(bool withOpener) : m_saved(qgetenv("PATH")) {
        if (withOpener) {
            QFile opener(m_dir.filePath("xdg-open"));
            opener.open(QIODevice::WriteOnly);
            opener.write("#!/bin/sh\nexit 0\n");
            opener.close();
            opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_dir.path().toLocal8Bit());
    }
    ~ScopedPath() { qputenv("PATH", m_saved); }

   private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// A fake prefix: `bin` is where the executable would be.
class HelpLayout : public ::testing::Test {
   protected:
    QString appDir() const { return m_root.filePath("bin"); }
    QString buildHelp() const { return m_root.filePath("bin/help"); }
    QString installedHelp() const { return m_root.filePath("share/vorlex/help"); }

    void SetUp() override { ASSERT_TRUE(QDir(m_root.path()).mkpath("bin")); }

    void addPage(const QString& dir, const QString& name) {
        ASSERT_TRUE(QDir().mkpath(dir));
        QFile page(QDir(dir).filePath(name));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html></html>");
    }

    QTemporaryDir m_root;
};

TEST_F(HelpLayout, BuildTreePageIsFoundBesideTheExecutable) {
    addPage(buildHelp(), "index.html");
    EXPECT_EQ(findHelpPage(appDir(), "index.html"), buildHelp() + "/index.html");
}

TEST_F(HelpLayout, InstalledPageIsFoundUnderShare) {
    addPage(installedHelp(), "index.html");
    EXPECT_EQ(findHelpPage(appDir(), "index.html"), installedHelp() + "/index.html");
}

TEST_F(HelpLayout, BuildTreeWinsOverAnInstalledCopy) {
    addPage(installedHelp(), "index.html");
    addPage(buildHelp(), "index.html");
    EXPECT_EQ(findHelpPage(appDir(), "index.html"), buildHelp() + "/index.html");
}

TEST_F(HelpLayout, EachPageIsLookedUpOnItsOwn) {
    addPage(buildHelp(), "index.html");
    addPage(installedHelp(), "dialogs.html");
    EXPECT_EQ(findHelpPage(appDir(), "dialogs.html"), installedHelp() + "/dialogs.html");
}

TEST_F(HelpLayout, MissingPageOrDirectoryInItsPlaceGivesNothing) {
    EXPECT_TRUE(findHelpPage(appDir(), "index.html").isEmpty());
    ASSERT_TRUE(QDir().mkpath(buildHelp() + "/index.html"));
    EXPECT_TRUE(findHelpPage(appDir(), "index.html").isEmpty());
}

TEST_F(HelpLayout, OpeningAPageHandsItsFileUrlAndSectionToTheLauncher) {
    // A folder with a space checks the page survives as a URL.
    const QString dir = m_root.filePath("my apps/bin");
    addPage(dir + "/help", "dialogs.html");
    FakeLauncher launcher(true);
    FakeMessages messages;

    EXPECT_TRUE(openHelpPage("dialogs.html", launcher, messages, dir));
    EXPECT_TRUE(openHelpPage("dialogs.html#macros", launcher, messages, dir));
    ASSERT_EQ(launcher.opened.size(), 2u);
    const QUrl plain(QString::fromStdString(launcher.opened[0]));
    EXPECT_TRUE(plain.isLocalFile());
    EXPECT_EQ(plain.toLocalFile(), dir + "/help/dialogs.html");
    EXPECT_FALSE(plain.hasFragment());
    const QUrl section(QString::fromStdString(launcher.opened[1]));
    EXPECT_EQ(section.toLocalFile(), dir + "/help/dialogs.html");
    EXPECT_EQ(section.fragment(), "macros");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HelpLayout, MissingPageIsReportedAndNothingIsLaunched) {
    FakeLauncher launcher(true);
    FakeMessages messages;

    EXPECT_FALSE(openHelpPage("index.html", launcher, messages, appDir()));
    EXPECT_TRUE(launcher.opened.empty());
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Internal error creating process:  Error Number: 2"});
}

TEST_F(HelpLayout, FailedLaunchIsReportedOnlyWhenNoOpenerExists) {
    addPage(buildHelp(), "index.html");
    {
        ScopedPath path(false);
        FakeLauncher launcher(false);
        FakeMessages messages;
        EXPECT_FALSE(openHelpPage("index.html", launcher, messages, appDir()));
        EXPECT_EQ(messages.shown,
                  std::vector<std::string>{"Internal error creating process:  Error Number: 2"});
    }
    {
        ScopedPath path(true);
        FakeLauncher launcher(false);
        FakeMessages messages;
        EXPECT_FALSE(openHelpPage("index.html", launcher, messages, appDir()));
        EXPECT_TRUE(messages.shown.empty());
    }
}

// The About box's web button: the address goes to the launcher, and each
// kind of failure has its own message.
TEST(AboutWebButton, OpensTheProductAddress) {
    FakeLauncher launcher(true);
    FakeMessages messages;
    AboutDialog about(launcher, messages);
    about.webButton()->click();
    EXPECT_EQ(launcher.opened, std::vector<std::string>{"https://vorlex.quillaby.example"});
    EXPECT_EQ(about.webButton()->text().toStdString(), launcher.opened[0]);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(AboutWebButton, NoOpenerInstalledIsAnInternalError) {
    ScopedPath path(false);
    FakeLauncher launcher(false);
    FakeMessages messages;
    AboutDialog about(launcher, messages);
    about.webButton()->click();
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Internal error creating process:  Error Number: 2"});
}

TEST(AboutWebButton, OpenerThatRefusesGivesPlainError) {
    ScopedPath path(true);
    FakeLauncher launcher(false);
    FakeMessages messages;
    AboutDialog about(launcher, messages);
    about.webButton()->click();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Error 1"});
}

}  // namespace
}  // namespace vor
