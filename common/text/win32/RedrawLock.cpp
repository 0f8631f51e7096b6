#include "text/RedrawLock.h"

#include "afx/Wnd.h"

CRedrawLock::CRedrawLock(CWnd* pWnd) : m_hWnd(nullptr)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    if (::IsWindow(hWnd))
    {
        m_hWnd = hWnd;
        ::SendMessageA(hWnd, WM_SETREDRAW, FALSE, 0);
    }
}

CRedrawLock::~CRedrawLock()
{
    Release();
}

LRESULT CRedrawLock::Release()
{
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return 0;
    return ::SendMessageA(hWnd, WM_SETREDRAW, TRUE, 0);
}
