#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

#include "shell/command_registry.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vor {

// The frame's commands: one QAction per command id, shared by the menu bar
// and the toolbar, plus the context menu's own captions for the same ids.
// Every action carries its id; triggering it hands the id to `run`. Checks
// and enabling come from `state`, asked again whenever a menu opens and
// after every command.
class FrameMenus : public QObject {
    Q_OBJECT
   public:
    struct Hooks {
        std::function<void(int)> run;
        std::function<CommandState(int)> state;
        std::function<void(const QString&)> openLink;
    };

    FrameMenus(QMainWindow& window, Hooks hooks);

    QAction* action(int commandId) const { return m_actions.value(commandId, nullptr); }
    QMenu* contextMenu() const { return m_context; }
    QToolBar* toolBar() const { return m_toolBar; }

    // Re-reads checks and enabling of every action.
    void refresh();

   private:
    QAction* makeAction(int id, const QString& caption, QObject* owner);
    void buildMenuBar();
    void buildContextMenu();
    void buildToolBar();  // frame_toolbar.cpp
    void refreshActions(const QList<QAction*>& actions);

    QMainWindow& m_window;
    Hooks m_hooks;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_all;  // every command action, menus and context menu
    static constexpr int kRecentFileCount = 4;
    QAction* m_noRecentFiles = nullptr;
    QMenu* m_context = nullptr;
    QToolBar* m_toolBar = nullptr;
};

}  // namespace vor
