// CCommListCtrl: the rubber band. A drag that starts in the empty part of
// the list shows a translucent band and selects the rows it covers; when
// the mouse leaves the list, the list scrolls, by itself on a timer while
// the mouse rests.
#include "controls/CommListCtrl.h"

#include "controls/ListControlResourceIds.h"
#include "controls/SelectionBand.h"
#include "controls/TranslucentPopup.h"

#include <memory>

namespace
{
int HeaderHeight(const CListHeaderCtrl& header)
{
    if (header.m_hWnd == nullptr || !header.IsWindowVisible())
        return 0;
    CRect rc;
    header.GetWindowRect(&rc);
    return rc.Height();
}
} // namespace

BOOL CCommListCtrl::GetBandClipRect(RECT* pRect) const
{
    if (pRect == nullptr || m_hWnd == nullptr)
        return FALSE;
    CRect rc;
    GetWindowRect(&rc);
    rc.top += HeaderHeight(m_header) + 1;
    rc.bottom -= 1;
    *pRect = rc;
    return TRUE;
}

void CCommListCtrl::BeginDrag()
{
    m_band.Add(CSelectionBandTracker::flagDragging);
    SetCapture();
    CPoint pt;
    GetCursorScreenPos(&pt);
    m_band.SetAnchor(pt);
    m_band.SnapshotSelection(this);
}

void CCommListCtrl::EndDrag()
{
    if (m_band.IsDragging())
    {
        m_band.DestroyBandWindow();
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        m_band.Remove(CSelectionBandTracker::flagDragging);
    }
    if (m_hWnd != nullptr)
        KillTimer(LIST_TIMER_AUTOSCROLL);
    m_band.Reset();
}

void CCommListCtrl::DragMove(CPoint point)
{
    // A point far outside scrolls again at once: a loop, so that a long
    // list scrolled to its end does not nest a call per row.
    for (;;)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        CBandPoint band = ClampBandPoint(point, rcClient.Width(), rcClient.Height(), HeaderHeight(m_header));
        int nRowHeight = GetVisibleRowHeight();
        DWORD dwStyle = GetStyle();
        int dx = 0, dy = 0;
        if ((dwStyle & WS_HSCROLL) != 0 && (band.nRight > 0 || band.nLeft > 0))
        {
            BOOL bRight = band.nRight > 0;
            dx = ScrollBy(TRUE, bRight, MinimumHorizontalStep(bRight ? band.nRight : band.nLeft, nRowHeight));
        }
        if (dx == 0 && (dwStyle & WS_VSCROLL) != 0 && (band.nBottom > 0 || band.nTop > 0))
            dy = ScrollBy(FALSE, band.nBottom > 0, 0);
        if (dx != 0 || dy != 0)
            m_band.MoveAnchor(-dx, -dy);

        SelectRowsInBand();
        CPoint ptScreen(band.pt);
        ClientToScreen(&ptScreen);
        ShowBand(&ptScreen);

        if (dx == 0 && dy == 0)
            return;
        CPoint ptCursor;
        GetCursorScreenPos(&ptCursor);
        ScreenToClient(&ptCursor);
        if (ptCursor != point)
            return;
        if (!ScrollsAgainAtOnce(OvershootOfScroll(band, dx, dy), nRowHeight))
        {
            m_band.SetPendingPoint(point);
            SetTimer(LIST_TIMER_AUTOSCROLL, LIST_AUTOSCROLL_PERIOD);
            return;
        }
    }
}

int CCommListCtrl::GetVisibleRowHeight() const
{
    CRect rc;
    int nTop = GetTopIndex();
    if (GetItemCount() > 0 && GetItemRect(nTop >= 0 ? nTop : 0, &rc, LVIR_BOUNDS) && rc.Height() > 0)
        return rc.Height();
    return m_nRowHeight;
}

