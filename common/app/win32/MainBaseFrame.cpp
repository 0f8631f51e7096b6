#include "app/MainBaseFrame.h"

#include "afx/Menu.h"
#include "afx/MsgMap.h"
#include "app/CommStatusBar.h"
#include "app/IconMenu.h"
#include "app/WindowHelpers.h"

IMPLEMENT_DYNCREATE(CMainBaseFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainBaseFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_INITMENUPOPUP()
ON_WM_CLOSE()
ON_WM_QUERYENDSESSION()
ON_WM_ENDSESSION()
ON_WM_DESTROY()
ON_WM_ENTERMENULOOP()
ON_WM_EXITMENULOOP()
ON_WM_ENTERSIZEMOVE()
ON_WM_EXITSIZEMOVE()
END_MESSAGE_MAP()

namespace
{
// The pop-up menu being tracked now, null while menus of the bar show.
HMENU TrackedPopupMenu()
{
    HMENU hMenu = AfxGetTrackingMenu();
    return hMenu != nullptr && ::IsMenu(hMenu) ? hMenu : nullptr;
}
} // namespace

CMainBaseFrame::CMainBaseFrame() : m_keptWindow(this) {}

CMainBaseFrame::~CMainBaseFrame() = default;

BOOL CMainBaseFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    m_windowState.Init(0, &m_keptWindow, 0, 0, CWindowStateKeeper::optionAlwaysCenter);
    return TRUE;
}

CIconMenu* CMainBaseFrame::GetIconMenu()
{
    return nullptr;
}

CCommStatusBar* CMainBaseFrame::GetStatusBar()
{
    return nullptr;
}

BOOL CMainBaseFrame::CanCloseFrame()
{
    return TRUE;
}

void CMainBaseFrame::SaveFrameBarState()
{
    SaveBarState(MAINFRAME_BAR_STATE);
}

void CMainBaseFrame::LoadFrameBarState()
{
    LoadBarState(MAINFRAME_BAR_STATE);
}

BOOL CMainBaseFrame::IsFrameBusy() const
{
    HMENU hSystemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSystemMenu == nullptr)
        return FALSE;
    UINT nState = ::GetMenuState(hSystemMenu, SC_CLOSE, MF_BYCOMMAND);
    return nState != (UINT)-1 && (nState & (MF_GRAYED | MF_DISABLED)) != 0;
}

BOOL CMainBaseFrame::CloseFrame()
{
    if (IsFrameBusy() || !CanCloseFrame())
        return FALSE;
    SaveFrameBarState();
    CFrameWnd::OnClose();
    return TRUE;
}

void CMainBaseFrame::SetDefaultWindowSize(int cxDefault, int cyDefault)
{
    m_windowState.SetDefaultSize(cxDefault, cyDefault);
}

void CMainBaseFrame::RestoreMaximizedState()
{
    if (!m_windowState.IsMaximizedRestored())
        m_windowState.RestoreMaximized();
}

BOOL CMainBaseFrame::ShowHelp(UINT nHelpId)
{
    return m_helpWindow.Show(nHelpId);
}

HICON CMainBaseFrame::GetIconMenuIcon(int nIndex)
{
    CIconMenu* pIconMenu = GetIconMenu();
    return pIconMenu != nullptr ? pIconMenu->GetIcon(nIndex) : nullptr;
}

BOOL CMainBaseFrame::SetWindowIconFromMenu(CWnd* pWnd, int nIndex)
{
    if (!IsWindowValid(pWnd))
        return FALSE;
    HICON hIcon = GetIconMenuIcon(nIndex);
    if (hIcon == nullptr)
        return FALSE;
    pWnd->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    return TRUE;
}

BOOL CMainBaseFrame::SetStatusBarOption(DWORD dwBits)
{
    CCommStatusBar* pBar = GetStatusBar();
    if (pBar == nullptr)
        return FALSE;
    pBar->AddOption(dwBits);
    return TRUE;
}

