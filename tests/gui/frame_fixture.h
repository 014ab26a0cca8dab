#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "gui/main_frame.h"
#include "gui/qsettings_profile.h"
#include "scripted_messages.h"

namespace vor::test {

class RecordingLauncher : public LauncherPort {
   public:
    LaunchResult open(const std::string& target) override {
        opened.push_back(target);
        return LaunchResult::Opened;
    }
    std::vector<std::string> opened;
};

// Dialogs answered by the test: each run is counted and an Edit Tape Box
// Entry or Comment dialog handed to the test's answer, whose OK or Cancel
// the dialog returns; any other dialog, or one without an answer, cancels.
class ScriptedDialogs : public DialogPort {
   public:
    bool run(CEditEntryDlg& dialog) override { return answered(editEntry, dialog); }
    bool run(CCommentDlg& dialog) override { return answered(comment, dialog); }
    bool run(CEditMacrosDlg&) override { return cancelled(); }
    bool run(CEnterValueDlg&) override { return cancelled(); }
    bool run(CReadClipboardDlg&) override { return cancelled(); }
    bool run(CSelectModeDlg&) override { return cancelled(); }
    std::optional<std::string> askPath(const PathRequest&) override { return std::nullopt; }
    int runs = 0;
    std::function<bool(CEditEntryDlg&)> editEntry;
    std::function<bool(CCommentDlg&)> comment;

   private:
    bool cancelled() {
        ++runs;
        return false;
    }
    template <class Dialog>
    bool answered(const std::function<bool(Dialog&)>& answer, Dialog& dialog) {
        ++runs;
        return answer ? answer(dialog) : false;
    }
};

// Each test gets a window on a fresh, empty profile of its own, shown and
// past its first paint, and fails if any real modal dialog opens.
class FrameTest : public ::testing::Test {
   protected:
    void SetUp() override;
    void TearDown() override;

    // A new window on the same profile (the old one is closed first, so
    // its placement is saved).
    void reopen();
    // The window goes away without closing, as in a crash, and the program
    // starts again on the same profile and state folder.
    void crashAndRestart();
    // Lets queued keys and the paint step run; false on timeout.
    bool settle(int timeoutMs = 10000);
    // Types `keys` on the tape box and lets the window settle.
    bool type(const char* keys);

    QString profileFile() const { return m_profile->fileName(); }
    QString home() const { return m_home.path(); }
    std::vector<std::string> tapeRows() const;
    QAction* action(int commandId) const;
    void click(int controlId);
    // Triggers a menu command the way the user does: the menu opens (its
    // checks refresh) and the action fires.
    void choose(int commandId);

    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    RecordingLauncher launcher;
    ScriptedDialogs dialogs;
    std::unique_ptr<QSettingsProfile> m_profile;
    std::unique_ptr<CMainFrame> frame;

   private:
    void openFrame();

    QTemporaryDir m_home;
    QByteArray m_oldHome;
    QByteArray m_oldState;
    QTimer m_watchdog;
};

}  // namespace vor::test
