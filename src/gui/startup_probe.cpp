#include "gui/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace vor {
namespace {

class FirstPaint : public QObject {
   public:
    FirstPaint(QElapsedTimer sinceMain, int lingerMs)
        : QObject(qApp), m_sinceMain(sinceMain), m_lingerMs(lingerMs) {}

   protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report once the whole pass (and its flush) is done, not at
            // the first widget of it.
            QTimer::singleShot(0, this, [this] {
                // Not printf: the window's locale (de_DE: "46,2") would
                // break the script that reads the figure.
                std::printf("shown %s\n", QByteArray::number(elapsedMs(), 'f', 1).constData());
                std::fflush(stdout);
                QTimer::singleShot(m_lingerMs, qApp, [] { QCoreApplication::exit(0); });
            });
        }
        return false;
    }

   private:
    double elapsedMs() const {
        bool ok = false;
        const qint64 launchNs = qEnvironmentVariable("VORLEX_LAUNCH_NS").toLongLong(&ok);
        if (!ok) return m_sinceMain.nsecsElapsed() / 1e6;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        return (qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec - launchNs) / 1e6;
    }

    QElapsedTimer m_sinceMain;
    int m_lingerMs;
    bool m_seen = false;
};

}  // namespace

void watchFirstPaint(const QElapsedTimer& sinceMain) {
    if (!qEnvironmentVariableIsSet("VORLEX_EXIT_WHEN_SHOWN")) return;
    const int linger = qMax(0, qEnvironmentVariableIntValue("VORLEX_EXIT_WHEN_SHOWN"));
    qApp->installEventFilter(new FirstPaint(sinceMain, linger));
}

}  // namespace vor
