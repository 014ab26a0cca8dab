#pragma once

#include <QMainWindow>
#include <future>
#include <memory>
#include <optional>

#include "core/ports.h"
#include "core/tr_noop.h"
#include "shell/app.h"
#include "shell/frame_port.h"

namespace vor {

class FindBar;
class FrameMenus;
class KeyboardDispatcher;
class KeypadForm;
class QtFormPort;
class SessionKeeper;
class StatusHints;
class StatusPane;

// Message boxes, dialogs and the launcher default to Qt's; tests pass their
// own.
struct FrameServices {
    MessagePort* messages = nullptr;
    LauncherPort* launcher = nullptr;
    DialogPort* dialogs = nullptr;
};

// The main window: menu bar, toolbar, one-pane status bar and the keypad
// form, with the application (CVORApp) behind it. Every click, menu item
// and keystroke ends up in the application's runCommand() as a command id.
class CMainFrame : public QMainWindow, private FramePort {
    Q_OBJECT
   public:
    // What File > Send says where no mail program can be reached.
    static constexpr const char* kNoMailerText = VOR_TR_NOOP(
        "vorlex",
        "Send needs xdg-email (the package xdg-utils) to hand the tape to your mail program.");

    explicit CMainFrame(ProfilePort& profile, FrameServices services = {},
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVORApp& app() { return *m_app; }
    CVORView& view() { return m_app->view(); }
    KeypadForm& form() { return *m_form; }
    FrameMenus& menus() { return *m_menus; }
    KeyboardDispatcher& keyboard() { return *m_keyboard; }
    SessionKeeper& session() { return *m_session; }
    QString paneText() const;

    // Start-up: the application's start-up order, the file named on the
    // command line (if any), then the window shows. `ahead` is that file
    // as read while the window was built (readDocumentAhead), if it was.
    bool start(const QString& file = {}, std::future<std::optional<ReadDocument>>* ahead = nullptr);

    // Runs a command from any source; false when it cannot run right now.
    bool runCommand(int id) { return m_app->runCommand(id); }
    CommandState commandState(int id) const { return m_app->commandState(id); }

   public slots:
    // Where a document named on the command line, dropped on the window or
    // handed over by a second instance arrives: the window comes forward and
    // opens it as File Open does.
    void openDocumentFile(const QString& path);

   protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    // FramePort
    void applyAlwaysOnTop(bool on) override;
    void applyMiddleKeys(bool shown) override;
    void applyLedArrangement(bool swapped) override;
    void setHintSuppression(bool suppressed) override;
    void showContextHelpCursor(bool on) override;
    void restorePlacement() override;
    bool captureLayout() override;
    void schedulePaint(const std::function<void()>& paint) override;
    void refreshCommands() override;
    void closeWindow() override { close(); }

    void registerFrameCommands();
    // File > Send: the saved tape attached to a new mail.
    void sendByMail();
    // Find Next / Find Previous: selects the next line the find bar's text
    // matches, going round the tape, and says what it found.
    void findInTape(bool forward);
    FindBar* findBar();
    // Settings > Tax Rate: asks until the answer is a rate or cancelled.
    void askTaxRate();
    void refreshKeys();

    ProfilePort& m_profile;
    std::unique_ptr<MessagePort> m_ownMessages;
    std::unique_ptr<LauncherPort> m_ownLauncher;
    std::unique_ptr<DialogPort> m_ownDialogs;
    std::unique_ptr<FilePort> m_files;
    std::unique_ptr<ClipboardPort> m_clipboard;
    KeypadForm* m_form = nullptr;
    StatusPane* m_pane = nullptr;
    FindBar* m_find = nullptr;
    std::unique_ptr<QtFormPort> m_formPort;
    std::unique_ptr<CVORApp> m_app;
    FrameMenus* m_menus = nullptr;
    StatusHints* m_hints = nullptr;
    SessionKeeper* m_session = nullptr;
    bool m_afterFirstPaintDone = false;
    // How long start-up work waits for a first paint that does not come.
    static constexpr int kFirstPaintWaitMs = 1000;
    KeyboardDispatcher* m_keyboard = nullptr;
    MessagePort* m_messages = nullptr;
    LauncherPort* m_launcher = nullptr;
};

}  // namespace vor
