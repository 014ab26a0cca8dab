// The application object: the command table, the start-up order, the
// document lifecycle and the one rule for failed launches.
#include "shell/app.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/keyboard_table.h"
#include "shell/launch.h"
#include "shell_fakes.h"

namespace vor {
namespace {

using test::ScriptedMessages;
using Launcher = test::RecordingLauncher;

struct AppFixture : ::testing::Test {
    MemoryForm form;
    ScriptedMessages answers;
    MemoryProfile profile;
    Launcher launcher;
    std::string appDir = "/nonexistent";
    std::unique_ptr<CVORApp> app;

    void start() {
        app = std::make_unique<CVORApp>(
            AppPorts{form, answers, profile, nullptr, nullptr, &launcher, appDir});
        ASSERT_TRUE(app->initInstance());
    }
    void key(const char* digits) {
        for (const char* d = digits; *d; ++d) app->runCommand(cmd::kDigitKeys[*d - '0']);
        app->runCommand(cmd::Plus);
    }
};

// Every id any part of the program can send: the keypad, the selectors, the
// keyboard table and the menu id ranges.
std::set<int> everyCommandId() {
    std::set<int> ids;
    for (const KeyDesc& k : keypad()) ids.insert(k.id);
    for (const KeyBinding& b : keyboardTable()) ids.insert(b.commandId);
    for (int id = 1000; id <= 1200; ++id) ids.insert(id);
    for (int id = 32768; id <= 32900; ++id) ids.insert(id);
    for (int id = 57600; id <= 57700; ++id) ids.insert(id);
    ids.insert(cmd::ViewStatusBar);
    return ids;
}

TEST_F(AppFixture, ACommandRunsExactlyWhenItReportsItselfEnabled) {
    start();
    for (int id : everyCommandId()) {
        const CommandState s = app->commandState(id);
        EXPECT_EQ(app->runCommand(id), s.enabled) << id;
    }
}

// Batch mode runs its tokens through the table without asking first: a key
// or token command without a row would be skipped without a word.
TEST_F(AppFixture, EveryKeyAndBatchTokenCommandHasARow) {
    start();
    std::vector<int> ids = {
        cmd::RecalculateNow,      cmd::AutoDecimalMode,    cmd::EuropeanMode,
        cmd::DeleteLines,         cmd::UndoLastLine,       cmd::AutoCommentSubtotal,
        cmd::MacroStartRecording, cmd::MacroStopRecording, cmd::MacroClearAll,
        cmd::EditTapeEntry,       cmd::AutoDecimalCheck};
    for (const KeyDesc& k : keypad())
        if (*k.label != '\0') ids.push_back(k.id);
    for (int id = cmd::PrecisionF; id <= cmd::Precision4; ++id) ids.push_back(id);
    for (int id : {cmd::RoundUp, cmd::RoundOff, cmd::RoundDown}) ids.push_back(id);
    for (int id : ids) EXPECT_TRUE(app->commands().has(id)) << id;
}

TEST_F(AppFixture, StartUpShowsAnUntitledTapeAndTheTitleFollowsThePath) {
    start();
    EXPECT_EQ(form.title(), "VOR - VOR");
    EXPECT_EQ(form.mainLedText(), "0.");
    EXPECT_TRUE(form.isChecked(cmd::Precision2));
    app->setPathName("/home/ann/tapes/rent may.vor");
    EXPECT_EQ(form.title(), "rent may.vor - VOR");
    app->runCommand(cmd::FileNew);
    EXPECT_EQ(form.title(), "VOR - VOR");
    EXPECT_TRUE(app->pathName().empty());
}

TEST_F(AppFixture, NewAsksToSaveAModifiedTapeAndCancelKeepsIt) {
    start();
    int saves = 0;
    app->commands().add(cmd::FileSave, [&] {
        ++saves;
        app->doc().m_modified = false;
    });
    key("7");
    answers.script = {Answer::Cancel};
    app->runCommand(cmd::FileNew);
    EXPECT_EQ(answers.shown.back(), "Save changes to VOR?");
    EXPECT_EQ(app->doc().m_lineCount, 1) << "Cancel keeps the tape";
    answers.script = {Answer::No};
    app->runCommand(cmd::FileNew);
    EXPECT_EQ(app->doc().m_lineCount, 0);
    EXPECT_EQ(saves, 0);
    key("9");
    answers.script = {Answer::Yes};
    EXPECT_TRUE(app->canCloseFrame());
    EXPECT_EQ(saves, 1);
}

TEST(LaunchRule, EachCallerReportsFailuresItsOwnWay) {
    struct Row {
        LaunchResult result;
        LaunchCaller caller;
        std::vector<std::string> shown;
    };
    const std::string internal = "Internal error creating process:  Error Number: 2";
    const Row rows[] = {
        {LaunchResult::Opened, LaunchCaller::Menu, {}},
        {LaunchResult::Opened, LaunchCaller::AboutButton, {}},
        {LaunchResult::Refused, LaunchCaller::Menu, {}},
        {LaunchResult::Refused, LaunchCaller::AboutButton, {"Error 1"}},
        {LaunchResult::NotFound, LaunchCaller::Menu, {internal}},
        {LaunchResult::NotFound, LaunchCaller::AboutButton, {internal}},
    };
    for (const Row& row : rows) {
        ScriptedMessages answers;
        Launcher launcher(row.result);
        EXPECT_EQ(launch(launcher, answers, "https://example.org", row.caller),
                  row.result == LaunchResult::Opened);
        EXPECT_EQ(answers.shown, row.shown);
    }
}

// A fake prefix: `bin` is where the executable would be.
class HelpLayout : public AppFixture {
   protected:
    void SetUp() override {
        m_root =
            std::filesystem::temp_directory_path() /
            ("vorlex-help-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root / "bin");
        appDir = (m_root / "bin").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }
    void addPage(const std::filesystem::path& dir, const std::string& name) {
        std::filesystem::create_directories(dir);
        std::ofstream(dir / name) << "<html></html>";
    }
    std::filesystem::path buildHelp() const { return m_root / "bin" / "help"; }
    std::filesystem::path installedHelp() const { return m_root / "share" / "vorlex" / "help"; }

    std::filesystem::path m_root;
};

TEST_F(HelpLayout, PagesAreFoundBesideTheExecutableFirstThenUnderShare) {
    EXPECT_EQ(findHelpPage(appDir, "index.html"), "");
    addPage(installedHelp(), "index.html");
    EXPECT_EQ(findHelpPage(appDir, "index.html"), (installedHelp() / "index.html").string());
    addPage(buildHelp(), "index.html");
    EXPECT_EQ(findHelpPage(appDir, "index.html"), (buildHelp() / "index.html").string());
    EXPECT_EQ(findHelpPage(appDir, "dialogs.html"), "") << "each page is looked up on its own";
    std::filesystem::create_directories(buildHelp() / "dialogs.html");
    EXPECT_EQ(findHelpPage(appDir, "dialogs.html"), "") << "a folder is no page";
}

TEST_F(HelpLayout, HelpCommandsOpenThePageAsAFileUrlWithItsSection) {
    addPage(buildHelp(), "index.html");
    addPage(buildHelp(), "dialogs.html");
    start();
    app->runCommand(cmd::HelpTopics);
    EXPECT_TRUE(app->openHelpPage("dialogs.html#macros"));
    ASSERT_EQ(launcher.opened.size(), 2u);
    EXPECT_EQ(launcher.opened[0], fileUrl((buildHelp() / "index.html").string()));
    EXPECT_EQ(launcher.opened[1], fileUrl((buildHelp() / "dialogs.html").string(), "macros"));
    EXPECT_EQ(fileUrl("/a b/ü.html", "s"), "file:///a%20b/%C3%BC.html#s");
    EXPECT_TRUE(answers.shown.empty());
}

TEST_F(HelpLayout, AMissingPageIsReportedAndNothingIsLaunched) {
    start();
    app->runCommand(cmd::HelpTopics);
    EXPECT_TRUE(launcher.opened.empty());
    EXPECT_EQ(answers.shown,
              std::vector<std::string>{"Internal error creating process:  Error Number: 2"});
}

TEST_F(AppFixture, ContextHelpOpensTheHelpPagesAfterItsMessage) {
    start();
    app->runCommand(cmd::ContextHelp);
    app->runCommand(cmd::Plus);
    EXPECT_EQ(answers.shown.front(), "CVORView::WinHelp() called");
    EXPECT_FALSE(app->view().inContextHelp());
}

TEST_F(HelpLayout, ContextHelpOpensTheSectionOfTheKeyAskedAbout) {
    addPage(buildHelp(), "index.html");
    start();
    for (int id : {cmd::Plus, cmd::Precision3, cmd::DoubleZero}) {
        app->runCommand(cmd::ContextHelp);
        app->runCommand(id);
    }
    const std::string index = (buildHelp() / "index.html").string();
    EXPECT_EQ(launcher.opened,
              (std::vector<std::string>{fileUrl(index, "key-plus"), fileUrl(index, "key-precision"),
                                        fileUrl(index, "key-00")}));
}

TEST(MenuShortcuts, AreTheKeyboardTablesKeys) {
    EXPECT_EQ(shortcutText(cmd::FileNew), "Ctrl+N");
    EXPECT_EQ(shortcutText(cmd::UndoLastLine), "Ctrl+Z") << "Ctrl wins over Alt+Backspace";
    EXPECT_EQ(shortcutText(cmd::CopyText), "Ctrl+W");
    EXPECT_EQ(shortcutText(cmd::EditTapeEntry), "SPACE");
    EXPECT_EQ(shortcutText(cmd::RecalculateNow), "F5");
    EXPECT_EQ(shortcutText(cmd::ReadTape), "F8");
    EXPECT_EQ(shortcutText(cmd::FileSaveAs), "");
}

}  // namespace
}  // namespace vor

namespace vor {
namespace {

// Dialogs that answer every file question with a chosen path.
class PathAnswers : public CancellingDialogs {
   public:
    std::optional<std::string> askPath(const PathRequest& request) override {
        asked.push_back(request);
        return path;
    }
    std::optional<std::string> path;
    std::vector<PathRequest> asked;
};

class DocumentFiles : public ::testing::Test {
   protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("vorlex-docs-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        app = std::make_unique<CVORApp>(
            AppPorts{form, answers, profile, nullptr, &dialogs, nullptr, {}});
        ASSERT_TRUE(app->initInstance());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string file(const std::string& name) const { return (m_dir / name).string(); }
    void key(const char* digits) {
        for (const char* d = digits; *d; ++d) app->runCommand(cmd::kDigitKeys[*d - '0']);
        app->runCommand(cmd::Plus);
    }

