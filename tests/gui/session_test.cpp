// The tape survives a restart and a crash; each window keeps its own; a
// session that cannot be written, or is out of date, is said and never
// passed off as the latest tape.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <system_error>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keyboard_dispatch.h"
#include "gui/keypad_form.h"
#include "gui/qt_files.h"
#include "gui/session_keeper.h"
#include "shell/file_stamp.h"

namespace vor::test {
namespace {

TEST_F(FrameTest, ACrashLosesOnlyTheEntryBeingTyped) {
    QTest::keyClicks(frame->form().tapeBox(), "12+30+7");
    ASSERT_TRUE(settle());
    ASSERT_TRUE(QTest::qWaitFor([this] { return QFileInfo::exists(frame->session().path()); }))
        << "the session is written once the keys pause";
    const std::vector<std::string> rows = tapeRows();
    crashAndRestart();
    EXPECT_EQ(tapeRows(), rows);
    EXPECT_EQ(frame->windowTitle().toStdString(), "VOR - VOR");
    EXPECT_TRUE(frame->app().isModified()) << "unsaved before the crash, unsaved after it";
    QTest::keyClicks(frame->form().tapeBox(), "t");
    ASSERT_TRUE(settle());
    EXPECT_EQ(tapeRows().back(), "                42.00  Ttl ;2 Items (2 Pos, 0 Neg)");
}

TEST_F(FrameTest, ALongTapeComesBackScrolledToItsLastLine) {
    QListWidget* tape = frame->form().tapeBox();
    for (int i = 0; i < 40; ++i) QTest::keyClicks(tape, "1+");
    QTest::keyClicks(tape, "t");
    ASSERT_TRUE(settle());
    frame->session().saveNow();
    crashAndRestart();
    tape = frame->form().tapeBox();
    ASSERT_EQ(tape->count(), 41);
    QListWidgetItem* last = tape->item(40);
    EXPECT_TRUE(last->isSelected());
    EXPECT_TRUE(tape->viewport()->rect().contains(tape->visualItemRect(last)))
        << "the total is in view, not one row below it";
}

TEST_F(FrameTest, ASavedTapeComesBackWithItsFileAndNewClearsTheSession) {
    const std::string path = QDir(home()).filePath("may.vor").toStdString();
    QTest::keyClicks(frame->form().tapeBox(), "5+");
    ASSERT_TRUE(settle());
    ASSERT_TRUE(frame->app().saveDocument(path));
    QTest::keyClicks(frame->form().tapeBox(), "6+");
    ASSERT_TRUE(settle());
    frame->session().saveNow();
    crashAndRestart();
    EXPECT_EQ(frame->windowTitle().toStdString(), "may.vor - VOR");
    EXPECT_EQ(frame->app().pathName(), path) << "Save still goes to the original file";
    EXPECT_EQ(tapeRows().size(), 2u);

    messages.answer(Answer::No);  // "Save changes to ...?"
    frame->runCommand(cmd::FileNew);
    ASSERT_TRUE(settle());
    frame->session().saveNow();
    EXPECT_FALSE(QFileInfo::exists(frame->session().path()));
}

TEST_F(FrameTest, ADamagedSessionIsSetAsideAndTheUserToldOnce) {
    frame->session().saveNow();  // the empty tape's removal is done before the file appears
    const QString path = SessionKeeper::defaultPath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile bad(path);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\xCD\xCC\xCC\xCC\xCC\xCC\xF4\x3F garbage");
    bad.close();
    messages.answer(Answer::Ok);
    crashAndRestart();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("set aside"), std::string::npos);
    EXPECT_TRUE(tapeRows().empty());
    EXPECT_FALSE(QFileInfo::exists(path));
    const QStringList aside =
        QDir(QFileInfo(path).absolutePath()).entryList({QStringLiteral("session.vor.*.damaged")});
    EXPECT_EQ(aside.size(), 1);
    crashAndRestart();
    EXPECT_EQ(messages.shown.size(), 1u) << "told once";
}

TEST_F(FrameTest, WithTheSettingOffTheProgramStartsEmpty) {
    QTest::keyClicks(frame->form().tapeBox(), "9+");
    ASSERT_TRUE(settle());
    frame->session().saveNow();
    choose(cmd::KeepTapeBetweenSessions);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !QFileInfo::exists(frame->session().path()); }))
        << "switching off forgets the tape";
    crashAndRestart();
    EXPECT_TRUE(tapeRows().empty());
}