int CCommListCtrl::ScrollBy(BOOL bHorizontal, BOOL bTowardsEnd, int nMinimum)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    if (!::GetScrollInfo(m_hWnd, bHorizontal ? SB_HORZ : SB_VERT, &si))
        return 0;
    int nLimit = si.nMax - (si.nPage > 0 ? (int)si.nPage : 1) + 1;
    int nAmount = ScrollStep(bHorizontal, bTowardsEnd, si.nPos, nLimit, GetVisibleRowHeight(), nMinimum);
    if (nAmount == 0)
        return 0;
    Scroll(bHorizontal ? CSize(nAmount, 0) : CSize(0, nAmount));
    // What came into view is drawn at once.
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcStrip(rcClient);
    int nSize = nAmount < 0 ? -nAmount : nAmount;
    if (bHorizontal)
    {
        if (bTowardsEnd)
            rcStrip.left = rcStrip.right - nSize;
        else
            rcStrip.right = rcStrip.left + nSize;
    }
    else
    {
        if (bTowardsEnd)
            rcStrip.top = rcStrip.bottom - nSize;
        else
            rcStrip.bottom = rcStrip.top + nSize;
    }
    RedrawWindow(&rcStrip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return nAmount;
}

void CCommListCtrl::SelectRowsInBand()
{
    CRect rcBand;
    if (!m_band.GetBandRect(&rcBand))
        return;
    ScreenToClient(&rcBand);
    int nCount = GetItemCount();
    int nFirst = GetTopIndex();
    int nLast = nFirst + GetCountPerPage();
    BOOL bSingle = IsSingleSelect();
    for (int nRow = nFirst < 0 ? 0 : nFirst; nRow <= nLast && nRow < nCount; ++nRow)
    {
        CRect rcRow, rcCommon;
        if (!GetItemRect(nRow, &rcRow, LVIR_BOUNDS))
            continue;
        BOOL bInBand = rcCommon.IntersectRect(&rcRow, &rcBand);
        int nWanted = WantedBandState(bInBand, bSingle ? FALSE : m_band.WasSelected(nRow), bSingle);
        if (bSingle)
        {
            if (nWanted == BAND_SELECT)
            {
                SelectSingleItem(nRow);
                return;
            }
            continue;
        }
        if (nWanted == BAND_LEAVE)
            continue;
        BOOL bSelect = nWanted == BAND_SELECT;
        if (IsRowSelected(nRow) != bSelect)
            SetItemStateMasked(nRow, bSelect ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
}

BOOL CCommListCtrl::ShowBand(const POINT* pScreenPoint)
{
    if (!m_band.HasAnchor())
        return FALSE;
    if (pScreenPoint == nullptr)
    {
        m_band.DestroyBandWindow();
        return FALSE;
    }
    CTranslucentPopup* pBand = m_band.GetBandWindow();
    if (pBand == nullptr)
    {
        CWnd* pDesktop = CWnd::GetDesktopWindow();
        auto pWindow = std::make_unique<CTranslucentPopup>(pDesktop);
        pWindow->SetNonLayered(FALSE);
        if (!pWindow->Create(IDD_TRANSLUCENT_POPUP, pDesktop))
            return FALSE;
        if (pWindow->IsNonLayered())
        {
            pWindow->SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        else
        {
            // The layered window covers the list; the band is painted in it.
            CRect rcClip;
            GetBandClipRect(&rcClip);
            pWindow->SetWindowPos(&wndTopMost, rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(),
                                  SWP_NOACTIVATE);
        }
        m_band.SetBandWindow(std::move(pWindow));
        pBand = m_band.GetBandWindow();
    }
    CRect rcBand;
    if (!m_band.GetBandRect(&rcBand, pScreenPoint))
        return FALSE;
    CRect rcClip;
    GetBandClipRect(&rcClip);
    HWND hActive = ::GetActiveWindow();
    if (hActive != nullptr)
    {
        CRect rcActive;
        ::GetWindowRect(hActive, &rcActive);
        rcActive.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
        rcClip.IntersectRect(&rcClip, &rcActive);
    }
    if (!pBand->IsNonLayered())
        pBand->SetEdgeFlags(BandEdgeFlags(rcBand, rcClip));
    CRect rcShown;
    rcShown.IntersectRect(&rcBand, &rcClip);
    if (!pBand->IsNonLayered() || !rcShown.IsRectEmpty())
    {
        pBand->SetBandRect(rcShown, TRUE);
        m_band.SetCurrentPoint(*pScreenPoint);
        return TRUE;
    }
    return FALSE;
}
