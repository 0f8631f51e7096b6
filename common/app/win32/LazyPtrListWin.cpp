#include "app/LazyPtrList.h"

#include "afx/Wnd.h"

BOOL CLazyPtrList::IsCursorOutside() const
{
    if (m_pList == nullptr || m_pWnd == nullptr)
        return TRUE;
    HWND hWnd = m_pWnd->GetSafeHwnd();
    POINT cursor;
    if (!::IsWindow(hWnd) || !::GetCursorPos(&cursor))
        return TRUE;
    for (POSITION pos = m_pList->GetHeadPosition(); pos != nullptr;)
    {
        HWND hControl = ::GetDlgItem(hWnd, (int)m_pList->GetNext(pos));
        RECT rect;
        if (hControl != nullptr && ::IsWindowVisible(hControl) && ::GetWindowRect(hControl, &rect) &&
            ::PtInRect(&rect, cursor))
            return FALSE;
    }
    return TRUE;
}
