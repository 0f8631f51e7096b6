#include "controls/TranslucentPopup.h"

#include "afx/DC.h"
#include "afx/ScopedWin.h"
#include "app/AppComm.h"
#include "app/MemoryDC.h"
#include "controls/ListControlResourceIds.h"
#include "controls/SelectionBand.h"

BEGIN_MESSAGE_MAP(CTranslucentPopup, CDialog)
ON_WM_CTLCOLOR()
ON_WM_PAINT()
END_MESSAGE_MAP()

CTranslucentPopup::CTranslucentPopup(CWnd* pParent) : CDialog(IDD_TRANSLUCENT_POPUP, pParent)
{
    m_rcBand.SetRectEmpty();
}

BOOL CTranslucentPopup::OnInitDialog()
{
    CDialog::OnInitDialog();
    BOOL bLayered = FALSE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->IsKindOf(RUNTIME_CLASS(CAppComm)) && m_hWnd != nullptr)
    {
        ModifyStyleEx(0, WS_EX_LAYERED);
        DWORD dwFlags = LWA_ALPHA | (m_bNonLayered ? 0 : LWA_COLORKEY);
        bLayered = static_cast<CAppComm*>(pApp)->GetLayeredWindowApi().SetLayeredWindowAttributes(
            m_hWnd, m_crKey, OpacityToAlpha(m_nOpacity), dwFlags);
    }
    // A layered window without its attributes would show nothing.
    if (!bLayered)
    {
        if (m_hWnd != nullptr)
            ModifyStyleEx(WS_EX_LAYERED, 0);
        m_bNonLayered = TRUE;
    }
    m_brBackground.CreateSolidBrush(m_bNonLayered ? ::GetSysColor(COLOR_HIGHLIGHT) : m_crKey);
    return FALSE;
}

HBRUSH CTranslucentPopup::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG)
        return (HBRUSH)m_brBackground.GetSafeHandle();
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CTranslucentPopup::OnPaint()
{
    CPaintDC dc(this);
    if (m_bNonLayered)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CMemoryDC buffer(&dc);
    CDC* pMemDC = buffer.Create(rcClient.Width(), rcClient.Height());
    if (pMemDC == nullptr)
        return;
    buffer.Fill(m_crKey);
    CRect rcBand(m_rcBand);
    ScreenToClient(&rcBand);
    if (!rcBand.IsRectEmpty())
    {
        COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
        pMemDC->FillSolidRect(&rcBand, crHighlight);
        if (m_nEdgeFlags != 0)
        {
            CPen pen(PS_SOLID, 1, BandPenColor(crHighlight));
            CScopedSelectObject selectPen(*pMemDC, pen);
            const int right = rcBand.right - 1;
            const int bottom = rcBand.bottom - 1;
            if (m_nEdgeFlags & BAND_EDGE_LEFT)
            {
                pMemDC->MoveTo(rcBand.left, rcBand.top);
                pMemDC->LineTo(rcBand.left, rcBand.bottom);
            }
            if (m_nEdgeFlags & BAND_EDGE_RIGHT)
            {
                pMemDC->MoveTo(right, rcBand.top);
                pMemDC->LineTo(right, rcBand.bottom);
            }
            if (m_nEdgeFlags & BAND_EDGE_TOP)
            {
                pMemDC->MoveTo(rcBand.left, rcBand.top);
                pMemDC->LineTo(rcBand.right, rcBand.top);
            }
            if (m_nEdgeFlags & BAND_EDGE_BOTTOM)
            {
                pMemDC->MoveTo(rcBand.left, bottom);
                pMemDC->LineTo(rcBand.right, bottom);
            }
        }
    }
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), pMemDC, 0, 0, SRCCOPY);
}

void CTranslucentPopup::SetBandRect(const RECT& rcBand, BOOL bShow)
{
    CRect rcOld(m_rcBand);
    m_rcBand = rcBand;
    if (bShow)
        Reveal(rcOld);
}

int CTranslucentPopup::Reveal(const RECT& rcOld)
{
    if (m_hWnd == nullptr)
        return 0;
    if (m_bNonLayered)
    {
        if (m_rcBand.IsRectEmpty())
            return 0;
        SetWindowPos(nullptr, m_rcBand.left, m_rcBand.top, m_rcBand.Width(), m_rcBand.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    }
    else
    {
        CRect rcUnion;
        rcUnion.UnionRect(&rcOld, &m_rcBand);
        ScreenToClient(&rcUnion);
        InvalidateRect(&rcUnion, FALSE);
    }
    if (!IsWindowVisible())
        ShowWindow(SW_SHOWNOACTIVATE);
    return 1;
}
