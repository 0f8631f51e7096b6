#include "app/WindowTextCache.h"

#include "afx/WinApp.h"
#include "afx/Wnd.h"

CWindowTextCache::CWindowTextCache(UINT nIDText)
{
    LoadText(nIDText);
}

BOOL CWindowTextCache::SetText(LPCTSTR lpszText)
{
    if (lpszText == nullptr || *lpszText == '\0')
        return FALSE;
    m_strText = lpszText;
    return TRUE;
}

BOOL CWindowTextCache::LoadText(UINT nIDText)
{
    CString strText;
    strText.LoadString(nIDText);
    return SetText(strText);
}

BOOL CWindowTextCache::SetFromAppName()
{
    return SetText(AfxGetAppName());
}

BOOL CWindowTextCache::Apply(CWnd* pWnd) const
{
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()) || m_strText.IsEmpty())
        return FALSE;
    CString strCurrent;
    pWnd->GetWindowText(strCurrent);
    if (strCurrent.Compare(m_strText) != 0)
        pWnd->SetWindowText(m_strText);
    return TRUE;
}
