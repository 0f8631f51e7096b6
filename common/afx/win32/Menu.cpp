// CMenu: menu handles, pop-ups and the menu being tracked.
#include "afx/Menu.h"

#include "afx/WinApp.h"
#include "afx/Wnd.h"
#include "afx/win32/HandleObjectImpl.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

template class CHandleObject<CMenu, AFX_MENU_HANDLE>;

CMenu* CMenu::FindPermanentPopup(HMENU hMenu, UINT nID)
{
    if (hMenu == nullptr || !::IsMenu(hMenu))
        return nullptr;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != nullptr)
        {
            if (CMenu* pFound = FindPermanentPopup(hSub, nID))
                return pFound;
        }
        else if (::GetMenuItemID(hMenu, i) == nID)
            return FromHandlePermanent(hMenu);
    }
    return nullptr;
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), lpszResourceName));
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HMENU hOld = pState->m_hTrackingMenu;
    pState->m_hTrackingMenu = m_hMenu;
    BOOL bResult = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
    pState->m_hTrackingMenu = hOld;
    return bResult;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

HMENU AFXAPI AfxGetTrackingMenu()
{
    return AfxGetThreadState()->m_hTrackingMenu;
}
