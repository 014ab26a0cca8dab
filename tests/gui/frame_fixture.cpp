#include "frame_fixture.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "gui/frame_menus.h"
#include "gui/keyboard_dispatch.h"
#include "gui/keypad_form.h"

namespace vor::test {

void FrameTest::SetUp() {
    ASSERT_TRUE(m_home.isValid());
    m_oldHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
    // The kept session lives beside the profile, never in the user's.
    m_oldState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", m_home.path().toLocal8Bit());
    m_profile = std::make_unique<QSettingsProfile>();
    ASSERT_TRUE(m_profile->fileName().startsWith(m_home.path()));

    // A real dialog would block the test until someone clicks it: report
    // it and close it so the test can end.
    m_watchdog.setInterval(50);
    QObject::connect(&m_watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    m_watchdog.start();
    openFrame();
}

void FrameTest::TearDown() {
    // A test's tape is not worth the question about saving it.
    if (frame) frame->app().doc().m_modified = false;
    if (frame) frame->close();
    frame.reset();
    m_watchdog.stop();
    qputenv("XDG_CONFIG_HOME", m_oldHome);
    qputenv("XDG_STATE_HOME", m_oldState);
}

void FrameTest::openFrame() {
    frame = std::make_unique<CMainFrame>(*m_profile, FrameServices{&messages, &launcher, &dialogs});
    // The 100 ms a key shows pressed is for the eye; tests need not wait it out.
    frame->keyboard().setPressTime(std::chrono::milliseconds(0));
    ASSERT_TRUE(frame->start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    // Shortcuts (the menu bar's mnemonics) only fire in the active window.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    ASSERT_TRUE(settle());
}

void FrameTest::reopen() {
    frame->app().doc().m_modified = false;
    frame->close();
    frame.reset();
    openFrame();
}

void FrameTest::crashAndRestart() {
    frame.reset();
    openFrame();
}

bool FrameTest::settle(int timeoutMs) {
    QCoreApplication::processEvents();  // the queued paint step
    return QTest::qWaitFor([this] { return frame->keyboard().idle(); }, timeoutMs);
}

std::vector<std::string> FrameTest::tapeRows() const {
    std::vector<std::string> rows;
    QListWidget* tape = frame->form().tapeBox();
    for (int i = 0; i < tape->count(); ++i) rows.push_back(tape->item(i)->text().toStdString());
    return rows;
}

QAction* FrameTest::action(int commandId) const {
    return frame->menus().action(commandId);
}

void FrameTest::click(int controlId) {
    QWidget* w = frame->form().control(controlId);
    ASSERT_NE(w, nullptr) << controlId;
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void FrameTest::choose(int commandId) {
    QAction* a = action(commandId);
    ASSERT_NE(a, nullptr) << commandId;
    for (QObject* o : a->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) emit menu->aboutToShow();
    ASSERT_TRUE(a->isEnabled()) << commandId;
    a->trigger();
    settle();
}

bool FrameTest::type(const char* keys) {
    QTest::keyClicks(frame->form().tapeBox(), keys);
    return settle();
}

}  // namespace vor::test
