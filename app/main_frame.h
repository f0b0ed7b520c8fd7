// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/framework/cmd_target.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class CTOVIXApp;
class CView;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The top-level MDI window: menus, toolbar, status bar with its clock, and
// the area the document windows live in.
class CMainFrame : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    static constexpr int kClockMilliseconds = 1000;

    explicit CMainFrame(CTOVIXApp& app);
    ~CMainFrame() override;

    // Builds the bars, shows the splash and adds the clock panes.
    bool OnCreate();

    QMdiArea* MdiArea() const { return m_pMdiArea; }
    CView* GetActiveView() const;

    // 128 while no document window is open, 129 while one is.
    int CurrentMenuId() const { return m_nMenuId; }

    // The action that stands for a command in menus and on the toolbar.
    QAction* Action(int nId) const;

    // The command's state, and running it, along view, document, frame, application.
    CCmdUI CommandState(int nId) const;
    void ExecuteCommand(int nId);

    // Brings every menu item, button and the caption up to date.
    void UpdateCommandUI();

    // Status-bar pane by index: 0 the message pane, 5 the date, 6 the time.
    QLabel* Pane(int nIndex) const { return m_panes.at(static_cast<std::size_t>(nIndex)); }
    int m_nDatePane = -1;
    int m_nTimePane = -1;
    // The active picture's size in pixels and in bytes of its format, after the clock panes.
    int m_nPicturePane = -1;

    void OnUpdateDatePane();
    void OnUpdateTimePane();

    // Panes 1 to 4 name the locks that are on and stay blank for the others;
    // false where no lock state can be read.
    bool OnUpdateIndicators();
    // Where the lock states come from; the keyboard unless a test says otherwise.
    void SetLockReader(std::function<std::optional<unsigned>()> read) { m_readLocks = std::move(read); }

    // How often the clock panes are refreshed.
    void SetClockInterval(int nMilliseconds) { m_clockTimer.setInterval(nMilliseconds); }

protected:
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // View, document, frame, application; without a document window, the last two.
    std::vector<const CCmdTarget*> Route() const;
    QAction* CreateAction(int nId);
    std::vector<QMenu*> BuildMenus(int nMenuId);
    void BuildToolBar();
    void BuildStatusBar();
    void AddClockPanes();
    void AddPicturePane();
    void UpdatePicturePane();
    void AddKeyedActions();
    void UpdateMenus();
    void UpdateTitle();
    void UpdateClockPane(int nPane, const char* pszFormat);
    void OnWindowNew();
    void TileHorizontally();
    void ArrangeIcons();
    // Lists the document windows at the end of the Window menu, the active one checked.
    void FillWindowList(QMenu* pMenu);

    CTOVIXApp& m_app;
    QMdiArea* m_pMdiArea = nullptr;
    QToolBar* m_pToolBar = nullptr;
    std::map<int, QAction*> m_actions;
    std::map<int, std::vector<QMenu*>> m_menus;
    int m_nMenuId = 0;
    std::vector<QLabel*> m_panes;
    std::vector<QAction*> m_windowList;
    QTimer m_clockTimer;
    QTimer m_lockTimer;
    std::function<std::optional<unsigned>()> m_readLocks;
};
