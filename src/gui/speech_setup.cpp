#include "gui/speech_setup.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#ifdef VORLEX_HAVE_SPEECH
#include <QTextToSpeech>
#endif

#include "core/command_ids.h"
#include "gui/frame_menus.h"
#include "gui/main_frame.h"
#include "gui/speech_qt_synth.h"
#include "shell/app.h"
#include "shell/speech_commands.h"
#include "shell/view.h"
#include "speech/queued_engine.h"

namespace vor {
namespace {

// Menus and toolbar follow the commands' new states.
[[maybe_unused]] void refreshCommands(QWidget* window) {
    if (auto* frame = qobject_cast<CMainFrame*>(window)) frame->menus().refresh();
}

// On a system without any engine the first opening of the Speech menu
// explains its greyed commands (after the menu has closed again: a box
// cannot sit on an open menu).
void watchSpeechMenu(CVORApp& app, QWidget* window) {
    auto* frame = qobject_cast<CMainFrame*>(window);
    if (frame == nullptr) return;
    QAction* readTape = frame->menus().action(cmd::ReadTape);
    if (readTape == nullptr) return;
    for (QObject* owner : readTape->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(owner);
        if (menu == nullptr || menu == frame->menus().contextMenu()) continue;
        QObject::connect(
            menu, &QMenu::aboutToShow, window,
            [&app, menu] {
                QTimer::singleShot(0, menu, [&app, menu] {
                    menu->hide();
                    app.speech().speechMenuOpened();
                });
            },
            Qt::SingleShotConnection);
    }
}

// Runs `then` once the window's first paint pass is over: the engine's
// start (libraries, plugins, a thread) must not be paid for before the
// window is seen.
class AfterFirstPaint : public QObject {
   public:
    AfterFirstPaint(QWidget* window, std::function<void()> then)
        : QObject(window), m_then(std::move(then)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

   private:
    std::function<void()> m_then;
    bool m_seen = false;
};

}  // namespace

void startSpeech(CVORApp& app, QWidget* window) {
    // The offscreen platform has no one at a screen to listen (tests,
    // pictures of the window): no engine is started there, so no speech
    // daemon is spawned behind a test.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
#ifndef VORLEX_HAVE_SPEECH
    // Built without Qt TextToSpeech: there is no engine to start.
    app.speech().setNoEngineInstalled();
    QTimer::singleShot(0, window, [&app, window] { watchSpeechMenu(app, window); });
#else
    if (QTextToSpeech::availableEngines().isEmpty()) {
        app.speech().setNoEngineInstalled();
        QTimer::singleShot(0, window, [&app, window] { watchSpeechMenu(app, window); });
        return;
    }
    // The engine (a speech daemon and its voices: some 20 MiB) starts when
    // speech is first used; with Immediate Read Mode on, every keyed line
    // needs it, so it comes up behind the window at once.
    auto start = [&app, window](std::function<void()> ready) {
        auto synth = std::make_unique<QtSynthesizer>();
        QtSynthesizer* raw = synth.get();
        app.speech().setEngine(std::make_unique<CSpeechEngine>(std::move(synth)));
        const std::string language = QLocale::system().name().toStdString();
        raw->prepare(language, [&app, window, language, ready](bool anyEngine) {
            if (!anyEngine) {
                app.speech().setNoEngineInstalled();
                watchSpeechMenu(app, window);
            } else {
                app.speech().setAvailable(succeeded(app.speech().engine().initDefault(language)));
            }
            refreshCommands(window);
            ready();
        });
    };
    if (app.view().settings().readImmediate) {
        // After the first paint: the window must not wait for the engine.
        new AfterFirstPaint(window, [&app, start] {
            app.speech().setEngineStarter(start);
            app.speech().startEngineNow();
        });
        return;
    }
    app.speech().setEngineStarter([start, window](std::function<void()> ready) {
        // A first command waits for the engine's start-up: show it.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QPointer<QWidget> guard(window);
        start([ready, guard] {
            QGuiApplication::restoreOverrideCursor();
            if (guard) ready();
        });
    });
#endif
}

}  // namespace vor
