#include "app/WindowHelpers.h"

#include "afx/Rect.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"
#include "app/Placement.h"

namespace
{
// The work area of the monitor the rectangle lies on, else the primary
// monitor's.
BOOL GetWorkAreaFor(const CRect& rcWindow, CRect& rcWork)
{
    HMONITOR hMonitor = ::MonitorFromRect(&rcWindow, MONITOR_DEFAULTTONULL);
    if (hMonitor != nullptr)
    {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        if (::GetMonitorInfoA(hMonitor, &info))
        {
            rcWork = info.rcWork;
            return TRUE;
        }
    }
    return ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
}
} // namespace

BOOL MoveWindowInWorkArea(CWnd* pWnd, int left, int top, int width, int height, BOOL bCenter)
{
    if (width <= 0 || height <= 0 || pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()))
        return FALSE;
    CRect rcWork;
    BOOL bHaveWork = GetWorkAreaFor(CRect(left, top, left + width, top + height), rcWork);
    CRect rcPlaced;
    if (!PlaceInWorkArea(bHaveWork ? (LPCRECT)rcWork : nullptr, left, top, width, height, bCenter, rcPlaced))
        return FALSE;
    pWnd->MoveWindow(rcPlaced.left, rcPlaced.top, rcPlaced.Width(), rcPlaced.Height(), TRUE);
    return TRUE;
}

BOOL IsWindowValid(const CWnd* pWnd)
{
    return pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd());
}

void EnableWindowIfExists(CWnd* pWnd, BOOL bEnable)
{
    if (IsWindowValid(pWnd))
        pWnd->EnableWindow(bEnable);
}

void SetFocusIfExists(CWnd* pWnd)
{
    if (IsWindowValid(pWnd))
        pWnd->SetFocus();
}

BOOL SubclassDlgItemIfExists(CWnd& control, UINT nID, CWnd* pParent)
{
    if (control.m_hWnd != nullptr || !IsWindowValid(pParent) ||
        ::GetDlgItem(pParent->m_hWnd, (int)nID) == nullptr)
        return FALSE;
    return control.SubclassDlgItem(nID, pParent);
}

BOOL BringMainWindowForward()
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMain = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    if (!IsWindowValid(pMain))
        return FALSE;
    if (pMain->IsIconic())
        pMain->ShowWindow(SW_SHOWNORMAL);
    if (::GetForegroundWindow() == pMain->m_hWnd)
        return TRUE;
    if (pMain->IsWindowVisible())
        return pMain->SetForegroundWindow();
    return FALSE;
}

namespace
{
// The system's cursors are shared and never destroyed: loaded once, since
// each load asks the window station again (every HTTP request sets both).
HCURSOR SystemCursor(LPCSTR lpszName, HCURSOR& hCache)
{
    if (hCache == nullptr)
        hCache = ::LoadCursorA(nullptr, lpszName);
    return hCache;
}
HCURSOR g_hBusyCursor = nullptr;
HCURSOR g_hArrowCursor = nullptr;
} // namespace

CBusyCursor::CBusyCursor()
{
    ::SetCursor(SystemCursor(IDC_APPSTARTING, g_hBusyCursor));
}

CBusyCursor::~CBusyCursor()
{
    ::SetCursor(SystemCursor(IDC_ARROW, g_hArrowCursor));
}
