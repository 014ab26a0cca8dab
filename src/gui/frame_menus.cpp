#include "gui/frame_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "core/command_ids.h"
#include "gui/about_dialog.h"
#include "shell/command_strings.h"
#include "shell/keyboard_table.h"
#include "shell/settings_store.h"

namespace vor {
namespace {

constexpr int kSeparator = 0;
constexpr int kFontSizePopup = -1;
constexpr int kRecentFiles = -2;

struct Item {
    int id;
    const char* caption;
};

struct Menu {
    const char* title;
    std::initializer_list<Item> items;
};

// The menu bar, top to bottom. The key shown beside an item is the keyboard
// table's key for its command, so the two never disagree.
const Menu kMenuBar[] = {
    {"&File",
     {{cmd::FileNew, "&New"},
      {cmd::FileOpen, "&Open..."},
      {cmd::FileSave, "&Save"},
      {cmd::FileSaveAs, "Save &As..."},
      {kSeparator, nullptr},
      {cmd::FilePrint, "&Print..."},
      {cmd::FilePrintPreview, "Print Pre&view"},
      {cmd::FilePrintSetup, "P&rint Setup..."},
      {kSeparator, nullptr},
      {cmd::ExportTape, "Expor&t Tape..."},
      {cmd::FileSend, "Sen&d..."},
      {kSeparator, nullptr},
      {kRecentFiles, "Recent File"},
      {kSeparator, nullptr},
      {cmd::AppExit, "E&xit"}}},
    {"&Edit",
     {{cmd::UndoLastLine, "&Undo Last Line in Tape Box"},
      {kSeparator, nullptr},
      {cmd::CopySheet, "&Copy to Clipboard (SS Format)"},
      {cmd::CopyText, "C&opy to Clipboard (WP ASCII TXT) "},
      {cmd::EditPaste, "&Paste Numbers"},
      {kSeparator, nullptr},
      {cmd::EditTapeEntry, "&Edit Tape Box Entry"}}},
    {"&View",
     {{cmd::ViewStatusBar, "&Status Bar"},
      {kSeparator, nullptr},
      {cmd::RecalculateNow, "&Recalculate Now"},
      {kSeparator, nullptr},
      {cmd::AlwaysOnTop, "&Always on Top"},
      {cmd::MiddleKeys, "&Middle Keys"},
      {cmd::SwapLEDs, "S&wap Main and Memory LED's"}}},
    {"&Settings",
     {{kFontSizePopup, "Multi &Column Font Point Size"},
      {cmd::ShowClearAllWarning, "&Show Clear All Warning"},
      {cmd::GiveCounts, "&Give Pos/Neg Counts"},
      {cmd::MultipleColumnPrinting, "&Multiple Column Printing"},
      {cmd::ReadImmediate, "Immediate &Read Mode"},
      {cmd::PrintNegativeInRed, "Pr&int Negative Values in Red"},
      {cmd::AutoDecimalMode, "Auto &Decimal Mode"},
      {cmd::EuropeanMode, "&European Mode"},
      {cmd::RemapKeypad, "ReMap &Keypad"},
      {cmd::ReceiptPrinterMode, "Receipt Printer M&ode"},
      {cmd::AutoCommentSubtotal, "A&uto Comment Current Subtotal"},
      {cmd::AutoCopyTotal, "Auto Copy Current &Total To Clipboard"},
      {cmd::AutoAppendComments, "&Auto Append Comments"},
      {cmd::PromptToSave, "&Prompt To Save On Exit"},
      {cmd::KeepTapeBetweenSessions, "&Keep Tape Between Sessions"}}},
    {"&Macros",
     {{cmd::MacroStartRecording, "&Start Recording"},
      {cmd::MacroStopRecording, "S&top Recording"},
      {kSeparator, nullptr},
      {cmd::MacroClearAll, "&Clear All Macros"},
      {cmd::MacroEdit, "&Edit Macros"},
      {kSeparator, nullptr},
      {cmd::MacroImport, "&Import Macro File"},
      {cmd::MacroExport, "E&xport Macro File"}}},
};

const Menu kSpeechAndHelp[] = {
    {"S&peech",
     {{cmd::SpeechAbout, "&About"},
      {cmd::SpeechGeneral, "&General"},
      {cmd::SpeechLexicon, "&Lexicon"},
      {cmd::SpeechTranslate, "&Translate"},
      {kSeparator, nullptr},
      {cmd::ReadTape, "&Read Tape "},
      {cmd::PauseReading, "&Pause Reading"},
      {cmd::ResumeReading, "Resu&me Reading"},
      {cmd::StopReading, "St&op Reading Tape"},
      {cmd::ReadClipboard, "Read &Clipboard"},
      {kSeparator, nullptr},
      {cmd::DownloadSpeechEngine, "&Download a Speech Engine"},
      {cmd::SelectSpeechMode, "&Select Speech Engine Mode"}}},
    {"&Help",
     {{cmd::HelpTopics, "&Help Topics"}, {kSeparator, nullptr}, {cmd::AppAbout, "&About VOR..."}}},
};

// The context menu ("My popup menu"): the same commands under their own
// captions; a caption ending in a tab shows the command's key after it.
constexpr Item kContextMenu[] = {
    {cmd::ReadTape, "&Read Tape\t"},
    {cmd::CopySheet, "&Copy to Clipboard (SS Format)"},
    {cmd::CopyText, "Copy to Clipboard (&WP Format)"},
    {cmd::EditComment, "Edit &Comment"},
    {cmd::EditTapeEntry, "&Edit Tape Box Entry"},
    {cmd::UndoLastLine, "&Undo Last Line in Tape Box"},
    {cmd::DeleteLine, "De&lete Line"},
    {cmd::DeleteLines, "&Delete Lines"},
    {cmd::InsertCommentLine, "&Insert Blank Comment Line"},
    {cmd::RecalculateNow, "&Recalculate Now\t"},
    {kSeparator, nullptr},
    {cmd::FileNew, "&New Document"},
    {kSeparator, nullptr},
    {cmd::MacroStartRecording, "&Record a Macro"},
    {cmd::MacroStopRecording, "&Stop Recording a Macro"},
    {cmd::MacroClearAll, "&Clear All Macros"},
    {cmd::MacroEdit, "Edit &Macros"},
    {kSeparator, nullptr},
    {cmd::AppExit, "E&xit VOR"},
};

struct Link {
    const char* caption;
    const char* url;
};

// Pages about adding machines and the free speech engines the Speech menu
// can use.
constexpr Link kLinks[] = {
    {"&Adding Machines (Wikipedia)", "https://en.wikipedia.org/wiki/Adding_machine"},
    {"&Speech Dispatcher", "https://freebsoft.org/speechd"},
    {"&eSpeak NG Voices", "https://github.com/espeak-ng/espeak-ng"},
    {"&Flite Speech Engine", "http://cmuflite.org"},
};

QString contextCaption(const Item& item) {
    QString caption = QString::fromUtf8(item.caption);
    if (caption.endsWith(QLatin1Char('\t')))
        caption += QString::fromStdString(shortcutText(item.id));
    return caption;
}

bool isToggle(int id) {
    return boolSettingForCommand(id) != nullptr || (id >= cmd::FontSize4 && id <= cmd::FontSize7) ||
           id == cmd::ViewStatusBar;
}

}  // namespace

FrameMenus::FrameMenus(QMainWindow& window, Hooks hooks)
    : QObject(&window), m_window(window), m_hooks(std::move(hooks)) {
    buildMenuBar();
    buildContextMenu();
    buildToolBar();
    refresh();
}

QAction* FrameMenus::makeAction(int id, const QString& caption, QObject* owner) {
    auto* a = new QAction(caption, owner);
    a->setData(id);
    a->setProperty("builtText", caption);
    a->setCheckable(isToggle(id));
    // The fly-by text of the status bar; the toolbar shows the tip.
    a->setStatusTip(QString::fromStdString(commandPrompt(id)));
    const std::string tip = commandTip(id);
    if (!tip.empty()) a->setToolTip(QString::fromStdString(tip));
    connect(a, &QAction::triggered, this, [this, id] { m_hooks.run(id); });
    m_all.append(a);
    return a;
}

void FrameMenus::buildMenuBar() {
    QMenuBar* bar = m_window.menuBar();
    auto fill = [this](QMenu* menu, const Menu& def) {
        for (const Item& item : def.items) {
            if (item.id == kSeparator) {
                menu->addSeparator();
            } else if (item.id == kFontSizePopup) {
                QMenu* sizes = menu->addMenu(QString::fromUtf8(item.caption));
                for (int id = cmd::FontSize4; id <= cmd::FontSize7; ++id)
                    sizes->addAction(
                        m_actions[id] = makeAction(
                            id, QStringLiteral("&%1").arg(4 + id - cmd::FontSize4), &m_window));
                connect(sizes, &QMenu::aboutToShow, this,
                        [this, sizes] { refreshActions(sizes->actions()); });
            } else if (item.id == kRecentFiles) {
                // Four entries that show only while they name a file; the
                // framework's greyed "Recent File" stands in for an empty list.
                m_noRecentFiles = menu->addAction(QString::fromUtf8(item.caption));
                m_noRecentFiles->setEnabled(false);
                for (int i = 0; i < kRecentFileCount; ++i) {
                    QAction* a = makeAction(cmd::FileMru1 + i, QString(), &m_window);
                    a->setVisible(false);
                    m_actions.insert(cmd::FileMru1 + i, a);
                    menu->addAction(a);
                }
            } else {
                QString caption = QString::fromUtf8(item.caption);
                const std::string key = shortcutText(item.id);
                if (!key.empty()) caption += QLatin1Char('\t') + QString::fromStdString(key);
                QAction* a = makeAction(item.id, caption, &m_window);
                m_actions.insert(item.id, a);
                menu->addAction(a);
            }
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            refreshActions(menu->actions());
            if (menu->actions().contains(m_noRecentFiles)) refresh();
        });
    };
    for (const Menu& def : kMenuBar) fill(bar->addMenu(QString::fromUtf8(def.title)), def);

