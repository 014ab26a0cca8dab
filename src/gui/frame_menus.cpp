#include "gui/frame_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "core/command_ids.h"
#include "gui/about_dialog.h"
#include "gui/translation.h"
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
    {QT_TRANSLATE_NOOP("vorlex", "&File"),
     {{cmd::FileNew, QT_TRANSLATE_NOOP("vorlex", "&New")},
      {cmd::FileOpen, QT_TRANSLATE_NOOP("vorlex", "&Open...")},
      {cmd::FileSave, QT_TRANSLATE_NOOP("vorlex", "&Save")},
      {cmd::FileSaveAs, QT_TRANSLATE_NOOP("vorlex", "Save &As...")},
      {kSeparator, nullptr},
      {cmd::FilePrint, QT_TRANSLATE_NOOP("vorlex", "&Print...")},
      {cmd::FilePrintPreview, QT_TRANSLATE_NOOP("vorlex", "Print Pre&view")},
      {cmd::FilePrintSetup, QT_TRANSLATE_NOOP("vorlex", "P&rint Setup...")},
      {kSeparator, nullptr},
      {cmd::ExportTape, QT_TRANSLATE_NOOP("vorlex", "Expor&t Tape...")},
      {cmd::FileSend, QT_TRANSLATE_NOOP("vorlex", "Sen&d...")},
      {kSeparator, nullptr},
      {kRecentFiles, QT_TRANSLATE_NOOP("vorlex", "Recent File")},
      {kSeparator, nullptr},
      {cmd::AppExit, QT_TRANSLATE_NOOP("vorlex", "E&xit")}}},
    {QT_TRANSLATE_NOOP("vorlex", "&Edit"),
     {{cmd::UndoLastLine, QT_TRANSLATE_NOOP("vorlex", "&Undo Last Line in Tape Box")},
      {cmd::TapeBack, QT_TRANSLATE_NOOP("vorlex", "Step &Back")},
      {cmd::TapeForward, QT_TRANSLATE_NOOP("vorlex", "Step Forwa&rd")},
      {kSeparator, nullptr},
      {cmd::CopySheet, QT_TRANSLATE_NOOP("vorlex", "&Copy to Clipboard (SS Format)")},
      {cmd::CopyText, QT_TRANSLATE_NOOP("vorlex", "C&opy to Clipboard (WP ASCII TXT) ")},
      {cmd::EditPaste, QT_TRANSLATE_NOOP("vorlex", "&Paste Numbers")},
      {kSeparator, nullptr},
      {cmd::EditTapeEntry, QT_TRANSLATE_NOOP("vorlex", "&Edit Tape Box Entry")},
      {kSeparator, nullptr},
      {cmd::FindInTape, QT_TRANSLATE_NOOP("vorlex", "&Find in Tape...")},
      {cmd::FindNext, QT_TRANSLATE_NOOP("vorlex", "Find &Next")},
      {cmd::FindPrevious, QT_TRANSLATE_NOOP("vorlex", "Find Pre&vious")}}},
    {QT_TRANSLATE_NOOP("vorlex", "&View"),
     {{cmd::ViewStatusBar, QT_TRANSLATE_NOOP("vorlex", "&Status Bar")},
      {kSeparator, nullptr},
      {cmd::RecalculateNow, QT_TRANSLATE_NOOP("vorlex", "&Recalculate Now")},
      {kSeparator, nullptr},
      {cmd::AlwaysOnTop, QT_TRANSLATE_NOOP("vorlex", "&Always on Top")},
      {cmd::MiddleKeys, QT_TRANSLATE_NOOP("vorlex", "&Middle Keys")},
      {cmd::SwapLEDs, QT_TRANSLATE_NOOP("vorlex", "S&wap Main and Memory LED's")}}},
    {QT_TRANSLATE_NOOP("vorlex", "&Settings"),
     {{kFontSizePopup, QT_TRANSLATE_NOOP("vorlex", "Multi &Column Font Point Size")},
      {cmd::TaxRate, QT_TRANSLATE_NOOP("vorlex", "Ta&x Rate...")},
      {cmd::ShowClearAllWarning, QT_TRANSLATE_NOOP("vorlex", "&Show Clear All Warning")},
      {cmd::GiveCounts, QT_TRANSLATE_NOOP("vorlex", "&Give Pos/Neg Counts")},
      {cmd::MultipleColumnPrinting, QT_TRANSLATE_NOOP("vorlex", "&Multiple Column Printing")},
      {cmd::ReadImmediate, QT_TRANSLATE_NOOP("vorlex", "Immediate &Read Mode")},
      {cmd::PrintNegativeInRed, QT_TRANSLATE_NOOP("vorlex", "Pr&int Negative Values in Red")},
      {cmd::AutoDecimalMode, QT_TRANSLATE_NOOP("vorlex", "Auto &Decimal Mode")},
      {cmd::EuropeanMode, QT_TRANSLATE_NOOP("vorlex", "&European Mode")},
      {cmd::RemapKeypad, QT_TRANSLATE_NOOP("vorlex", "ReMap &Keypad")},
      {cmd::ReceiptPrinterMode, QT_TRANSLATE_NOOP("vorlex", "Receipt Printer M&ode")},
      {cmd::AutoCommentSubtotal, QT_TRANSLATE_NOOP("vorlex", "A&uto Comment Current Subtotal")},
      {cmd::AutoCopyTotal, QT_TRANSLATE_NOOP("vorlex", "Auto Copy Current &Total To Clipboard")},
      {cmd::AutoAppendComments, QT_TRANSLATE_NOOP("vorlex", "&Auto Append Comments")},
      {cmd::PromptToSave, QT_TRANSLATE_NOOP("vorlex", "&Prompt To Save On Exit")},
      {cmd::KeepTapeBetweenSessions, QT_TRANSLATE_NOOP("vorlex", "&Keep Tape Between Sessions")}}},
    {QT_TRANSLATE_NOOP("vorlex", "&Macros"),
     {{cmd::MacroStartRecording, QT_TRANSLATE_NOOP("vorlex", "&Start Recording")},
      {cmd::MacroStopRecording, QT_TRANSLATE_NOOP("vorlex", "S&top Recording")},
      {kSeparator, nullptr},
      {cmd::MacroClearAll, QT_TRANSLATE_NOOP("vorlex", "&Clear All Macros")},
      {cmd::MacroEdit, QT_TRANSLATE_NOOP("vorlex", "&Edit Macros")},
      {kSeparator, nullptr},
      {cmd::MacroImport, QT_TRANSLATE_NOOP("vorlex", "&Import Macro File")},
      {cmd::MacroExport, QT_TRANSLATE_NOOP("vorlex", "E&xport Macro File")}}},
};

