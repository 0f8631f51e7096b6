#include "app/WindowStateKeeper.h"

#include "afx/Wnd.h"
#include "app/WindowHelpers.h"

BOOL CKeptWnd::IsKeptWindowValid() const
{
    return IsWindowValid(m_pWnd);
}

BOOL CKeptWnd::GetNormalRect(CRect& rcNormal) const
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!IsWindowValid(m_pWnd) || !::GetWindowPlacement(m_pWnd->m_hWnd, &wp))
        return FALSE;
    rcNormal = wp.rcNormalPosition;
    // The placement of a top-level window counts from the work area's
    // corner; the keeper restores in screen coordinates.
    if ((m_pWnd->GetExStyle() & WS_EX_TOOLWINDOW) == 0 && (m_pWnd->GetStyle() & WS_CHILD) == 0)
    {
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        HMONITOR hMonitor = ::MonitorFromRect(rcNormal, MONITOR_DEFAULTTONEAREST);
        if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &mi))
            rcNormal.OffsetRect(mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    }
    return TRUE;
}

BOOL CKeptWnd::IsKeptWindowMaximized() const
{
    return IsWindowValid(m_pWnd) && m_pWnd->IsZoomed();
}

BOOL CKeptWnd::MoveInWorkArea(int left, int top, int width, int height, BOOL bCenter)
{
    return MoveWindowInWorkArea(m_pWnd, left, top, width, height, bCenter);
}

void CKeptWnd::ShowMaximized()
{
    if (IsWindowValid(m_pWnd))
        m_pWnd->ShowWindow(SW_SHOWMAXIMIZED);
}
