// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_frame.h"

#include "app/child_frame.h"
#include "app/clock_text.h"
#include "app/lock_state.h"
#include "app/qt_dialogs.h"
#include "app/framework/doc_template.h"
#include "app/framework/document.h"
#include "app/framework/view.h"
#include "app/res/art.h"
#include "app/res/commands.h"
#include "app/res/resource.h"
#include "app/res/strings.h"
#include "app/splash_wnd.h"
#include "app/tovix_app.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include <new>


namespace {

// Status-bar prompt and tooltip: the two halves of a command's prompt.
std::pair<QString, QString> SplitPrompt(const char* pszPrompt)
{
    const QString prompt = QString::fromUtf8(pszPrompt != nullptr ? pszPrompt : "");
    const qsizetype nBreak = prompt.indexOf(QLatin1Char('\n'));
    if (nBreak < 0) return {prompt, QString()};
    return {prompt.left(nBreak), prompt.mid(nBreak + 1)};
}

QLabel* MakePane(const char* pszText, QWidget* pParent)
{
    auto* pLabel = new QLabel(QString::fromUtf8(pszText), pParent);
    pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pLabel->setIndent(0);
    return pLabel;
}

// Status-bar panes 1 to 4, in pane order.
struct Indicator {
    unsigned nLock;
    const char* pszText;
};
const Indicator kIndicators[] = {
    {lock::kKana, res::str::kIndicatorKana},
    {lock::kCaps, res::str::kIndicatorCaps},
    {lock::kNum, res::str::kIndicatorNum},
    {lock::kScroll, res::str::kIndicatorScroll},
};
constexpr int kFirstIndicatorPane = 1;

// Often enough that a lock key shows at once, whatever window had the key.
constexpr int kLockPollMilliseconds = 200;

// A pane exactly as wide as its text, with its frame.
void FitPane(QLabel* pPane)
{
    const QMargins margins = pPane->contentsMargins();
    pPane->setFixedWidth(pPane->fontMetrics().horizontalAdvance(pPane->text()) + margins.left() + margins.right() +
                         2 * (pPane->frameWidth() + pPane->margin()));
}

} // namespace

CMainFrame::CMainFrame(CTOVIXApp& app) : m_app(app), m_readLocks(ReadLockState)
{
    setWindowTitle(QString::fromUtf8(res::str::kAppTitle));
    setWindowIcon(res::MainIcon());
    setAcceptDrops(true);
    resize(1000, 720);

    OnCommand(res::ID_VIEW_TOOLBAR, [this] { m_pToolBar->setVisible(m_pToolBar->isHidden()); });
    OnUpdateCommand(res::ID_VIEW_TOOLBAR, [this](CCmdUI& ui) { ui.checked = !m_pToolBar->isHidden(); });
    OnCommand(res::ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    OnUpdateCommand(res::ID_VIEW_STATUS_BAR, [this](CCmdUI& ui) { ui.checked = !statusBar()->isHidden(); });
    OnCommand(res::ID_WINDOW_NEW, [this] { OnWindowNew(); });
    OnCommand(res::ID_WINDOW_CASCADE, [this] { m_pMdiArea->cascadeSubWindows(); });
    OnCommand(res::ID_WINDOW_TILE_HORZ, [this] { TileHorizontally(); });
    OnCommand(res::ID_WINDOW_ARRANGE, [this] { ArrangeIcons(); });
}

CMainFrame::~CMainFrame()
{
    // The document windows go with the base class's children, when this
    // part of the frame is already gone: they must not call back into it.
    disconnect(m_pMdiArea, nullptr, this, nullptr);
}

bool CMainFrame::OnCreate()
{
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateCommandUI(); });

    for (const int nMenuId : {res::IDR_MAINFRAME, res::IDR_TOVIXTYPE}) m_menus[nMenuId] = BuildMenus(nMenuId);
    BuildToolBar();
    BuildStatusBar();
    AddKeyedActions();
    CSplashWnd::ShowSplash(this);
    AddClockPanes();
    AddPicturePane();
    UpdateCommandUI();
    return true;
}

