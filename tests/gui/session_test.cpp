// The tape survives a restart and a crash.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"
#include "gui/session_keeper.h"

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
    const QString path = SessionKeeper::defaultPath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile bad(path);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\xCD\xCC\xCC\xCC\xCC\xCC\xF4\x3F garbage");
    bad.close();
    messages.answer(Answer::Ok);
    crashAndRestart();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("set aside"), std::string::npos);
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

}  // namespace
}  // namespace vor::test