    QMenu* links = bar->addMenu(QStringLiteral("&Links"));
    auto addLink = [this, links](const QString& caption, const QString& url) {
        QAction* a = links->addAction(caption);
        a->setStatusTip(QStringLiteral("Opens %1 in the web browser").arg(url));
        connect(a, &QAction::triggered, this, [this, url] { m_hooks.openLink(url); });
    };
    // The product page is the About box's, so the two never disagree.
    addLink(QStringLiteral("&Vorlex Home Page"),
            QString::fromUtf8(AboutDialog::kWebAddress.data(),
                              static_cast<qsizetype>(AboutDialog::kWebAddress.size())));
    links->addSeparator();
    for (const Link& link : kLinks)
        addLink(QString::fromUtf8(link.caption), QString::fromUtf8(link.url));

    for (const Menu& def : kSpeechAndHelp) fill(bar->addMenu(QString::fromUtf8(def.title)), def);
}

void FrameMenus::buildContextMenu() {
    m_context = new QMenu(QStringLiteral("My popup menu"), &m_window);
    for (const Item& item : kContextMenu) {
        if (item.id == kSeparator)
            m_context->addSeparator();
        else
            m_context->addAction(makeAction(item.id, contextCaption(item), m_context));
    }
    connect(m_context, &QMenu::aboutToShow, this, [this] { refreshActions(m_context->actions()); });
}

