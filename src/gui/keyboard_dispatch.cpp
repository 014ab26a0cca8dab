#include "gui/keyboard_dispatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "gui/key_event_map.h"
#include "shell/keyboard_table.h"

namespace vor {

KeyboardDispatcher::KeyboardDispatcher(QWidget& window, Hooks hooks,
                                       std::chrono::milliseconds pressTime)
    : QObject(&window), m_window(window), m_hooks(std::move(hooks)) {
    setPressTime(pressTime);
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
    // A field the user types into (the find bar's) keeps its keys: a digit
    // typed there is part of what to find, not a key of the calculator.
    if (const auto* field = qobject_cast<const QLineEdit*>(w); field && !field->isReadOnly())
        return false;
    return QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr;
}

void KeyboardDispatcher::setPressTime(std::chrono::milliseconds pressTime) {
    m_pressTime = std::max(pressTime, std::chrono::milliseconds(0));
}

bool KeyboardDispatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Hide && qobject_cast<QMenu*>(watched) != nullptr) {
        // Checked once the event loop turns again: by then a menu the user
        // moved on to with the arrow keys is open.
        QMetaObject::invokeMethod(this, &KeyboardDispatcher::returnFocusFromMenuBar,
                                  Qt::QueuedConnection);
        return false;
    }
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
    // A handler may open a message box whose event loop delivers more keys
    // or clicks: handlers never run inside one another, so those wait until
    // this one returns and then run in the order they came.
    if (m_running) return;
    while (!m_queue.empty()) {
        const Step step = m_queue.front();
        m_queue.pop_front();
        if (step.pressKey != 0) showPressed(step.pressKey);
        m_running = true;
        for (int i = 0; i < step.repeat; ++i) m_hooks.run(step.handler);
        m_running = false;
    }
}

void KeyboardDispatcher::showPressed(int key) {
    QTimer*& release = m_releaseTimers[key];
    if (release == nullptr) {
        release = new QTimer(this);
        release->setSingleShot(true);
        release->setTimerType(Qt::PreciseTimer);
        connect(release, &QTimer::timeout, this, [this, key] { m_hooks.press(key, false); });
    }
    m_hooks.press(key, true);
    // Typed again while still down: it stays down for a whole press more
    // instead of flickering up in between.
    release->start(m_pressTime);
}

void KeyboardDispatcher::releaseKeys() {
    for (auto it = m_releaseTimers.cbegin(); it != m_releaseTimers.cend(); ++it) {
        if (!it.value()->isActive()) continue;
        it.value()->stop();
        m_hooks.press(it.key(), false);
    }
}

bool KeyboardDispatcher::idle() const {
    if (m_running || !m_queue.empty()) return false;
    return std::none_of(m_releaseTimers.cbegin(), m_releaseTimers.cend(),
                        [](const QTimer* t) { return t->isActive(); });
}

void KeyboardDispatcher::returnFocusFromMenuBar() {
    // Esc in a menu closes it but leaves the menu bar holding the keyboard
    // with nothing to show for it, and the next "s" or Enter would open a
    // menu instead of pressing a key. An adding machine is typed at, so the
    // keyboard goes back to the form (its tape box), and the menu bar drops
    // its highlight as it loses the focus.
    if (QApplication::activePopupWidget() != nullptr) return;
    // The window's own focus child: it is what the window gives the
    // keyboard to when it is next active, whether or not it is active now.
    auto* bar = qobject_cast<QMenuBar*>(m_window.focusWidget());
    if (bar == nullptr || bar->window() != &m_window) return;
    auto* main = qobject_cast<QMainWindow*>(&m_window);
    QWidget* form = main != nullptr ? main->centralWidget() : nullptr;
    if (form != nullptr)
        form->setFocus(Qt::OtherFocusReason);
    else
        bar->clearFocus();
}

}  // namespace vor