CView* CMainFrame::GetActiveView() const
{
    QMdiSubWindow* pSub = m_pMdiArea->currentSubWindow();
    if (pSub == nullptr && !m_pMdiArea->subWindowList().isEmpty()) pSub = m_pMdiArea->subWindowList().constLast();
    return pSub != nullptr ? qobject_cast<CView*>(pSub->widget()) : nullptr;
}

QAction* CMainFrame::Action(int nId) const
{
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

std::vector<const CCmdTarget*> CMainFrame::Route() const
{
    CView* pView = GetActiveView();
    if (pView == nullptr) return {this, &m_app};
    return {pView, &pView->GetDocument(), this, &m_app};
}

CCmdUI CMainFrame::CommandState(int nId) const
{
    return QueryCommandState(Route(), nId);
}

void CMainFrame::ExecuteCommand(int nId)
{
    RouteCommand(Route(), nId, [this](const std::exception& e) {
        const bool bOutOfMemory = dynamic_cast<const std::bad_alloc*>(&e) != nullptr;
        RunMessageBox(this, bOutOfMemory ? res::str::kOutOfMemory : e.what(), QMessageBox::Ok);
    });
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI()
{
    UpdateMenus();
    for (const auto& [nId, pAction] : m_actions) {
        const CCmdUI ui = CommandState(nId);
        pAction->setEnabled(ui.bEnabled);
        pAction->setVisible(ui.bVisible);
        pAction->setCheckable(ui.checked.has_value());
        pAction->setChecked(ui.checked.value_or(false));
        if (ui.text) pAction->setText(*ui.text);
    }
    UpdateTitle();
    UpdatePicturePane();
}

void CMainFrame::AddPicturePane()
{
    m_nPicturePane = static_cast<int>(m_panes.size());
    m_panes.push_back(MakePane("", statusBar()));
    // Left of the lock panes (index 1, after the message pane), away from the clock;
    // in m_panes it comes after the seven fixed ones.
    statusBar()->insertPermanentWidget(1, m_panes.back());
}

void CMainFrame::UpdatePicturePane()
{
    if (m_nPicturePane < 0) return;
    const CView* pView = GetActiveView();
    QLabel* pPane = Pane(m_nPicturePane);
    pPane->setText(pView != nullptr ? pView->PaneText() : QString());
    pPane->setVisible(!pPane->text().isEmpty());
    FitPane(pPane);
}

void CMainFrame::OnUpdateDatePane()
{
    UpdateClockPane(m_nDatePane, res::str::kDateFormat);
}

void CMainFrame::OnUpdateTimePane()
{
    UpdateClockPane(m_nTimePane, res::str::kTimeFormat);
}

void CMainFrame::UpdateClockPane(int nPane, const char* pszFormat)
{
    QLabel* pPane = Pane(nPane);
    pPane->setText(FormatLocalTime(pszFormat, std::time(nullptr)));
    FitPane(pPane);
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() != QEvent::StatusTip) return QMainWindow::event(event);
    // An empty prompt means either "left the item" or "an item without a
    // prompt"; only the first brings the idle text back, the second blanks the pane.
    QString text = static_cast<QStatusTipEvent*>(event)->tip();
    const auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (text.isEmpty() && (pMenu == nullptr || pMenu->activeAction() == nullptr))
        text = QString::fromUtf8(res::str::kIdleMessage);
    Pane(0)->setText(text);
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) m_app.OpenDroppedFile(url.toLocalFile().toStdString());
    event->acceptProposedAction();
    UpdateCommandUI();
}

QAction* CMainFrame::CreateAction(int nId)
{
    if (QAction* pExisting = Action(nId)) return pExisting;
    const res::Command* pCommand = res::FindCommand(nId);
    auto* pAction = new QAction(this);
    if (pCommand != nullptr) {
        pAction->setText(QString::fromUtf8(pCommand->pszLabel != nullptr ? pCommand->pszLabel : ""));
        const auto [status, tip] = SplitPrompt(pCommand->pszPrompt);
        pAction->setStatusTip(status);
        pAction->setToolTip(tip);
        pAction->setShortcuts(pCommand->keys);
    }
    pAction->setIconVisibleInMenu(false);
    connect(pAction, &QAction::triggered, this, [this, nId] { ExecuteCommand(nId); });
    m_actions[nId] = pAction;
    return pAction;
}

