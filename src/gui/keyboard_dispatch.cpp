#include "gui/keyboard_dispatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

#include "gui/key_event_map.h"
#include "shell/keyboard_table.h"

namespace vor {

KeyboardDispatcher::KeyboardDispatcher(QWidget& window, Hooks hooks)
    : QObject(&window), m_window(window), m_hooks(std::move(hooks)) {
    m_pressTimer.setSingleShot(true);
    m_pressTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pressTimer, &QTimer::timeout, this, &KeyboardDispatcher::pump);
    qApp->installEventFilter(this);
}

KeyboardDispatcher::~KeyboardDispatcher() {
    qApp->removeEventFilter(this);
}

bool KeyboardDispatcher::forThisWindow(QObject* watched) const {
    // Key events reach the filter once for the window system's window and
    // again for each widget they propagate through: take widgets only, and
    // only those of this window. Dialogs, open menus and the menu bar's own
    // keyboard navigation keep their keys.
    if (!watched->isWidgetType()) return false;
    const auto* w = static_cast<const QWidget*>(watched);
    if (w->window() != &m_window || qobject_cast<const QMenuBar*>(w)) return false;
    return QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr;
}

bool KeyboardDispatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    if (!forThisWindow(watched)) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    const Keystroke stroke = keystrokeFromQt(*key);
    int command = 0;
    int mnemonic = 0;
    if (const auto id = matchKeystroke(stroke)) {
        command = *id;
    } else if (const auto help = matchHelpKey(stroke)) {
        command = *help;
    } else if (stroke.modifiers == ModAlt && key->key() >= Qt::Key_0 && key->key() <= Qt::Key_Z) {
        // A key's mnemonic wins over the menu bar's (Alt+S is the ST key,
        // not the Settings menu), as on a dialog; hidden keys have none.
        mnemonic = m_hooks.mnemonicKey(QChar(key->key()));
    }
    if (command == 0 && mnemonic == 0) return false;

    // Accepting the override keeps Qt's shortcuts (menu bar mnemonics, the
    // list's copy key) from taking the keystroke; the key press that
    // follows is the one acted on.
    event->accept();
    if (type == QEvent::KeyPress) {
        if (mnemonic != 0)
            postKeyClick(mnemonic);
        else
            postKeyCommand(command);
    }
    return true;
}

void KeyboardDispatcher::postKeyCommand(int commandId) {
    if (const auto press = resolveKeyboardCommand(commandId, m_hooks.remapKeypad()))
        enqueue({press->pressKeyId, press->handlerId, press->repeat});
    else
        enqueue({0, commandId, 1});
}

void KeyboardDispatcher::postKeyClick(int keyId) {
    enqueue({keyId, keyId, 1});
}

void KeyboardDispatcher::postCommand(int commandId) {
    enqueue({0, commandId, 1});
}

void KeyboardDispatcher::enqueue(Step step) {
    m_queue.push_back(step);
    pump();
}

void KeyboardDispatcher::pump() {
    // A handler may open a message box whose event loop fires the press
    // timer or delivers more keys: those wait until the handler returns.
    if (m_running) return;
    while (!m_queue.empty()) {
        Step& head = m_queue.front();
        if (head.pressKey != 0 && !head.down) {
            head.down = true;
            m_hooks.press(head.pressKey, true);
            m_pressTimer.start(kPressMs);
            return;
        }
        if (m_pressTimer.isActive()) return;
        const Step step = head;
        m_queue.pop_front();
        if (step.pressKey != 0) m_hooks.press(step.pressKey, false);
        m_running = true;
        for (int i = 0; i < step.repeat; ++i) m_hooks.run(step.handler);
        m_running = false;
    }
}

}  // namespace vor
