// The toolbar: the 22 positions of the classic bar, flat and fixed under
// the menu bar.
#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QWidget>

#include "core/command_ids.h"
#include "gui/accessible_names.h"
#include "gui/frame_menus.h"
#include "gui/toolbar_icons.h"
#include "gui/translation.h"
#include "shell/command_strings.h"

namespace vor {
namespace {

constexpr int kToolBar[] = {
    cmd::FileNew,
    cmd::FileOpen,
    cmd::FileSave,
    0,
    cmd::DeleteLines,
    cmd::EditTapeEntry,
    cmd::CopySheet,
    cmd::EditComment,
    0,
    cmd::FilePrintPreview,
    cmd::FilePrint,
    0,
    cmd::MacroImport,
    cmd::MacroExport,
    cmd::MacroEdit,
    cmd::MacroStartRecording,
    cmd::MacroStopRecording,
    cmd::MacroClearAll,
    0,
    cmd::ReadTape,
    0,
    cmd::AppAbout,
};

// An icon-only button is read by its action's text, which carries the
// menu's mnemonic and, after a tab, the shortcut ("&New\tCtrl+N"): the
// words become the name and the shortcut the description, as on the keys.
void nameToolButton(QWidget* button, const QAction* action) {
    const QString text = action->text();
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    button->setAccessibleName(spokenLabel(tab < 0 ? text : text.left(tab)));
    const QString shortcut = tab < 0 ? QString() : text.mid(tab + 1).trimmed();
    button->setAccessibleDescription(shortcut.isEmpty() ? action->toolTip()
                                                        : Tr::tr("Shortcut: %1").arg(shortcut));
}

}  // namespace

void FrameMenus::buildToolBar() {
    m_toolBar = new QToolBar(Tr::tr("Toolbar"), &m_window);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : kToolBar) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* a = action(id);
        if (a == nullptr) {
            // Delete Lines and Edit Comment live in the context menu only;
            // the toolbar has its own action for them.
            a = makeAction(id, commandTipText(id), &m_window);
            m_actions.insert(id, a);
        }
        a->setIcon(toolbarIcon(id));
        a->setIconVisibleInMenu(false);  // menus stay text only, as they always were
        m_toolBar->addAction(a);
        if (QWidget* button = m_toolBar->widgetForAction(a)) {
            nameToolButton(button, a);
            // Menu refreshes rewrite captions ("Undo Last Line"...).
            QObject::connect(a, &QAction::changed, button,
                             [button, a] { nameToolButton(button, a); });
        }
    }
    m_window.addToolBar(Qt::TopToolBarArea, m_toolBar);
}

}  // namespace vor