TEST_F(FrameTest, ExitWithASavedTapeClearsTheSessionAndAChangedFileComesBackAsItIsNow) {
    const QString path = QDir(home()).filePath("receipts.vor");
    const QString newer = QDir(home()).filePath("newer.vor");
    ASSERT_TRUE(type("5+6+"));
    ASSERT_TRUE(frame->app().saveDocument(newer.toStdString()));
    frame->runCommand(cmd::FileNew);
    ASSERT_TRUE(type("5+"));
    ASSERT_TRUE(frame->app().saveDocument(path.toStdString()));
    const QString session = frame->session().path();
    choose(cmd::AppExit);  // saved: no question
    frame.reset();
    EXPECT_FALSE(QFileInfo::exists(session)) << "closing a saved tape clears the session";

    // Kept while open; then another program writes the file.
    crashAndRestart();
    ASSERT_TRUE(frame->app().openDocument(path.toStdString()));
    ASSERT_TRUE(settle());
    frame->session().saveNow();
    ASSERT_TRUE(QFile::remove(path) && QFile::copy(newer, path));
    crashAndRestart();
    EXPECT_EQ(tapeRows().size(), 2u) << "the file as it is now";
    EXPECT_EQ(frame->windowTitle().toStdString(), "receipts.vor - VOR");
    EXPECT_FALSE(frame->app().isModified());
    ASSERT_TRUE(type("1+"));
    EXPECT_TRUE(frame->app().onFileSave()) << "nothing unseen is overwritten: no question";
    EXPECT_TRUE(messages.shown.empty());

    // With unsaved work the window asks, on screen, whose tape to show.
    ASSERT_TRUE(type("2+"));
    frame->session().saveNow();
    ASSERT_TRUE(QFile::remove(path) && QFile::copy(newer, path));
    messages.answer(Answer::No);  // open the file as it is now
    crashAndRestart();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("The last session left unsaved changes to", 0), 0u);
    EXPECT_EQ(tapeRows().size(), 2u);
    EXPECT_FALSE(frame->app().isModified());
}

TEST_F(FrameTest, EachWindowKeepsItsOwnTapeAndGetsItBackAfterAKill) {
    const auto openSecond = [this] {
        auto w =
            std::make_unique<CMainFrame>(*m_profile, FrameServices{&messages, &launcher, &dialogs});
        w->keyboard().setPressTime(std::chrono::milliseconds(0));
        EXPECT_TRUE(w->start());
        QCoreApplication::processEvents();
        return w;
    };
    const auto rowsOf = [](CMainFrame& w) {
        QListWidget* tape = w.form().tapeBox();
        return tape->count() == 1 ? tape->item(0)->text().trimmed().toStdString() : "";
    };
    std::unique_ptr<CMainFrame> second = openSecond();
    QTest::keyClicks(frame->form().tapeBox(), "12+");
    QTest::keyClicks(second->form().tapeBox(), "30+");
    ASSERT_TRUE(QTest::qWaitFor([&] { return second->keyboard().idle(); }) && settle());
    frame->session().saveNow();
    second->session().saveNow();
    EXPECT_NE(frame->session().path(), second->session().path());
    second.reset();  // both killed
    crashAndRestart();
    second = openSecond();
    EXPECT_EQ(rowsOf(*frame), "12.00  +");
    EXPECT_EQ(rowsOf(*second), "30.00  +") << "the other tape comes back in the next window";

    const QString secondSession = second->session().path();
    messages.answer(Answer::No);  // "Save changes to VOR?"
    frame->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFileInfo::exists(secondSession)) << "closing one window leaves the other's";
    second.reset();
    crashAndRestart();
    EXPECT_EQ(rowsOf(*frame), "30.00  +");
}

TEST_F(FrameTest, AFileOpenedAtStartAsksAboutTheUnsavedChangesOfTheTapeKept) {
    ASSERT_TRUE(type("12+"));
    frame->session().saveNow();
    frame.reset();
    // As `vorlex FILE` starts: the file is handed over before the event
    // loop has run the restored tape's paint step.
    frame = std::make_unique<CMainFrame>(*m_profile, FrameServices{&messages, &launcher, &dialogs});
    ASSERT_TRUE(frame->start());
    messages.answer(Answer::Cancel);
    frame->session().afterRestore([this] { frame->openDocumentFile(home() + "/other.vor"); });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.shown[0], "Save changes to VOR?");
    EXPECT_EQ(tapeRows().size(), 1u);
}

TEST_F(FrameTest, ASessionThatCannotBeWrittenIsSaidOnce) {
    const QString notAFolder = QDir(home()).filePath("state-file");
    QFile(notAFolder).open(QIODevice::WriteOnly);
    qputenv("XDG_STATE_HOME", QFile::encodeName(notAFolder));
    messages.answer(Answer::Ok);
    crashAndRestart();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }))
        << "said as the window comes up, before anything is typed";
    const std::string& text = messages.shown[0];
    EXPECT_NE(text.find(notAFolder.toStdString() + "/vorlex cannot be written (" +
                        std::system_category().message(ENOTDIR) + ")"),
              std::string::npos)
        << text;
    EXPECT_TRUE(frame->paneText().startsWith("Tape not kept between sessions")) << "status bar";
    ASSERT_TRUE(type("777+888+"));
    frame->session().saveNow();
    EXPECT_EQ(messages.shown.size(), 1u) << "once a run";
}

