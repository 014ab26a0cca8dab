// A bare Qt window of the same shape as Vorlex's main window: menu bar,
// toolbar, status bar, two read-only displays, a keypad of push buttons,
// radio buttons and a list. It does nothing else, so bench/startup.sh can
// tell the cost of Qt and the window system from the cost of Vorlex's own
// start-up.
//
// It obeys the start-up contract documented in bench/startup.sh: with
// VORLEX_EXIT_WHEN_SHOWN=<ms> it prints "shown <elapsed ms>" once its window
// has been painted for the first time, stays idle <ms> milliseconds and quits.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdio>
#include <ctime>

namespace {

QElapsedTimer g_sinceMain;

// Milliseconds since the launcher's timestamp, or since main() without one.
double elapsedMs() {
    bool ok = false;
    const qint64 launchNs = qEnvironmentVariable("VORLEX_LAUNCH_NS").toLongLong(&ok);
    if (!ok) return g_sinceMain.nsecsElapsed() / 1e6;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const qint64 nowNs = qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    return (nowNs - launchNs) / 1e6;
}

// Reports the first paint of any widget, once the whole paint pass (and the
// flush to the window system that ends it) is over.
class FirstPaintProbe : public QObject {
   public:
    explicit FirstPaintProbe(int lingerMs) : m_lingerMs(lingerMs) {}

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("shown %.1f\n", elapsedMs());
                std::fflush(stdout);
                QTimer::singleShot(m_lingerMs, qApp, [] { QCoreApplication::exit(0); });
            });
        }
        return QObject::eventFilter(watched, event);
    }

   private:
    int m_lingerMs;
    bool m_seen = false;
};

void addMenus(QMainWindow& w) {
    const char* const menus[][9] = {
        {"&File", "&New", "&Open...", "&Save", "Save &As...", "&Print...", "Print Pre&view",
         "P&rint Setup...", "E&xit"},
        {"&Edit", "&Undo Last Line", "&Copy (SS Format)", "C&opy (Text)", "&Edit Entry"},
        {"&View", "&Status Bar", "&Recalculate Now", "&Always on Top", "&Middle Keys",
         "S&wap LEDs"},
        {"&Settings", "&Show Clear All Warning", "&Give Pos/Neg Counts", "&Multiple Column",
         "Immediate &Read", "Pr&int Negative in Red", "Auto &Decimal", "&European Mode",
         "ReMap &Keypad"},
        {"&Macros", "&Start Recording", "S&top Recording", "&Clear All", "&Edit Macros", "&Import",
         "E&xport"},
        {"&Links", "Home page", "News"},
        {"S&peech", "&Read Tape", "&Pause", "Resu&me", "St&op", "Read &Clipboard"},
        {"&Help", "&Help Topics", "&About..."},
    };
    for (const auto& menu : menus) {
        const QString title = QString::fromUtf8(menu[0]);
        QMenu* m = w.menuBar()->addMenu(title);
        for (int i = 1; i < 9 && menu[i]; ++i)
            m->addAction(QString::fromUtf8(menu[i]))->setCheckable(title == "&Settings");
    }
}

void addToolBar(QMainWindow& w) {
    QToolBar* bar = w.addToolBar(QStringLiteral("Standard"));
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_FileIcon,
        QStyle::SP_DialogOpenButton,
        QStyle::SP_DialogSaveButton,
        QStyle::SP_TrashIcon,
        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_DialogApplyButton,
        QStyle::SP_FileDialogInfoView,
        QStyle::SP_FileDialogContentsView,
        QStyle::SP_ComputerIcon,
        QStyle::SP_ArrowUp,
        QStyle::SP_ArrowDown,
        QStyle::SP_DialogResetButton,
        QStyle::SP_MediaPlay,
        QStyle::SP_MediaStop,
        QStyle::SP_DialogDiscardButton,
        QStyle::SP_MediaVolume,
        QStyle::SP_MessageBoxInformation,
    };
    int i = 0;
    for (QStyle::StandardPixmap icon : icons) {
        if (i == 3 || i == 8 || i == 10 || i == 15 || i == 16) bar->addSeparator();
        bar->addAction(w.style()->standardIcon(icon), QStringLiteral("Tool %1").arg(++i));
    }
}

QWidget* makeForm() {
    auto* form = new QGroupBox(QStringLiteral("Vorlex v1.31 (Beta)"));
    auto* layout = new QVBoxLayout(form);

    auto* leds = new QGridLayout;
    const char* const ledNames[] = {"Memory LED:", "Main LED:"};
    for (int i = 0; i < 2; ++i) {
        leds->addWidget(new QLabel(QString::fromUtf8(ledNames[i])), 0, i);
        auto* led = new QLineEdit(QStringLiteral("0."));
        led->setReadOnly(true);
        led->setAlignment(Qt::AlignRight);
        leds->addWidget(led, 1, i);
    }
    layout->addLayout(leds);

    auto* keys = new QGridLayout;
    const char* const captions[] = {
        "M0", "M1",  "&V", "&Neg", "^",   "&C", "MUD", "MST", "M-=", "7",   "8", "9",  "-",
        "#",  "M2",  "M3", "&QR",  "&MR", "->", "C&A", "Del", "MT",  "M+=", "4", "5",  "6",
        "+",  "&ST", "=",  "%",    "1",   "2",  "3",   "&T",  "÷",   "X",   "0", "00", ".",
    };
    int n = 0;
    for (const char* caption : captions) {
        auto* key = new QPushButton(QString::fromUtf8(caption));
        key->setFixedSize(34, 24);
        keys->addWidget(key, n / 14, n % 14);
        ++n;
    }
    layout->addLayout(keys);

    auto* selectors = new QHBoxLayout;
    auto* precision = new QGroupBox(QStringLiteral("Decimal Precision"));
    auto* p = new QHBoxLayout(precision);
    p->addWidget(new QCheckBox(QStringLiteral("A")));
    for (const char* label : {"F", "0", "1", "2", "3", "4", "5"})
        p->addWidget(new QRadioButton(QString::fromUtf8(label)));
    auto* rounding = new QGroupBox(QStringLiteral("Rounding"));
    auto* r = new QHBoxLayout(rounding);
    for (const char* label : {"Up", "Off", "Down"})
        r->addWidget(new QRadioButton(QString::fromUtf8(label)));
    selectors->addWidget(precision);
    selectors->addWidget(rounding);
    selectors->addStretch(1);
    layout->addLayout(selectors);

    auto* tape = new QListWidget;
    tape->setFont(QFont(QStringLiteral("Courier New"), 10));
    tape->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(tape, 1);
    return form;
}

}  // namespace

int main(int argc, char** argv) {
    g_sinceMain.start();
    QApplication app(argc, argv);

    const QString exitWhenShown = qEnvironmentVariable("VORLEX_EXIT_WHEN_SHOWN");
    FirstPaintProbe probe(qMax(0, exitWhenShown.toInt()));
    if (!exitWhenShown.isEmpty()) app.installEventFilter(&probe);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Untitled - VOR"));
    addMenus(window);
    addToolBar(window);
    window.setCentralWidget(makeForm());
    window.statusBar()->showMessage(QStringLiteral("For Help, press F1."));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
