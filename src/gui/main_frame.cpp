#include "gui/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QInputDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <utility>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "gui/about_dialog.h"
#include "gui/find_bar.h"
#include "gui/frame_menus.h"
#include "gui/keyboard_dispatch.h"
#include "gui/keypad_form.h"
#include "gui/launcher.h"
#include "gui/message_box.h"
#include "gui/qt_clipboard.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_files.h"
#include "gui/qt_form.h"
#include "gui/resources.h"
#include "gui/session_keeper.h"
#include "gui/speech_setup.h"
#include "gui/status_hints.h"
#include "gui/tape_printer.h"
#include "gui/translation.h"
#include "gui/window_placement.h"
#include "shell/settings_store.h"
#include "tape/tape_search.h"

namespace vor {
namespace {

constexpr const char* kIdleText = QT_TRANSLATE_NOOP("vorlex", "For Help, press F1");

}  // namespace

CMainFrame::CMainFrame(ProfilePort& profile, FrameServices services, QWidget* parent)
    : QMainWindow(parent), m_profile(profile) {
    if (services.messages == nullptr) m_ownMessages = std::make_unique<QtMessagePort>(this);
    if (services.launcher == nullptr) m_ownLauncher = std::make_unique<QtLauncher>();
    if (services.dialogs == nullptr)
        m_ownDialogs = std::make_unique<QtDialogs>(
            this, services.messages ? *services.messages : *m_ownMessages,
            [this](const std::string& page) { m_app->openHelpPage(page); });
    m_messages = services.messages ? services.messages : m_ownMessages.get();
    m_launcher = services.launcher ? services.launcher : m_ownLauncher.get();
    DialogPort* dialogs = services.dialogs ? services.dialogs : m_ownDialogs.get();

    m_form = new KeypadForm(this);
    setCentralWidget(m_form);
    m_pane = new StatusPane(QString::fromLatin1(kIdleText));
    m_pane->setObjectName(QStringLiteral("statusPane"));
    statusBar()->addWidget(m_pane, 1);

    m_formPort = std::make_unique<QtFormPort>(*m_form);
    m_formPort->setStatusPane(m_pane);
    m_files = std::make_unique<QtFiles>();
    m_clipboard = std::make_unique<QtClipboard>();
    m_app = std::make_unique<CVORApp>(AppPorts{
        *m_formPort, *m_messages, m_profile, this, dialogs, m_launcher,
        QCoreApplication::applicationDirPath().toStdString(), m_files.get(), m_clipboard.get()});
    registerFrameCommands();
    registerPrintCommands(*m_app, this);
    startSpeech(*m_app, this);
    m_session = new SessionKeeper(*m_app, *m_messages, this);

    m_menus = new FrameMenus(
        *this, {[this](int id) { m_keyboard->postCommand(id); },
                [this](int id) { return commandState(id); },
                [this](const QString& url) { m_app->openWebPage(url.toStdString()); }});
    m_hints = new StatusHints(*m_form, [this](const QString& text) { m_pane->setFullText(text); });
    m_keyboard = new KeyboardDispatcher(
        *this, {[this](int id) { runCommand(id); },
                [this](int key, bool down) { m_formPort->setKeyPressed(key, down); },
                [this] { return view().settings().remapKeypad; },
                [this](QChar letter) { return m_form->mnemonicKey(letter); }});
    m_form->setCommandHandler([this](int id) { m_keyboard->postCommand(id); });
    // A double click on a tape line edits it, as Space and the menus do.
    connect(m_form->tapeBox(), &QListWidget::itemDoubleClicked, this,
            [this] { m_keyboard->postCommand(cmd::EditTapeEntry); });
    refreshKeys();

    // What the first frame on screen does not need waits until it is there
    // (or a moment, for a window that is never drawn, such as one started
    // minimized): the program's icon, whose SVG plugin takes a few
    // milliseconds to load and draw, and the session's first image, which
    // a tape just opened or restored does not need before it is seen.
    m_session->hold(true);
    auto shown = [this] {
        if (std::exchange(m_afterFirstPaintDone, true)) return;
        // Every window of the program, the About box included, carries it.
        registerVorlexResources();
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/vorlex.svg")));
        m_session->hold(false);
    };
    connect(m_form, &KeypadForm::firstPainted, this, shown);
    QTimer::singleShot(kFirstPaintWaitMs, this, shown);
    setAcceptDrops(true);
    setWindowTitle(QString::fromLatin1(CVORApp::kAppTitle));
}

CMainFrame::~CMainFrame() {
    // Stop listening for keys before the application they would reach goes
    // away.
    delete m_keyboard;
    m_keyboard = nullptr;
    if (QApplication::overrideCursor() != nullptr && view().inContextHelp())
        QApplication::restoreOverrideCursor();
}

QString CMainFrame::paneText() const {
    return m_pane->fullText();
}

bool CMainFrame::event(QEvent* event) {
    // A menu item's or toolbar button's prompt is cut at a word, like the
    // pane's hints, rather than in the middle of one.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        QStatusBar* bar = statusBar();
        bar->showMessage(elideAtWord(tip, bar->fontMetrics(), m_pane->contentsRect().width()));
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::start(const QString& file, std::future<std::optional<ReadDocument>>* ahead) {
    if (!m_app->initInstance()) return false;
    show();
    // The kept tape comes back into the shown window, as a file opened from
    // the command line does: its rebuild then follows the window's first
    // layout, and the tape box scrolls to its last line with its final size.
    m_session->restore();
    // With nothing to ask first, the file opens at once rather than at the
    // next turn of the event loop: its paint step then joins the window's
    // first layout pass, and the first paint already shows its tape instead
    // of an empty one that is painted again at once.
    if (!file.isEmpty()) {
        if (!m_session->restoring() && !m_app->isModified())
            m_app->openDocument(file.toStdString(),
                                ahead != nullptr && ahead->valid() ? ahead->get() : std::nullopt);
        else
            m_session->afterRestore([this, file] { openDocumentFile(file); });
    }
    return true;
}

void CMainFrame::registerFrameCommands() {
    CommandRegistry& commands = m_app->commands();
    commands.addToggle(
        cmd::ViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
        [this] { return !statusBar()->isHidden(); });
    commands.add(cmd::FindInTape, [this] { findBar()->open(); });
    commands.add(cmd::FindNext, [this] { findInTape(true); });
    commands.add(cmd::FindPrevious, [this] { findInTape(false); });
    commands.add(cmd::TaxRate, [this] { askTaxRate(); });
    commands.add(cmd::FileSend, [this] { sendByMail(); });
    commands.add(cmd::AppAbout, [this] {
        AboutDialog about(*m_launcher, *m_messages, this);
        about.exec();
    });
}

FindBar* CMainFrame::findBar() {
    // Made when first asked for: a start-up that never finds anything does
    // not pay for it.
    if (m_find != nullptr) return m_find;
    m_find = new FindBar(this);
    addToolBar(Qt::BottomToolBarArea, m_find);
    connect(m_find, &FindBar::findRequested, this, [this](bool forward) {
        m_keyboard->postCommand(forward ? cmd::FindNext : cmd::FindPrevious);
    });
    connect(m_find, &FindBar::closeRequested, this, [this] {
        m_find->hide();
        m_form->tapeBox()->setFocus();
    });
    return m_find;
}

void CMainFrame::askTaxRate() {
    CSettings& settings = view().settings();
    QString text = QString::fromStdString(taxRateText(settings.taxRate));
    for (;;) {
        bool ok = false;
        text = QInputDialog::getText(this, Tr::tr("Tax Rate"),
                                     Tr::tr("Tax rate in percent, used by TAX+ and TAX-:"),
                                     QLineEdit::Normal, text, &ok);
        if (!ok) return;
        if (const auto rate = readTaxRate(text.toStdString(), settings.europeanMode)) {
            settings.taxRate = *rate;
            m_app->profile().writeString(kSettingsSection, kTaxRateName, taxRateText(*rate));
            return;
        }
        m_messages->show(Tr::tr("This is no tax rate: enter a percentage from 0 to 100, such "
                                "as 8.25.")
                             .toStdString(),
                         Buttons::Ok, Icon::Exclamation);
    }
}

void CMainFrame::findInTape(bool forward) {
    // F3 before anything was asked for opens the bar to ask.
    if (m_find == nullptr || m_find->isHidden() || m_find->query().trimmed().isEmpty()) {
        findBar()->open();
        return;
    }
    const CVORDoc& doc = view().doc();
    const int from = m_formPort->selectedRow();
    const int found =
        findLine(doc, m_find->query().toStdString(), from, forward, view().settings().europeanMode);
    if (found < 0) {
        m_find->setOutcome(Tr::tr("No line matches."));
        return;
    }
    m_formPort->selectRow(found);
    const bool wrapped = from >= 0 && (forward ? found <= from : found >= from);
    if (!wrapped)
        m_find->setOutcome(Tr::tr("Line %1 of %2").arg(found + 1).arg(doc.m_lineCount));
    else if (forward)
        m_find->setOutcome(
            Tr::tr("Line %1 of %2, went on from the top").arg(found + 1).arg(doc.m_lineCount));
    else
        m_find->setOutcome(
            Tr::tr("Line %1 of %2, went on from the bottom").arg(found + 1).arg(doc.m_lineCount));
}

void CMainFrame::sendByMail() {
    // The desktop's mail handler is reached through xdg-email; looked up
    // each time, so installing it while the window is open is enough.
    const QString mailer = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (mailer.isEmpty()) {
        m_messages->show(kNoMailerText, Buttons::Ok, Icon::Information);
        return;
    }
    // The mail carries the saved file: a tape with unsaved changes is saved
    // first.
    if ((m_app->pathName().empty() || m_app->isModified()) && !m_app->onFileSave()) return;
    if (!QProcess::startDetached(
            mailer, {QStringLiteral("--attach"), QString::fromStdString(m_app->pathName())}))
        m_messages->show(mailer.toStdString() + " could not be started.", Buttons::Ok,
                         Icon::Exclamation);
}

void CMainFrame::openDocumentFile(const QString& path) {
    // Bring the window forward for a file handed over from elsewhere, so
    // the question about unsaved changes is seen where it is asked.
    if (isVisible()) {
        raise();
        activateWindow();
    }
    m_app->openDocument(path.toStdString());
}

void CMainFrame::restorePlacement() {
    // The stay-on-top flag first: changing a window flag re-creates the
    // native window, which would not keep the position just set. It applies
    // whether or not a placement was saved.
    applyAlwaysOnTop(view().settings().alwaysOnTop);
    if (const auto placement = readWindowPlacement(m_profile)) applyPlacement(*this, *placement);
}

bool CMainFrame::captureLayout() {
    return m_form->captureTapeReference();
}

void CMainFrame::schedulePaint(const std::function<void()>& paint) {
    // The view's paint step (radio buttons, middle-keys layout, and the
    // rebuild of a new or loaded tape, which refills the tape box) changes
    // widgets. Qt forbids that inside paintEvent, so it runs as a queued
    // call instead: after show or New, at the first turn of the event loop,
    // before the window is first drawn with the new tape.
    QMetaObject::invokeMethod(this, paint, Qt::QueuedConnection);
}

void CMainFrame::refreshCommands() {
    // Every command and every rebuilt tape passes here: the session follows.
    if (m_session != nullptr) m_session->changed();
    if (m_menus != nullptr) m_menus->refresh();
    refreshKeys();
}

void CMainFrame::refreshKeys() {
    // The keypad follows the command table as the menus do: greyed while
    // the key cannot run, and with the caption its state gives ("M0*" for a
    // macro key that holds keys).
    for (const KeyDesc& k : keypad()) {
        QPushButton* button = m_form->key(k.id);
        if (button == nullptr) continue;
        const CommandState s = commandState(k.id);
        button->setEnabled(s.enabled);
        if (!s.caption.empty()) button->setText(QString::fromStdString(s.caption));
    }
    m_form->applyShortcutDescriptions(view().settings().remapKeypad);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_app->canCloseFrame()) {
        event->ignore();
        return;
    }
    m_session->windowClosing();
    // The only time the placement is written: the window as the user left it.
    writeWindowPlacement(m_profile, placementOf(*this));
    event->accept();
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
    // Controls with a menu of their own (the LEDs' copy menu) never get
    // here; everywhere else the window's menu opens at the pointer.
    m_menus->contextMenu()->popup(event->globalPos());
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    // One window, one tape: the first file dropped is the one opened.
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            openDocumentFile(url.toLocalFile());
            return;
        }
}

void CMainFrame::applyAlwaysOnTop(bool on) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    // Changing a window flag hides a shown window; show it again in place.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) show();
}

void CMainFrame::applyMiddleKeys(bool shown) {
    m_form->applyMiddleKeys(shown);
}

void CMainFrame::applyLedArrangement(bool swapped) {
    m_form->applyLedArrangement(swapped);
}

void CMainFrame::setHintSuppression(bool suppressed) {
    m_hints->setSuppressed(suppressed);
}

void CMainFrame::showContextHelpCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
        // Esc leaves the mode, as it does in every other program; installed
        // after the keyboard's filter, this one sees the key first.
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
        if (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && view().inContextHelp()) {
        event->accept();
        if (type == QEvent::KeyPress) view().leaveContextHelpMode();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vor
