// Settings through the window: what a fresh profile shows, that a menu
// command reaches the INI file at once, that menus show the current state
// however it changed, and the window placement round trip.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/keypad_form.h"

namespace vor::test {
namespace {

int stored(const QString& file, const char* key) {
    QSettings ini(file, QSettings::IniFormat);
    return ini.value(QString::fromLatin1(key), -1).toInt();
}

void openMenusOf(QAction* a) {
    for (QObject* o : a->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) emit menu->aboutToShow();
}

TEST_F(FrameTest, FreshProfileShowsTheDefaultsAndWritesNothing) {
    EXPECT_FALSE(QFile::exists(profileFile()));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("VOR - VOR"));

    struct Expect {
        int id;
        bool checked;
    };
    const Expect expected[] = {
        {cmd::ShowClearAllWarning, true}, {cmd::GiveCounts, true},
        {cmd::PrintNegativeInRed, true},  {cmd::AutoAppendComments, true},
        {cmd::PromptToSave, true},        {cmd::MiddleKeys, true},
        {cmd::FontSize6, true},           {cmd::FontSize4, false},
        {cmd::AlwaysOnTop, false},        {cmd::SwapLEDs, false},
        {cmd::EuropeanMode, false},       {cmd::RemapKeypad, false},
        {cmd::AutoDecimalMode, false},    {cmd::MultipleColumnPrinting, false},
        {cmd::ReceiptPrinterMode, false}, {cmd::AutoCommentSubtotal, false},
    };
    for (const Expect& e : expected) {
        QAction* a = action(e.id);
        ASSERT_NE(a, nullptr) << e.id;
        openMenusOf(a);
        EXPECT_EQ(a->isChecked(), e.checked) << a->text().toStdString();
    }
    KeypadForm& form = frame->form();
    EXPECT_TRUE(form.button(cmd::Precision2)->isChecked());
    EXPECT_TRUE(form.button(cmd::RoundOff)->isChecked());
    EXPECT_FALSE(form.button(cmd::AutoDecimalCheck)->isChecked());
    EXPECT_FALSE(QFile::exists(profileFile()));
}

TEST_F(FrameTest, SettingsChangesReachTheIniFileAtOnceAndComeBack) {
    choose(cmd::EuropeanMode);
    EXPECT_EQ(stored(profileFile(), "Settings/European Mode"), 1);
    EXPECT_TRUE(action(cmd::EuropeanMode)->isChecked());

    choose(cmd::FontSize5);
    EXPECT_EQ(stored(profileFile(), "Settings/Multi Column Font Point Size"), 5);

    // Answering No keeps the setting on (and still writes it).
    messages.answer(Answer::No);
    choose(cmd::PromptToSave);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.buttons[0], Buttons::YesNo);
    EXPECT_EQ(messages.shown[0].rfind("By unchecking this setting, you are telling VOR to not "
                                      "prompt you to save",
                                      0),
              0u);
    EXPECT_TRUE(action(cmd::PromptToSave)->isChecked());
    EXPECT_EQ(stored(profileFile(), "Settings/Prompt To Save On Exit"), 1);
    messages.answer(Answer::Yes);
    choose(cmd::PromptToSave);
    EXPECT_FALSE(action(cmd::PromptToSave)->isChecked());
    EXPECT_EQ(stored(profileFile(), "Settings/Prompt To Save On Exit"), 0);

    // A radio button with an empty tape writes without asking.
    click(cmd::Precision0);
    ASSERT_TRUE(settle());
    EXPECT_EQ(stored(profileFile(), "Settings/Decimal Precision"), 0);

    reopen();
    openMenusOf(action(cmd::EuropeanMode));
    EXPECT_TRUE(action(cmd::EuropeanMode)->isChecked());
    openMenusOf(action(cmd::FontSize5));
    EXPECT_TRUE(action(cmd::FontSize5)->isChecked());
    EXPECT_TRUE(frame->form().button(cmd::Precision0)->isChecked());
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(FrameTest, MenusShowStateChangedElsewhereAndDisableWhatCannotRun) {
    // Ctrl + keypad point toggles Auto Decimal from the keyboard; the menu
    // opened afterwards must show it.
    QTest::keyClick(frame.get(), Qt::Key_Period, Qt::ControlModifier | Qt::KeypadModifier);
    ASSERT_TRUE(settle());
    QAction* autoDecimal = action(cmd::AutoDecimalMode);
    openMenusOf(autoDecimal);
    EXPECT_TRUE(autoDecimal->isChecked());
    EXPECT_TRUE(frame->form().button(cmd::AutoDecimalCheck)->isChecked());
    EXPECT_EQ(stored(profileFile(), "Settings/Auto Decimal"), 1);

    // Whatever cannot run right now (an empty tape has no line to edit or
    // delete) is shown but disabled; the rest is enabled.
    int disabled = 0;
    for (QAction* a : frame->findChildren<QAction*>()) {
        if (!a->data().isValid() || !a->isVisible()) continue;
        openMenusOf(a);
        const bool enabled = frame->commandState(a->data().toInt()).enabled;
        EXPECT_EQ(a->isEnabled(), enabled) << a->text().toStdString();
        disabled += enabled ? 0 : 1;
    }
    EXPECT_GT(disabled, 0);
    EXPECT_FALSE(action(cmd::EditTapeEntry)->isEnabled());
    EXPECT_TRUE(action(cmd::FileNew)->isEnabled());
    EXPECT_TRUE(action(cmd::RecalculateNow)->isEnabled());
    EXPECT_TRUE(action(cmd::FileSend)->isEnabled());
}

// File > Send on a machine with and without xdg-email: the saved tape goes
// to the mail program, or a message says what is missing.
TEST_F(FrameTest, SendAttachesTheSavedTapeOrSaysWhatIsMissing) {
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    messages.answer(Answer::Ok);
    choose(cmd::FileSend);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], CMainFrame::kNoMailerText);

    // A stand-in for xdg-email that writes down its arguments.
    const QString args = bin.filePath(QStringLiteral("args"));
    QFile script(bin.filePath(QStringLiteral("xdg-email")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && /bin/mv \"$0.tmp\" " +
                 args.toLocal8Bit() + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::string tape = home().toStdString() + "/week.vor";
    ASSERT_TRUE(frame->app().saveDocument(tape));
    choose(cmd::FileSend);
    qputenv("PATH", oldPath);
    ASSERT_TRUE(QTest::qWaitFor([&args] { return QFile::exists(args); }, 10000));
    QFile written(args);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), "--attach\n" + tape + "\n");
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FrameTest, WindowPlacementIsSavedOnCloseAndRestoredWithAlwaysOnTop) {
    choose(cmd::AlwaysOnTop);
    // Not applied to this window's placement until the next start.
    frame->setGeometry(QRect(120, 90, 640, 480));
    ASSERT_TRUE(settle());
    reopen();

    EXPECT_EQ(stored(profileFile(), "Window Placement/length"), 44);
    EXPECT_EQ(stored(profileFile(), "Window Placement/showCmd"), 1);
    EXPECT_EQ(stored(profileFile(), "Window Placement/rcNormalPosition.left"), 120);
    EXPECT_EQ(stored(profileFile(), "Window Placement/rcNormalPosition.top"), 90);
    EXPECT_EQ(stored(profileFile(), "Window Placement/rcNormalPosition.right"), 760);
    EXPECT_EQ(stored(profileFile(), "Window Placement/rcNormalPosition.bottom"), 570);
    EXPECT_EQ(frame->geometry(), QRect(120, 90, 640, 480));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace vor::test
