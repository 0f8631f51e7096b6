#include "controls/SelectionBandTracker.h"

#include "afx/CommonControls.h"
#include "controls/SelectionBand.h"
#include "controls/TranslucentPopup.h"

CSelectionBandTracker::CSelectionBandTracker()
{
    Reset();
}

CSelectionBandTracker::~CSelectionBandTracker()
{
    DestroyBandWindow();
}

void CSelectionBandTracker::SetAnchor(POINT pt)
{
    m_ptAnchor = pt;
    Add(flagAnchor);
}

void CSelectionBandTracker::MoveAnchor(int dx, int dy)
{
    m_ptAnchor.Offset(dx, dy);
}

void CSelectionBandTracker::SetCurrentPoint(POINT pt)
{
    m_ptCurrent = pt;
    Add(flagCurrent);
}

void CSelectionBandTracker::SetPendingPoint(POINT pt)
{
    m_ptPending = pt;
    Add(flagPending);
}

BOOL CSelectionBandTracker::GetBandRect(RECT* pRect, const POINT* pPoint) const
{
    if (!HasAnchor())
        return FALSE;
    if (pPoint == nullptr)
    {
        if (!TestAny(flagCurrent))
            return FALSE;
        pPoint = &m_ptCurrent;
    }
    return GetBandRectFrom(m_ptAnchor, *pPoint, pRect);
}

void CSelectionBandTracker::SnapshotSelection(CListCtrl* pList)
{
    m_snapshot.clear();
    if (pList == nullptr || (pList->GetStyle() & LVS_SINGLESEL) != 0)
        return;
    int nCount = pList->GetItemCount();
    m_snapshot.resize(nCount > 0 ? nCount : 0);
    // Only selected rows differ from 0: walking them is quicker than
    // asking every row of a long list.
    for (int nRow = pList->GetNextItem(-1, LVNI_SELECTED); nRow >= 0 && nRow < nCount;
         nRow = pList->GetNextItem(nRow, LVNI_SELECTED))
        m_snapshot[nRow] = LVIS_SELECTED;
}

BOOL CSelectionBandTracker::WasSelected(int nRow) const
{
    return nRow >= 0 && nRow < (int)m_snapshot.size() && (m_snapshot[nRow] & LVIS_SELECTED) != 0;
}

void CSelectionBandTracker::SetBandWindow(std::unique_ptr<CTranslucentPopup> pWindow)
{
    DestroyBandWindow();
    m_pBandWindow = std::move(pWindow);
}

void CSelectionBandTracker::DestroyBandWindow()
{
    if (m_pBandWindow && m_pBandWindow->m_hWnd != nullptr)
        m_pBandWindow->DestroyWindow();
    m_pBandWindow.reset();
}

void CSelectionBandTracker::Reset()
{
    Clear();
    m_ptAnchor = CPoint(0, 0);
    m_ptCurrent = CPoint(0, 0);
    m_ptPending = CPoint(0, 0);
    m_snapshot.clear();
}
