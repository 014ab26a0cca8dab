// A tape's file changed by another program: Save asks before overwriting
// it, and a session naming it comes back as the file is now. Each window's
// session has a slot of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/app.h"
#include "shell/session.h"
#include "shell/session_slot.h"
#include "shell_fakes.h"

namespace vor {
namespace {

class FileChange : public ::testing::Test {
   protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("vorlex-change-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        app = std::make_unique<CVORApp>(
            AppPorts{form, answers, profile, nullptr, nullptr, nullptr, {}});
        ASSERT_TRUE(app->initInstance());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string file(const std::string& name) const { return (m_dir / name).string(); }
    void key(const char* digits) {
        for (const char* d = digits; *d; ++d) app->runCommand(cmd::kDigitKeys[*d - '0']);
        app->runCommand(cmd::Plus);
    }
    static std::string bytesOf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Another program (here another application object) writes `path`.
    void otherProgramSaves(const std::string& path, std::initializer_list<const char*> numbers) {
        MemoryForm otherForm;
        test::ScriptedMessages otherAnswers;
        CVORApp other(AppPorts{otherForm, otherAnswers, profile, nullptr, nullptr, nullptr, {}});
        ASSERT_TRUE(other.initInstance());
        for (const char* n : numbers) {
            for (const char* d = n; *d; ++d) other.runCommand(cmd::kDigitKeys[*d - '0']);
            other.runCommand(cmd::Plus);
        }
        ASSERT_TRUE(other.saveDocument(path));
    }

    MemoryForm form;
    test::ScriptedMessages answers;
    MemoryProfile profile;
    std::unique_ptr<CVORApp> app;
    std::filesystem::path m_dir;
};

TEST_F(FileChange, SaveOverAFileChangedElsewhereAsksAndNoKeepsBoth) {
    const std::string path = file("receipts.vor");
    key("5");
    ASSERT_TRUE(app->saveDocument(path));
    key("6");
    ASSERT_TRUE(app->saveDocument(path)) << "unchanged on disk: no question";
    EXPECT_TRUE(answers.shown.empty());

    otherProgramSaves(path, {"99999"});
    const std::string theirs = bytesOf(path);
    key("1");
    answers.script = {Answer::No};
    EXPECT_FALSE(app->saveDocument(path));
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0], path +
                                    "\nhas been changed by another program since VOR opened or "
                                    "last saved it.\n\nOverwrite it with this tape?");
    EXPECT_EQ(bytesOf(path), theirs);
    EXPECT_TRUE(app->isModified());

    answers.script = {Answer::Yes};
    ASSERT_TRUE(app->saveDocument(path));
    EXPECT_EQ(answers.shown.size(), 2u) << "asked again: the file is still theirs";
    EXPECT_NE(bytesOf(path), theirs);
    std::filesystem::remove(path);
    key("2");
    EXPECT_TRUE(app->saveDocument(path)) << "a file that went away is simply written";
    EXPECT_EQ(answers.shown.size(), 2u);
}

// The session of a tape saved as receipts.vor, then the file as another
// program left it, then the next start.
TEST_F(FileChange, ASessionNamingAChangedFileShowsTheFileOrAsks) {
    struct Case {
        const char* name;
        bool unsavedWork;
        bool fileChanged;
        Answer answer;  // to the question, when there is one
        std::size_t rows;
        bool modified;
        bool asked;
    };
    const Case cases[] = {
        {"unchanged file, saved tape", false, false, Answer::Yes, 1, false, false},
        {"unchanged file, unsaved work", true, false, Answer::Yes, 2, true, false},
        {"changed file, saved tape: the file as it is now", false, true, Answer::Yes, 3, false,
         false},
        {"changed file, unsaved work kept", true, true, Answer::Yes, 2, true, true},
        {"changed file, unsaved work dropped", true, true, Answer::No, 3, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = file("receipts.vor");
        app->onNewDocument();
        key("5");
        ASSERT_TRUE(app->saveDocument(path));
        if (c.unsavedWork) key("6");
        const std::string session = sessionImage(*app);
        // Three lines, so whose tape came back shows in the count.
        if (c.fileChanged) otherProgramSaves(path, {"7", "8", "9"});
        answers.shown.clear();
        answers.script = {c.answer};
        app->onNewDocument();
        std::string message;
        ASSERT_TRUE(restoreSession(*app, session, message)) << message;
        EXPECT_EQ(form.rows().size(), c.rows);
        EXPECT_EQ(app->pathName(), path);
        EXPECT_EQ(app->isModified(), c.modified);
        EXPECT_EQ(answers.shown.size(), c.asked ? 1u : 0u);
        // Whatever came back, a save now overwrites nothing unseen.
        answers.script = {Answer::No};
        key("1");
        const bool keptOldTape = c.fileChanged && c.unsavedWork && c.answer == Answer::Yes;
        EXPECT_EQ(app->saveDocument(path), !keptOldTape);
        std::filesystem::remove(path);
    }
}

TEST_F(FileChange, EachWindowHoldsItsOwnSessionAndTapesLeftBehindAreTakenFirst) {
    const std::string folder = file("state");
    auto first = std::make_unique<SessionSlot>(folder);
    SessionSlot second(folder);
    ASSERT_TRUE(first->held() && second.held());
    EXPECT_EQ(first->path(), folder + "/session.vor");
    EXPECT_EQ(second.path(), folder + "/session-2.vor");
    std::ofstream(first->path()) << "tape";
    EXPECT_EQ(second.leftBehind(), 0) << "the first window still holds its tape";
    first.reset();  // the window is killed: the system drops its lock
    EXPECT_EQ(second.leftBehind(), 1);
    SessionSlot third(folder);
    EXPECT_EQ(third.path(), folder + "/session.vor") << "the tape left behind is taken back";
    EXPECT_EQ(second.leftBehind(), 0);
}

}  // namespace
}  // namespace vor