    MemoryForm form;
    test::ScriptedMessages answers;
    MemoryProfile profile;
    PathAnswers dialogs;
    std::unique_ptr<CVORApp> app;
    std::filesystem::path m_dir;
};

TEST_F(DocumentFiles, SavedTapeComesBackOnOpenWithItsNameAndUnmodified) {
    key("12");
    key("30");
    dialogs.path = file("rent");
    ASSERT_TRUE(app->runCommand(cmd::FileSave));
    ASSERT_EQ(dialogs.asked.size(), 1u) << "an untitled tape asks where to save";
    EXPECT_TRUE(dialogs.asked[0].save);
    EXPECT_EQ(dialogs.asked[0].filter, "VOR Files (*.vor)");
    EXPECT_EQ(app->pathName(), file("rent.vor")) << "the extension is added";
    EXPECT_EQ(form.title(), "rent.vor - VOR");
    EXPECT_FALSE(app->isModified());

    const std::vector<std::string> rows = form.rows();
    app->runCommand(cmd::FileNew);
    EXPECT_TRUE(form.rows().empty());
    ASSERT_TRUE(app->openDocument(file("rent.vor")));
    EXPECT_EQ(form.rows(), rows);
    EXPECT_EQ(form.title(), "rent.vor - VOR");
    EXPECT_FALSE(app->isModified());
    EXPECT_EQ(app->recentFiles(), std::vector<std::string>{file("rent.vor")});
    EXPECT_TRUE(answers.shown.empty());

    // Read ahead, as the file named on the command line is: the same tape.
    const std::optional<FileStamp> stamp = app->fileStamp();
    app->runCommand(cmd::FileNew);
    ASSERT_TRUE(app->openDocument(file("rent.vor"), readDocumentAhead(file("rent.vor")).get()));
    EXPECT_EQ(form.rows(), rows);
    EXPECT_EQ(form.title(), "rent.vor - VOR");
    EXPECT_FALSE(app->isModified());
    EXPECT_EQ(app->fileStamp(), stamp);
}

TEST_F(DocumentFiles, ARefusedFileLeavesTheTapeItsNameAndItsChanges) {
    dialogs.path = file("kept.vor");
    key("7");
    ASSERT_TRUE(app->runCommand(cmd::FileSave));
    key("8");
    ASSERT_TRUE(app->isModified());
    const std::vector<std::string> rows = form.rows();
    // Version 1.3, then a file that ends in the middle of its fields.
    std::ofstream(file("bad.vor"), std::ios::binary) << "\xCD\xCC\xCC\xCC\xCC\xCC\xF4\x3F abc";
    for (const std::string& bad : {file("bad.vor"), file("missing.vor"), m_dir.string()}) {
        EXPECT_FALSE(readDocumentAhead(bad).get()) << bad;
        answers.script = {Answer::No};
        EXPECT_FALSE(app->openDocument(bad)) << bad;
        EXPECT_EQ(form.rows(), rows) << bad;
        EXPECT_EQ(app->pathName(), file("kept.vor"));
        EXPECT_TRUE(app->isModified());
    }
    EXPECT_EQ(answers.shown[1], "Unexpected file format.");
    EXPECT_EQ(answers.shown[3].rfind("Failed to open document.\n", 0), 0u) << answers.shown[3];
    EXPECT_EQ(app->recentFiles(), std::vector<std::string>{file("kept.vor")});
}

TEST_F(DocumentFiles, OpenAsksAboutUnsavedChangesAndCancelKeepsEverything) {
    dialogs.path = file("a.vor");
    key("1");
    ASSERT_TRUE(app->runCommand(cmd::FileSave));
    app->runCommand(cmd::FileNew);
    key("2");
    answers.script = {Answer::Cancel};
    EXPECT_FALSE(app->openDocument(file("a.vor")));
    EXPECT_EQ(answers.shown.back(), "Save changes to VOR?");
    EXPECT_EQ(form.rows().size(), 1u);
    EXPECT_EQ(form.rows()[0], "                 2.00  +   ");
}

TEST_F(DocumentFiles, AFailedSaveKeepsTheTapeModifiedAndTheOldFile) {
    dialogs.path = file("old.vor");
    key("5");
    ASSERT_TRUE(app->runCommand(cmd::FileSave));
    const std::uintmax_t size = std::filesystem::file_size(file("old.vor"));
    key("6");
    EXPECT_FALSE(app->saveDocument(file("no-such-folder/new.vor")));
    EXPECT_EQ(answers.shown.back().rfind("Failed to save document.\n", 0), 0u);
    EXPECT_TRUE(app->isModified());
    EXPECT_EQ(app->pathName(), file("old.vor"));
    EXPECT_EQ(std::filesystem::file_size(file("old.vor")), size);
}

TEST_F(DocumentFiles, RecentFilesKeepTheLastFourMostRecentFirst) {
    for (const char* name : {"1.vor", "2.vor", "3.vor", "4.vor", "5.vor", "3.vor"}) {
        key("1");
        ASSERT_TRUE(app->saveDocument(file(name)));
    }
    EXPECT_EQ(app->recentFiles(), (std::vector<std::string>{file("3.vor"), file("5.vor"),
                                                            file("4.vor"), file("2.vor")}));
    EXPECT_EQ(profile.getString("Recent File List", "File1", ""), file("3.vor"));
    EXPECT_EQ(app->commandState(cmd::FileMru2).caption, "&2 " + file("5.vor"));
    app->runCommand(cmd::FileNew);
    ASSERT_TRUE(app->runCommand(cmd::FileMru4));
    EXPECT_EQ(app->pathName(), file("2.vor"));
}

}  // namespace
}  // namespace vor
