#pragma once

#include <QMainWindow>
#include <memory>

#include "core/ports.h"
#include "shell/view.h"

class QLabel;

namespace vor {

class FrameMenus;
class KeyboardDispatcher;
class KeypadForm;
class QtFormPort;
class StatusHints;

// Message boxes and the launcher default to Qt's; tests pass their own.
struct FrameServices {
    MessagePort* messages = nullptr;
    LauncherPort* launcher = nullptr;
};

// The main window: menu bar, toolbar, one-pane status bar and the keypad
// form, with the form view (CVORView) behind it. Every click, menu item and
// keystroke ends up in runCommand() as a command id.
class CMainFrame : public QMainWindow, private FramePort {
    Q_OBJECT
   public:
    explicit CMainFrame(ProfilePort& profile, FrameServices services = {},
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVORView& view() { return *m_view; }
    KeypadForm& form() { return *m_form; }
    FrameMenus& menus() { return *m_menus; }
    KeyboardDispatcher& keyboard() { return *m_keyboard; }
    QString paneText() const;

    // Start-up and File New: a new tape from the profile's defaults, the
    // view's initial update, and the tape rebuild once the event loop runs.
    void newDocument();

    // Runs a command from any source; false when nothing handles it yet.
    bool runCommand(int id);
    CommandState commandState(int id) const;

   public slots:
    // Where a document named on the command line, dropped on the window or
    // handed over by a second instance arrives. Until documents can be read
    // the empty tape stays; the file reader plugs in here.
    void openDocumentFile(const QString& path);

   protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

   private:
    // FramePort: what the settings commands change in the window.
    void applyAlwaysOnTop(bool on) override;
    void applyMiddleKeys(bool shown) override;
    void applyLedArrangement(bool swapped) override;
    void setHintSuppression(bool suppressed) override;
    void showContextHelpCursor(bool on) override;
    void openHelpTopic(unsigned topic, unsigned data) override;

    void initialUpdate();
    void schedulePaint();
    bool runFrameCommand(int id);
    void openLink(const QString& url);

    ProfilePort& m_profile;
    std::unique_ptr<MessagePort> m_ownMessages;
    std::unique_ptr<LauncherPort> m_ownLauncher;
    MessagePort* m_messages;
    LauncherPort* m_launcher;
    KeypadForm* m_form = nullptr;
    QLabel* m_pane = nullptr;
    std::unique_ptr<QtFormPort> m_formPort;
    std::unique_ptr<CVORView> m_view;
    FrameMenus* m_menus = nullptr;
    StatusHints* m_hints = nullptr;
    KeyboardDispatcher* m_keyboard = nullptr;
    QString m_documentTitle;
};

}  // namespace vor
