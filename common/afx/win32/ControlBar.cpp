// CControlBar: layout in the frame, borders and idle updates.
#include "afx/ControlBar.h"

#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "afx/win32/AfxState.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_PAINT()
ON_WM_DESTROY()
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() = default;

void CControlBar::SetupBar(CWnd* pParentWnd, DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    // Bars without a border on a side keep no room for it.
    if ((m_dwStyle & CBRS_BORDER_ANY) == 0)
        m_cyTopBorder = m_cyBottomBorder = 0;
    m_pDockSite =
        pParentWnd != nullptr && pParentWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pParentWnd) : nullptr;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle != dwStyle)
    {
        m_dwStyle = dwStyle;
        if (m_hWnd != nullptr)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // The frame's layout places the bar; the common control must not.
    cs.style |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    return TRUE;
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CControlBar::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr)
        pFrame->RemoveControlBar(this);
    CWnd::OnDestroy();
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = bStretch && bHorz ? 32767 : 0;
    size.cy = bStretch && !bHorz ? 32767 : 0;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & 0x0010) != 0, (nMode & 0x0004) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    DWORD dwStyle = m_dwStyle;
    if ((dwStyle & CBRS_BORDER_LEFT) != 0)
        rect.left += 2;
    if ((dwStyle & CBRS_BORDER_TOP) != 0)
        rect.top += 2;
    if ((dwStyle & CBRS_BORDER_RIGHT) != 0)
        rect.right -= 2;
    if ((dwStyle & CBRS_BORDER_BOTTOM) != 0)
        rect.bottom -= 2;
    if ((dwStyle & CBRS_GRIPPER) != 0)
    {
        if (bHorz)
            rect.left += 6;
        else
            rect.top += 6;
    }
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if ((GetStyle() & WS_VISIBLE) == 0 || (m_dwStyle & CBRS_ALIGN_ANY) == 0)
        return 0;
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    CSize size = CalcFixedLayout(lpLayout->bStretch, bHorz);
    size.cx = size.cx < sizeAvail.cx ? size.cx : sizeAvail.cx;
    size.cy = size.cy < sizeAvail.cy ? size.cy : sizeAvail.cy;
    if (bHorz)
    {
        lpLayout->sizeTotal.cy += size.cy;
        if (lpLayout->sizeTotal.cx < size.cx)
            lpLayout->sizeTotal.cx = size.cx;
        if ((m_dwStyle & CBRS_ALIGN_TOP) != 0)
        {
            lpLayout->rect.top += size.cy;
            rect.bottom = rect.top + size.cy;
        }
        else
        {
            lpLayout->rect.bottom -= size.cy;
            rect.top = rect.bottom - size.cy;
        }
        if (lpLayout->bStretch)
            rect.right = rect.left + sizeAvail.cx;
        else
            rect.right = rect.left + size.cx;
    }
    else
    {
        lpLayout->sizeTotal.cx += size.cx;
        if (lpLayout->sizeTotal.cy < size.cy)
            lpLayout->sizeTotal.cy = size.cy;
        if ((m_dwStyle & CBRS_ALIGN_LEFT) != 0)
        {
            lpLayout->rect.left += size.cx;
            rect.right = rect.left + size.cx;
        }
        else
        {
            lpLayout->rect.right -= size.cx;
            rect.left = rect.right - size.cx;
        }
        rect.bottom = rect.top + (lpLayout->bStretch ? sizeAvail.cy : size.cy);
    }
    if (lpLayout->hDWP != nullptr)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM)
{
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CFrameWnd* pTarget = GetDockingFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // The borders and the gripper live in the non-client area.
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CControlBar::OnNcPaint()
{
    EraseNonClient();
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    ScreenToClient(rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawBorders(&dc, rectWindow);
    dc.FillRect(rectWindow, (HBRUSH)(COLOR_BTNFACE + 1));
    DrawGripper(&dc, rectWindow);
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if ((m_dwStyle & CBRS_BORDER_TOP) != 0)
    {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
        rect.top += 2;
    }
    if ((m_dwStyle & CBRS_BORDER_BOTTOM) != 0)
    {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
        rect.bottom -= 2;
    }
    if ((m_dwStyle & CBRS_BORDER_LEFT) != 0)
    {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
        rect.left += 2;
    }
    if ((m_dwStyle & CBRS_BORDER_RIGHT) != 0)
    {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
        rect.right -= 2;
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & CBRS_GRIPPER) == 0)
        return;
    // A raised bar along the leading edge.
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (bHorz)
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, 3, rect.Height() - 4, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, rect.Width() - 4, 3, clrHilite, clrShadow);
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    CWnd::OnWindowPosChanging(lpWndPos);
    // A bar that changes size repaints its borders.
    if ((lpWndPos->flags & SWP_NOSIZE) == 0)
        lpWndPos->flags |= SWP_FRAMECHANGED;
}