// Writes that fail as on a full disk: the older session on disk must go.
class FullDisk : public FilePort {
   public:
    bool read(const std::string& path, std::string& bytes, std::string& error,
              std::size_t maxBytes) override {
        return m_real.read(path, bytes, error, maxBytes);
    }
    bool writeAtomic(const std::string&, const std::string&, std::string& error) override {
        error = std::system_category().message(ENOSPC);
        return false;
    }

   private:
    QtFiles m_real;
};

TEST_F(FrameTest, AnOlderSessionNeverComesBackAfterAFailedWrite) {
    ASSERT_TRUE(type("9+"));
    frame->session().saveNow();
    FullDisk full;
    frame->session().useFiles(full);
    messages.answer(Answer::Ok);
    ASSERT_TRUE(type("777+"));
    frame->session().saveNow();
    ASSERT_EQ(messages.shown.size(), 1u);
    crashAndRestart();
    EXPECT_TRUE(tapeRows().empty()) << "not the tape of before the failure";

    // Where the older session cannot be removed either, it is marked out
    // of date; the next start sets it aside and says why.
    ASSERT_TRUE(type("9+"));
    frame->session().saveNow();
    const QString session = frame->session().path();
    QFile kept(session);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const std::string stamp = FileStamp::of(kept.readAll().toStdString()).text();
    kept.close();
    if (::geteuid() != 0) {
        const QString folder = SessionKeeper::folder();
        ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        messages.answer(Answer::Ok);
        QTest::keyClicks(frame->form().tapeBox(), "777+");
        ASSERT_TRUE(settle());
        frame->session().saveNow();
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(m_profile->getString("Session", "Stale session.vor", ""), stamp);
    } else {  // root writes anywhere: the mark as such a run leaves it
        m_profile->writeString("Session", "Stale session.vor", stamp);
    }
    messages.answer(Answer::Ok);
    crashAndRestart();
    EXPECT_TRUE(tapeRows().empty());
    EXPECT_NE(messages.shown.back().find("out of date"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(session));
}

TEST(SettingsFile, ThatCannotBeWrittenIsSaidOnceWithItsNameAndReason) {
    QTemporaryDir dir;
    QFile(dir.filePath("Quillaby")).open(QIODevice::WriteOnly);  // where a folder belongs
    QSettingsProfile profile(dir.filePath("Quillaby/VOR.ini"));
    EXPECT_FALSE(profile.writeInt("Settings", "Precision", 3));
    std::vector<std::string> told;
    profile.setFailureReporter([&](const std::string& text) { told.push_back(text); });
    EXPECT_FALSE(profile.writeInt("Settings", "Precision", 4));
    ASSERT_EQ(told.size(), 1u) << "a failure before the reporter is told as it is set, once";
    EXPECT_EQ(told[0], "Settings cannot be kept: " + profile.fileName().toStdString() +
                           " cannot be written (" + std::system_category().message(ENOTDIR) +
                           "). Changes to the settings last only until VOR is closed.");
    EXPECT_EQ(profile.getInt("Settings", "Precision", 0), 4) << "kept for this run";
}

// Every sync rewrites the whole file: a value already there is not written
// again, and a group of values (the placement at exit) is one rewrite.
TEST(SettingsFile, WritesOnlyWhatChangedAndAGroupOnce) {
    QTemporaryDir dir;
    const QString file = dir.filePath("VOR.ini");
    QSettingsProfile profile(file);
    ASSERT_TRUE(profile.writeInt("Window Placement", "flags", 0));
    const auto inode = [&] {
        struct stat st {};
        ::stat(QFile::encodeName(file).constData(), &st);
        return st.st_ino;
    };
    const auto before = inode();
    EXPECT_TRUE(profile.writeInt("Window Placement", "flags", 0));
    EXPECT_EQ(inode(), before) << "an unchanged value rewrote the file";
    {
        const ProfileWriteGroup group(profile);
        EXPECT_TRUE(profile.writeInt("Window Placement", "flags", 2));
        EXPECT_TRUE(profile.writeString("Window Placement", "showCmd", "3"));
        EXPECT_EQ(inode(), before) << "written before the group ended";
    }
    QSettings ini(file, QSettings::IniFormat);
    EXPECT_EQ(ini.value("Window Placement/flags").toInt(), 2);
    EXPECT_EQ(ini.value("Window Placement/showCmd").toInt(), 3);
}

}  // namespace
}  // namespace vor::test