std::vector<QMenu*> CMainFrame::BuildMenus(int nMenuId)
{
    std::vector<QMenu*> menus;
    std::vector<QMenu*> open;   // the popup being filled, then its open submenus
    for (const res::MenuItem& item : res::Menu(nMenuId)) {
        switch (item.kind) {
        case res::MenuItemKind::Popup:
            menus.push_back(new QMenu(QString::fromUtf8(item.pszLabel), this));
            connect(menus.back(), &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
            open = {menus.back()};
            break;
        case res::MenuItemKind::SubMenu:
            open.push_back(open.back()->addMenu(QString::fromUtf8(item.pszLabel)));
            break;
        case res::MenuItemKind::EndSubMenu:
            open.pop_back();
            break;
        case res::MenuItemKind::Separator:
            open.back()->addSeparator();
            break;
        case res::MenuItemKind::Command:
            if (item.nId == res::ID_WINDOW_NEW) {
                QMenu* pWindowMenu = open.back();
                connect(pWindowMenu, &QMenu::aboutToShow, this, [this, pWindowMenu] { FillWindowList(pWindowMenu); });
            }
            // The recent-file place-holder stands for the whole list.
            if (item.nId == res::ID_FILE_MRU_FILE1)
                for (int nMru = res::ID_FILE_MRU_FILE1; nMru <= res::ID_FILE_MRU_LAST; ++nMru)
                    open.back()->addAction(CreateAction(nMru));
            else
                open.back()->addAction(CreateAction(item.nId));
            break;
        }
    }
    return menus;
}

void CMainFrame::BuildToolBar()
{
    m_pToolBar = new QToolBar(this);
    m_pToolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_pToolBar->setIconSize(res::kToolbarImageSize);
    int nImage = 0;
    for (const int nId : res::ToolbarButtons()) {
        if (nId == 0) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* pAction = CreateAction(nId);
        pAction->setIcon(res::ToolbarImage(nImage++));
        m_pToolBar->addAction(pAction);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::BuildStatusBar()
{
    QStatusBar* pBar = statusBar();
    // Pane 0: the prompt of what is hovered, else the idle text.
    m_panes.push_back(new QLabel(QString::fromUtf8(res::str::kIdleMessage), pBar));
    pBar->addWidget(m_panes.back(), 1);
    for (const Indicator& indicator : kIndicators) {
        QLabel* pPane = MakePane(indicator.pszText, pBar);
        FitPane(pPane);
        m_panes.push_back(pPane);
        pBar->addPermanentWidget(pPane);
    }
    // Where no lock state can be read (Wayland, offscreen) the panes stay blank, as while every lock is off.
    if (OnUpdateIndicators()) {
        connect(&m_lockTimer, &QTimer::timeout, this, &CMainFrame::OnUpdateIndicators);
        m_lockTimer.start(kLockPollMilliseconds);
    }
}

bool CMainFrame::OnUpdateIndicators()
{
    const std::optional<unsigned> locks = m_readLocks();
    for (int i = 0; i < static_cast<int>(std::size(kIndicators)); ++i) {
        const Indicator& indicator = kIndicators[i];
        Pane(kFirstIndicatorPane + i)->setText(locks.value_or(0) & indicator.nLock ? QString::fromUtf8(indicator.pszText) : QString());
    }
    return locks.has_value();
}

void CMainFrame::AddClockPanes()
{
    const int n = static_cast<int>(m_panes.size());
    m_nDatePane = n;
    m_nTimePane = n + 1;
    for (const char* pszInitial : {res::str::kDatePane, res::str::kTimePane}) {
        QLabel* pPane = MakePane(pszInitial, statusBar());
        FitPane(pPane);
        m_panes.push_back(pPane);
        statusBar()->addPermanentWidget(pPane);
    }
    // Filled at once: "Date" and "Time" would otherwise stand there for the first second.
    OnUpdateDatePane();
    OnUpdateTimePane();
    connect(&m_clockTimer, &QTimer::timeout, this, [this] {
        OnUpdateDatePane();
        OnUpdateTimePane();
        UpdateCommandUI();
    });
    m_clockTimer.start(kClockMilliseconds);
}

void CMainFrame::AddKeyedActions()
{
    // Held by the frame itself, a command's keys work whichever menu is
    // shown, and for commands that are in no menu at all.
    for (const res::Command& command : res::Commands())
        if (!command.keys.isEmpty()) addAction(CreateAction(command.nId));
}

void CMainFrame::UpdateMenus()
{
    const int nWanted = m_pMdiArea->subWindowList().isEmpty() ? res::IDR_MAINFRAME : res::IDR_TOVIXTYPE;
    if (nWanted == m_nMenuId) return;
    m_nMenuId = nWanted;
    menuBar()->clear();
    for (QMenu* pMenu : m_menus[nWanted]) menuBar()->addMenu(pMenu);
}

void CMainFrame::UpdateTitle()
{
    const QString app = QString::fromUtf8(res::str::kAppTitle);
    CView* pView = GetActiveView();
    if (pView == nullptr)
        setWindowTitle(app);
    else if (pView->Frame()->isMaximized())
        setWindowTitle(app + QStringLiteral(" - [") + pView->Frame()->windowTitle() + QLatin1Char(']'));
    else
        setWindowTitle(app + QStringLiteral(" - ") + pView->GetDocument().GetTitle());
}

void CMainFrame::OnWindowNew()
{
    if (CView* pView = GetActiveView()) {
        CDocument& doc = pView->GetDocument();
        doc.Template().CreateNewFrame(doc);
    }
}

void CMainFrame::FillWindowList(QMenu* pMenu)
{
    for (QAction* pAction : m_windowList) {
        pMenu->removeAction(pAction);
        delete pAction;
    }
    m_windowList.clear();
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList();
    if (windows.isEmpty()) return;
    m_windowList.push_back(pMenu->addSeparator());
    int nNumber = 0;
    for (QMdiSubWindow* pSub : windows) {
        QAction* pAction = pMenu->addAction(QStringLiteral("&%1 %2").arg(++nNumber).arg(pSub->windowTitle()));
        pAction->setCheckable(true);
        pAction->setChecked(pSub == m_pMdiArea->activeSubWindow());
        pAction->setStatusTip(QString::fromUtf8(res::str::kActivateWindowPrompt));
        connect(pAction, &QAction::triggered, m_pMdiArea, [this, pWindow = QPointer<QMdiSubWindow>(pSub)] {
            if (pWindow) m_pMdiArea->setActiveSubWindow(pWindow);
        });
        m_windowList.push_back(pAction);
    }
}

void CMainFrame::TileHorizontally()
{
    // One above the other, each as wide as the area; minimised windows stay where they are.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* pSub : m_pMdiArea->subWindowList())
        if (pSub->isVisible() && !pSub->isMinimized()) windows.push_back(pSub);
    if (windows.isEmpty()) return;
    const QRect area = m_pMdiArea->viewport()->rect();
    const int nCount = static_cast<int>(windows.size());
    for (int i = 0; i < nCount; ++i) {
        const int nTop = area.height() * i / nCount;
        const int nBottom = area.height() * (i + 1) / nCount;
        windows[i]->showNormal();
        windows[i]->setGeometry(0, nTop, area.width(), nBottom - nTop);
    }
}

void CMainFrame::ArrangeIcons()
{
    // Minimised windows in a row along the bottom, left to right.
    int x = 0;
    for (QMdiSubWindow* pSub : m_pMdiArea->subWindowList()) {
        if (!pSub->isMinimized()) continue;
        pSub->move(x, m_pMdiArea->viewport()->height() - pSub->height());
        x += pSub->width();
    }
}