BOOL CMainBaseFrame::ClearStatusBarOption(DWORD dwBits)
{
    CCommStatusBar* pBar = GetStatusBar();
    if (pBar == nullptr)
        return FALSE;
    pBar->RemoveOption(dwBits);
    return TRUE;
}

BOOL CMainBaseFrame::TestStatusBarOption(DWORD dwBits)
{
    CCommStatusBar* pBar = GetStatusBar();
    return pBar != nullptr && pBar->TestOption(dwBits);
}

int CMainBaseFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_windowState.RestorePlacement();
    CIconMenu* pIconMenu = GetIconMenu();
    if (pIconMenu != nullptr && lpCreateStruct->hMenu != nullptr)
        pIconMenu->PrepareMenu(CMenu::FromHandle(lpCreateStruct->hMenu));
    return 0;
}

void CMainBaseFrame::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CIconMenu* pIconMenu = GetIconMenu();
    if (lpDrawItemStruct->CtlType == ODT_MENU && pIconMenu != nullptr)
    {
        pIconMenu->DrawItem(TrackedPopupMenu() != nullptr ? ICONMENU_TREE_POPUP : ICONMENU_TREE_BAR,
                            lpDrawItemStruct);
        return;
    }
    CFrameWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CMainBaseFrame::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    CIconMenu* pIconMenu = GetIconMenu();
    if (lpMeasureItemStruct->CtlType == ODT_MENU && pIconMenu != nullptr)
    {
        HMENU hTracked = TrackedPopupMenu();
        if (hTracked != nullptr)
            pIconMenu->MeasureItem(CMenu::FromHandle(hTracked), ICONMENU_TREE_POPUP, lpMeasureItemStruct);
        else
            pIconMenu->MeasureItem(GetMenu(), ICONMENU_TREE_BAR, lpMeasureItemStruct);
        return;
    }
    CFrameWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CMainBaseFrame::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    CIconMenu* pIconMenu = GetIconMenu();
    if (bSysMenu || pIconMenu == nullptr)
        return;
    if (TrackedPopupMenu() != nullptr)
        pIconMenu->PreparePopupMenu(pPopupMenu);
    else
        MarkMenuOwnerDraw(pPopupMenu);
}

void CMainBaseFrame::OnClose()
{
    CloseFrame();
}

BOOL CMainBaseFrame::OnQueryEndSession()
{
    if (IsFrameBusy())
        return FALSE;
    return CFrameWnd::OnQueryEndSession() && CanCloseFrame();
}

void CMainBaseFrame::OnEndSession(BOOL bEnding)
{
    // The session may end without this window ever being destroyed.
    SaveFrameBarState();
    m_windowState.Save();
    CFrameWnd::OnEndSession(bEnding);
}

void CMainBaseFrame::OnDestroy()
{
    if (!TestFrameOption(optionSaveStateOnMove))
        m_windowState.Save();
    m_helpWindow.Close();
    CFrameWnd::OnDestroy();
}

void CMainBaseFrame::OnEnterMenuLoop(BOOL bIsTrackPopupMenu)
{
    m_frameState.Add(stateMenuLoop);
    CFrameWnd::OnEnterMenuLoop(bIsTrackPopupMenu);
}

void CMainBaseFrame::OnExitMenuLoop(BOOL bIsTrackPopupMenu)
{
    m_frameState.Remove(stateMenuLoop);
    CFrameWnd::OnExitMenuLoop(bIsTrackPopupMenu);
}

void CMainBaseFrame::OnEnterSizeMove()
{
    m_frameState.Add(stateSizeMove);
    CFrameWnd::OnEnterSizeMove();
}

void CMainBaseFrame::OnExitSizeMove()
{
    m_frameState.Remove(stateSizeMove);
    if (TestFrameOption(optionSaveStateOnMove))
        m_windowState.Save();
    CFrameWnd::OnExitSizeMove();
}