const Menu kSpeechAndHelp[] = {
    {QT_TRANSLATE_NOOP("vorlex", "S&peech"),
     {{cmd::SpeechAbout, QT_TRANSLATE_NOOP("vorlex", "&About")},
      {cmd::SpeechGeneral, QT_TRANSLATE_NOOP("vorlex", "&General")},
      {cmd::SpeechLexicon, QT_TRANSLATE_NOOP("vorlex", "&Lexicon")},
      {cmd::SpeechTranslate, QT_TRANSLATE_NOOP("vorlex", "&Translate")},
      {kSeparator, nullptr},
      {cmd::ReadTape, QT_TRANSLATE_NOOP("vorlex", "&Read Tape ")},
      {cmd::PauseReading, QT_TRANSLATE_NOOP("vorlex", "&Pause Reading")},
      {cmd::ResumeReading, QT_TRANSLATE_NOOP("vorlex", "Resu&me Reading")},
      {cmd::StopReading, QT_TRANSLATE_NOOP("vorlex", "St&op Reading Tape")},
      {cmd::ReadClipboard, QT_TRANSLATE_NOOP("vorlex", "Read &Clipboard")},
      {kSeparator, nullptr},
      {cmd::DownloadSpeechEngine, QT_TRANSLATE_NOOP("vorlex", "&Download a Speech Engine")},
      {cmd::SelectSpeechMode, QT_TRANSLATE_NOOP("vorlex", "&Select Speech Engine Mode")}}},
    {QT_TRANSLATE_NOOP("vorlex", "&Help"),
     {{cmd::HelpTopics, QT_TRANSLATE_NOOP("vorlex", "&Help Topics")},
      {kSeparator, nullptr},
      {cmd::AppAbout, QT_TRANSLATE_NOOP("vorlex", "&About VOR...")}}},
};

