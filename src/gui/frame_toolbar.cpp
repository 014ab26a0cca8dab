// The toolbar: the 22 positions of the classic bar, flat and fixed under
// the menu bar.
#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include "core/command_ids.h"
#include "gui/frame_menus.h"
#include "gui/toolbar_icons.h"
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

}  // namespace

void FrameMenus::buildToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), &m_window);
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
            a = makeAction(id, QString::fromStdString(commandTip(id)), &m_window);
            m_actions.insert(id, a);
        }
        a->setIcon(toolbarIcon(id));
        a->setIconVisibleInMenu(false);  // menus stay text only, as they always were
        m_toolBar->addAction(a);
    }
    m_window.addToolBar(Qt::TopToolBarArea, m_toolBar);
}

}  // namespace vor
