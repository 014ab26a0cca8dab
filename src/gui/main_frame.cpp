#include "gui/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "gui/about_dialog.h"
#include "gui/frame_menus.h"
#include "gui/keyboard_dispatch.h"
#include "gui/keypad_form.h"
#include "gui/launcher.h"
#include "gui/message_box.h"
#include "gui/qt_form.h"
#include "gui/status_hints.h"
#include "gui/window_placement.h"

namespace vor {
namespace {

constexpr const char* kAppTitle = "VOR";
// A new tape's document name, the document type's default.
constexpr const char* kNewDocumentName = "VOR";
constexpr const char* kIdleText = "For Help, press F1";

}  // namespace

CMainFrame::CMainFrame(ProfilePort& profile, FrameServices services, QWidget* parent)
    : QMainWindow(parent),
      m_profile(profile),
      m_documentTitle(QString::fromLatin1(kNewDocumentName)) {
    if (services.messages == nullptr) m_ownMessages = std::make_unique<QtMessagePort>(this);
    if (services.launcher == nullptr) m_ownLauncher = std::make_unique<QtLauncher>();
    m_messages = services.messages ? services.messages : m_ownMessages.get();
    m_launcher = services.launcher ? services.launcher : m_ownLauncher.get();

    m_form = new KeypadForm(this);
    setCentralWidget(m_form);
    m_pane = new QLabel(QString::fromLatin1(kIdleText));
    m_pane->setObjectName(QStringLiteral("statusPane"));
    statusBar()->addWidget(m_pane, 1);

    m_formPort = std::make_unique<QtFormPort>(*m_form);
    m_formPort->setStatusPane(m_pane);
    // The view reads every setting from the profile here.
    m_view = std::make_unique<CVORView>(*m_formPort, *m_messages, m_profile);
    m_view->setFrame(this);

    m_menus = new FrameMenus(*this, {[this](int id) { m_keyboard->postCommand(id); },
                                     [this](int id) { return commandState(id); },
                                     [this](const QString& url) { openLink(url); }});
    m_hints = new StatusHints(*m_form, [this](const QString& text) { m_pane->setText(text); });
    m_keyboard = new KeyboardDispatcher(
        *this, {[this](int id) { runCommand(id); },
                [this](int key, bool down) { m_formPort->setKeyPressed(key, down); },
                [this] { return m_view->settings().remapKeypad; },
                [this](QChar letter) { return m_form->mnemonicKey(letter); }});
    m_form->setCommandHandler([this](int id) { m_keyboard->postCommand(id); });
    // Keys whose feature is not built yet are shown, but greyed out.
    for (const KeyDesc& k : keypad()) {
        QPushButton* button = m_form->key(k.id);
        if (button != nullptr && !m_view->commandState(k.id).handled) button->setEnabled(false);
    }

    setAcceptDrops(true);
    setWindowTitle(QString::fromLatin1(kAppTitle));
}

CMainFrame::~CMainFrame() {
    // Stop listening for keys before the view they would reach goes away.
    delete m_keyboard;
    m_keyboard = nullptr;
}

QString CMainFrame::paneText() const {
    return m_pane->text();
}

void CMainFrame::newDocument() {
    m_view->newDocument();
    m_documentTitle = QString::fromLatin1(kNewDocumentName);
    setWindowTitle(m_documentTitle + QStringLiteral(" - ") + QString::fromLatin1(kAppTitle));
    initialUpdate();
    schedulePaint();
}

void CMainFrame::openDocumentFile(const QString& path) {
    Q_UNUSED(path);
    // Bring the window forward for a file handed over from elsewhere.
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void CMainFrame::initialUpdate() {
    // The placement saved at the last close comes back at every new tape,
    // not only at start-up, with Always on Top applied alongside it.
    if (const auto placement = readWindowPlacement(m_profile)) {
        // The stay-on-top flag first: changing a window flag re-creates the
        // native window, which would not keep the position just set.
        applyAlwaysOnTop(m_view->settings().alwaysOnTop);
        applyPlacement(*this, *placement);
    }
    m_view->initialUpdate();
    if (!m_form->captureTapeReference())
        m_messages->show("Error getting current Tape Box placement.", Buttons::Ok);
}

void CMainFrame::schedulePaint() {
    // The view's paint step (radio buttons, middle-keys layout, and the
    // rebuild of a new or loaded tape, which refills the tape box) changes
    // widgets. Qt forbids that inside paintEvent, so it runs as a queued
    // call instead: after show or New, at the first turn of the event loop,
    // before the window is first drawn with the new tape.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_view->onPaint();
            m_menus->refresh();
        },
        Qt::QueuedConnection);
}

bool CMainFrame::runFrameCommand(int id) {
    switch (id) {
        case cmd::FileNew: newDocument(); return true;
        case cmd::AppExit: close(); return true;
        case cmd::ViewStatusBar: statusBar()->setVisible(statusBar()->isHidden()); return true;
        case cmd::AppAbout: {
            AboutDialog about(*m_launcher, *m_messages, this);
            about.exec();
            return true;
        }
        case cmd::HelpTopics:
        case cmd::Help:
            openHelpPage(QStringLiteral("index.html"), *m_launcher, *m_messages);
            return true;
        default: return false;
    }
}

bool CMainFrame::runCommand(int id) {
    const bool handled = runFrameCommand(id) || m_view->onCommand(id);
    // Toolbar buttons follow the state at once (Stop Recording lights up as
    // recording starts), as they did when refreshed at idle time.
    m_menus->refresh();
    return handled;
}

CommandState CMainFrame::commandState(int id) const {
    switch (id) {
        case cmd::FileNew:
        case cmd::AppExit:
        case cmd::AppAbout:
        case cmd::HelpTopics:
        case cmd::Help: return {true, true, false};
        case cmd::ViewStatusBar: return {true, true, !statusBar()->isHidden()};
        default: return m_view->commandState(id);
    }
}

void CMainFrame::openLink(const QString& url) {
    // As for every launch: only "nothing could open it" is worth a message.
    if (!m_launcher->open(url.toStdString()) && launchFailureNumber() == kLaunchNotFound)
        m_messages->show(processErrorMessage(kLaunchNotFound), Buttons::Ok);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
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
    if (on)
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    else if (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}

// The help pages have one topic for the whole calculator; every key's help
// request opens it.
void CMainFrame::openHelpTopic(unsigned, unsigned) {
    openHelpPage(QStringLiteral("index.html"), *m_launcher, *m_messages);
}

}  // namespace vor
