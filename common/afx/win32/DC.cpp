// Device contexts.
#include "afx/DC.h"

#include "afx/Wnd.h"
#include "afx/win32/HandleObjectImpl.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

template class CHandleObject<CDC, AFX_DC_HANDLE>;

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT pt = {};
    ::SetBrushOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {};
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {};
    ::GetViewportOrgEx(m_hDC, &pt);
    return pt;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {};
    ::SetWindowOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    return pt;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {};
    ::MoveToEx(m_hDC, x, y, &pt);
    return pt;
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    // ExtTextOut with an opaque rectangle fills without a brush.
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