void FrameMenus::refreshActions(const QList<QAction*>& actions) {
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->data().isValid()) continue;
        const CommandState s = m_hooks.state(a->data().toInt());
        a->setEnabled(s.enabled);
        if (a->isCheckable()) a->setChecked(s.checked);
        // A caption that follows the state ("Undo 12.00 +") keeps the key
        // shown after the tab; without one the built caption comes back.
        const QString built = a->property("builtText").toString();
        const qsizetype tab = built.indexOf(QLatin1Char('\t'));
        a->setText(s.caption.empty() ? built
                                     : QString::fromStdString(s.caption) +
                                           (tab < 0 ? QString() : built.mid(tab)));
    }
}

void FrameMenus::refresh() {
    refreshActions(m_all);
    if (m_noRecentFiles == nullptr) return;
    bool any = false;
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* a = m_actions.value(cmd::FileMru1 + i);
        // Asked of the command table, not of the action: Qt disables a
        // hidden action, which would keep it hidden for good.
        const CommandState st = m_hooks.state(cmd::FileMru1 + i);
        const bool shown = a != nullptr && st.enabled && !st.caption.empty();
        if (a != nullptr) a->setVisible(shown);
        any = any || shown;
    }
    m_noRecentFiles->setVisible(!any);
}

}  // namespace vor