// The context menu ("My popup menu"): the same commands under their
// own captions; a caption ending in a tab shows the command's key after it.
constexpr Item kContextMenu[] = {
    {cmd::ReadTape, QT_TRANSLATE_NOOP("vorlex", "&Read Tape\t")},
    {cmd::CopySheet, QT_TRANSLATE_NOOP("vorlex", "&Copy to Clipboard (SS Format)")},
    {cmd::CopyText, QT_TRANSLATE_NOOP("vorlex", "Copy to Clipboard (&WP Format)")},
    {cmd::EditComment, QT_TRANSLATE_NOOP("vorlex", "Edit &Comment")},
    {cmd::EditTapeEntry, QT_TRANSLATE_NOOP("vorlex", "&Edit Tape Box Entry")},
    {cmd::UndoLastLine, QT_TRANSLATE_NOOP("vorlex", "&Undo Last Line in Tape Box")},
    {cmd::DeleteLine, QT_TRANSLATE_NOOP("vorlex", "De&lete Line")},
    {cmd::DeleteLines, QT_TRANSLATE_NOOP("vorlex", "&Delete Lines")},
    {cmd::InsertCommentLine, QT_TRANSLATE_NOOP("vorlex", "&Insert Blank Comment Line")},
    {cmd::RecalculateNow, QT_TRANSLATE_NOOP("vorlex", "&Recalculate Now\t")},
    {kSeparator, nullptr},
    {cmd::FileNew, QT_TRANSLATE_NOOP("vorlex", "&New Document")},
    {kSeparator, nullptr},
    {cmd::MacroStartRecording, QT_TRANSLATE_NOOP("vorlex", "&Record a Macro")},
    {cmd::MacroStopRecording, QT_TRANSLATE_NOOP("vorlex", "&Stop Recording a Macro")},
    {cmd::MacroClearAll, QT_TRANSLATE_NOOP("vorlex", "&Clear All Macros")},
    {cmd::MacroEdit, QT_TRANSLATE_NOOP("vorlex", "Edit &Macros")},
    {kSeparator, nullptr},
    {cmd::AppExit, QT_TRANSLATE_NOOP("vorlex", "E&xit VOR")},
};

struct Link {
    const char* caption;
    const char* url;
};

// Pages about adding machines and the free speech engines the Speech menu
// can use.
constexpr Link kLinks[] = {
    {QT_TRANSLATE_NOOP("vorlex", "&Adding Machines (Wikipedia)"),
     "https://en.wikipedia.org/wiki/Adding_machine"},
    {QT_TRANSLATE_NOOP("vorlex", "&Speech Dispatcher"), "https://freebsoft.org/speechd"},
    {QT_TRANSLATE_NOOP("vorlex", "&eSpeak NG Voices"), "https://github.com/espeak-ng/espeak-ng"},
    {QT_TRANSLATE_NOOP("vorlex", "&Flite Speech Engine"), "http://cmuflite.org"},
};

QString contextCaption(const Item& item) {
    QString caption = uiText(item.caption);
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
    a->setStatusTip(commandPromptText(id));
    const QString tip = commandTipText(id);
    if (!tip.isEmpty()) a->setToolTip(tip);
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
                QMenu* sizes = menu->addMenu(uiText(item.caption));
                for (int id = cmd::FontSize4; id <= cmd::FontSize7; ++id)
                    sizes->addAction(
                        m_actions[id] = makeAction(
                            id, QStringLiteral("&%1").arg(4 + id - cmd::FontSize4), &m_window));
                connect(sizes, &QMenu::aboutToShow, this,
                        [this, sizes] { refreshActions(sizes->actions()); });
            } else if (item.id == kRecentFiles) {
                // Four entries that show only while they name a file; the
                // framework's greyed "Recent File" stands in for an empty list.
                m_noRecentFiles = menu->addAction(uiText(item.caption));
                m_noRecentFiles->setEnabled(false);
                for (int i = 0; i < kRecentFileCount; ++i) {
                    QAction* a = makeAction(cmd::FileMru1 + i, QString(), &m_window);
                    a->setVisible(false);
                    m_actions.insert(cmd::FileMru1 + i, a);
                    menu->addAction(a);
                }
            } else {
                QString caption = uiText(item.caption);
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
    for (const Menu& def : kMenuBar) fill(bar->addMenu(uiText(def.title)), def);

    QMenu* links = bar->addMenu(Tr::tr("&Links"));
    auto addLink = [this, links](const QString& caption, const QString& url) {
        QAction* a = links->addAction(caption);
        a->setStatusTip(Tr::tr("Opens %1 in the web browser").arg(url));
        connect(a, &QAction::triggered, this, [this, url] { m_hooks.openLink(url); });
    };
    // The product page is the About box's, so the two never disagree.
    addLink(Tr::tr("&Vorlex Home Page"),
            QString::fromUtf8(AboutDialog::kWebAddress.data(),
                              static_cast<qsizetype>(AboutDialog::kWebAddress.size())));
    links->addSeparator();
    for (const Link& link : kLinks) addLink(uiText(link.caption), QString::fromUtf8(link.url));

    for (const Menu& def : kSpeechAndHelp) fill(bar->addMenu(uiText(def.title)), def);
}

void FrameMenus::buildContextMenu() {
    m_context = new QMenu(Tr::tr("My popup menu"), &m_window);
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
        a->setText(s.caption.empty()
                       ? built
                       : translateMessage(s.caption) + (tab < 0 ? QString() : built.mid(tab)));
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
