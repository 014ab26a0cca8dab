#pragma once

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace vor {

// The window's accelerator handling. An application event filter sees every
// keystroke meant for the window before any control does; a keystroke that
// the keyboard table matches is consumed and becomes a command id.
//
// Keyboard-only commands press their on-screen key for 100 ms and then run
// its handler. The press is timed by a QTimer, never by blocking, so the
// window keeps painting; keys typed faster than that wait in a FIFO queue
// and each gets its own press, in the order typed. Clicks and menu commands
// go through the same queue so nothing overtakes a key typed before it, but
// they run at once when nothing is waiting.
class KeyboardDispatcher : public QObject {
    Q_OBJECT
   public:
    static constexpr int kPressMs = 100;

    struct Hooks {
        std::function<void(int)> run;           // runs a command id
        std::function<void(int, bool)> press;   // pressed look of an on-screen key
        std::function<bool()> remapKeypad;      // read at every keystroke
        std::function<int(QChar)> mnemonicKey;  // visible key with Alt+letter, or 0
    };

    KeyboardDispatcher(QWidget& window, Hooks hooks);
    ~KeyboardDispatcher() override;

    // A command a keyboard table row sent: resolved to its on-screen key
    // (with the keypad remapping as it stands now) and queued.
    void postKeyCommand(int commandId);
    // A click of an on-screen key through its mnemonic: pressed, then run.
    void postKeyClick(int keyId);
    // A click or menu command: no press, but still in order.
    void postCommand(int commandId);

    // Nothing queued and nothing running.
    bool idle() const { return m_queue.empty() && !m_running; }

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    struct Step {
        int pressKey = 0;  // 0: no press feedback
        int handler = 0;
        int repeat = 1;
        bool down = false;
    };

    bool forThisWindow(QObject* watched) const;
    void enqueue(Step step);
    void pump();

    QWidget& m_window;
    Hooks m_hooks;
    std::deque<Step> m_queue;
    QTimer m_pressTimer;
    bool m_running = false;
};

}  // namespace vor
