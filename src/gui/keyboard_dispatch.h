#pragma once

#include <QHash>
#include <QObject>
#include <chrono>
#include <deque>
#include <functional>

class QTimer;
class QWidget;

namespace vor {

// The window's accelerator handling. An application event filter sees every
// keystroke meant for the window before any control does; a keystroke that
// the keyboard table matches is consumed and becomes a command id.
//
// Every command runs the moment it arrives, in the order typed, so a fast
// typist's keys reach the tape as fast as they are typed. The 100 ms press
// of a keyboard-only command is only what the user sees: its on-screen key
// is shown down and released by a timer of its own, never by blocking, so
// several keys can be down at once and a key typed again stays down for
// another full press. Clicks and menu commands take the same queue, which
// only ever holds anything while a handler is running: a handler that opens
// a message box spins an event loop, and whatever arrives meanwhile waits
// until the handler returns, then runs in order.
class KeyboardDispatcher : public QObject {
    Q_OBJECT
   public:
    static constexpr std::chrono::milliseconds kPressTime{100};

    struct Hooks {
        std::function<void(int)> run;           // runs a command id
        std::function<void(int, bool)> press;   // pressed look of an on-screen key
        std::function<bool()> remapKeypad;      // read at every keystroke
        std::function<int(QChar)> mnemonicKey;  // visible key with Alt+letter, or 0
    };

    KeyboardDispatcher(QWidget& window, Hooks hooks,
                       std::chrono::milliseconds pressTime = kPressTime);
    ~KeyboardDispatcher() override;

    // How long later presses show their key down; 0 releases each key at
    // the next turn of the event loop.
    void setPressTime(std::chrono::milliseconds pressTime);

    // A command a keyboard table row sent: resolved to its on-screen key
    // (with the keypad remapping as it stands now), pressed and run.
    void postKeyCommand(int commandId);
    // A click of an on-screen key through its mnemonic: pressed and run.
    void postKeyClick(int keyId);
    // A click or menu command: no press, but still in order.
    void postCommand(int commandId);

    // Ends every press now, as if each key's time were up.
    void releaseKeys();

    // Nothing waiting, nothing running and no key shown down.
    bool idle() const;

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    struct Step {
        int pressKey = 0;  // 0: no press feedback
        int handler = 0;
        int repeat = 1;
    };

    bool forThisWindow(QObject* watched) const;
    void enqueue(Step step);
    void pump();
    void showPressed(int key);
    void returnFocusFromMenuBar();

    QWidget& m_window;
    Hooks m_hooks;
    std::chrono::milliseconds m_pressTime;
    std::deque<Step> m_queue;
    QHash<int, QTimer*> m_releaseTimers;  // per key; active while shown down
    bool m_running = false;
};

}  // namespace vor
