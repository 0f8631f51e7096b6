#include "app/CommStatusBar.h"

#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/Menu.h"
#include "afx/MsgMap.h"
#include "afx/ScopedWin.h"

static_assert(STATUSPANE_STYLE_NOBORDERS == SBT_NOBORDERS, "the pane style is the control's");

IMPLEMENT_DYNAMIC(CCommStatusBar, CStatusBar)

BEGIN_MESSAGE_MAP(CCommStatusBar, CStatusBar)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_SETCURSOR()
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
UINT DrawTextAlignment(int nAlign)
{
    switch (nAlign)
    {
    case STATUSPANE_ALIGN_CENTER:
        return DT_CENTER;
    case STATUSPANE_ALIGN_RIGHT:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}
} // namespace

CCommStatusBar::CCommStatusBar() : m_options(optionRedrawColoredPanes) {}

CCommStatusBar::~CCommStatusBar() = default;

const CStatusPane* CCommStatusBar::GetPaneRecord(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_paneRecords.size() ? &m_paneRecords[(size_t)nIndex] : nullptr;
}

CStatusPane* CCommStatusBar::PaneRecord(int nIndex)
{
    return nIndex >= 0 && nIndex < (int)m_paneRecords.size() ? &m_paneRecords[(size_t)nIndex] : nullptr;
}

BOOL CCommStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_paneRecords.assign(nIDCount > 0 ? (size_t)nIDCount : 0, CStatusPane());
    return CStatusBar::SetIndicators(lpIDArray, nIDCount);
}

BOOL CCommStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex >= 0 && nIndex < m_nCount && m_panes[(size_t)nIndex].strText == CString(lpszNewText))
        return TRUE;
    const CStatusPane* pPane = GetPaneRecord(nIndex);
    if (pPane != nullptr && pPane->IsTimedTextShowing())
        bUpdate = FALSE;
    BOOL bResult = CStatusBar::SetPaneText(nIndex, lpszNewText, bUpdate);
    if (bResult && bUpdate && TestOption(optionRedrawColoredPanes) && TestPaneStyle(nIndex, SBT_OWNERDRAW))
    {
        // Where the control repaints the bar, the other coloured panes
        // would lose their colours until their next change.
        RedrawPaneNow(nIndex);
        for (int i = 0; i < m_nCount; ++i)
        {
            if (i != nIndex && TestPaneStyle(i, SBT_OWNERDRAW))
                RedrawPaneNow(i);
        }
    }
    return bResult;
}

void CCommStatusBar::UpdateOwnerDraw(int nIndex)
{
    const CStatusPane* pPane = GetPaneRecord(nIndex);
    if (pPane == nullptr)
        return;
    if (pPane->IsPlain())
        RemovePaneStyle(nIndex, SBT_OWNERDRAW);
    else
        AddPaneStyle(nIndex, SBT_OWNERDRAW);
}

template <class Change> BOOL CCommStatusBar::ChangePaneLook(int nIndex, BOOL bRedraw, Change change)
{
    CStatusPane* pPane = PaneRecord(nIndex);
    if (pPane == nullptr)
        return FALSE;
    change(*pPane);
    UpdateOwnerDraw(nIndex);
    if (bRedraw)
        InvalidatePane(nIndex);
    return TRUE;
}

BOOL CCommStatusBar::SetPaneTextColor(int nIndex, COLORREF crText, BOOL bRedraw)
{
    return ChangePaneLook(nIndex, bRedraw, [=](CStatusPane& pane) { pane.m_crText = crText; });
}

BOOL CCommStatusBar::SetPaneBkColor(int nIndex, COLORREF crBack, BOOL bRedraw)
{
    return ChangePaneLook(nIndex, bRedraw, [=](CStatusPane& pane) { pane.m_crBack = crBack; });
}

BOOL CCommStatusBar::SetPaneAlignment(int nIndex, int nAlign, BOOL bRedraw)
{
    return ChangePaneLook(nIndex, bRedraw, [=](CStatusPane& pane) { pane.m_nAlign = nAlign; });
}

BOOL CCommStatusBar::ShowTimedText(int nIndex, int nSeconds, COLORREF crText, COLORREF crBack,
                                   BOOL bClearPaneText, BOOL bRedraw)
{
    CStatusPane* pPane = PaneRecord(nIndex);
    if (pPane == nullptr || !CanShowTimedText(nIndex, m_nCount))
        return FALSE;
    CString strTimedText;
    if (nSeconds > 0)
    {
        strTimedText = GetPaneText(nIndex);
        if (bClearPaneText)
            CStatusBar::SetPaneText(nIndex, "", FALSE);
    }
    pPane->SetTimedText(nSeconds, strTimedText, crText, crBack);
    const UINT nTimer = StatusPaneTimerId(nIndex);
    if (m_hWnd != nullptr)
    {
        KillTimer(nTimer);
        if (nSeconds > 0)
            SetTimer(nTimer, (UINT)nSeconds * 1000);
    }
    UpdateOwnerDraw(nIndex);
    if (bRedraw)
        InvalidatePane(nIndex);
    return TRUE;
}

BOOL CCommStatusBar::ShowTimedTextByKind(int nIndex, int nKind, COLORREF crText, COLORREF crBack,
                                         BOOL bClearPaneText, BOOL bRedraw)
{
    int nSeconds = TimedTextSecondsOfKind(nKind);
    if (nSeconds < 0)
        return FALSE;
    return ShowTimedText(nIndex, nSeconds, crText, crBack, bClearPaneText, bRedraw);
}

BOOL CCommStatusBar::EndTimedText(int nIndex, BOOL bClearPaneText)
{
    return ShowTimedText(nIndex, 0, STATUSPANE_NO_COLOR, STATUSPANE_NO_COLOR, bClearPaneText, TRUE);
}

BOOL CCommStatusBar::IsTimedTextShowing(int nIndex) const
{
    const CStatusPane* pPane = GetPaneRecord(nIndex);
    return pPane != nullptr && pPane->IsTimedTextShowing();
}

int CCommStatusBar::GetPaneWidth(int nIndex) const
{
    UINT nID = 0;
    UINT nStyle = 0;
    int cxWidth = 0;
    GetPaneInfo(nIndex, nID, nStyle, cxWidth);
    return cxWidth;
}

int CCommStatusBar::SetPaneWidth(int nIndex, int cxWidth)
{
    UINT nID = 0;
    UINT nStyle = 0;
    int cxOld = 0;
    GetPaneInfo(nIndex, nID, nStyle, cxOld);
    SetPaneInfo(nIndex, nID, nStyle, cxWidth);
    return cxOld;
}

BOOL CCommStatusBar::SetPaneNumber(int nIndex, int nValue, UINT nFormatId, BOOL bUpdate)
{
    return SetPaneText(nIndex, FormatPaneNumber(nValue, nFormatId), bUpdate);
}

BOOL CCommStatusBar::TestPaneStyle(int nIndex, UINT nStyle) const
{
    return (GetPaneStyle(nIndex) & nStyle) != 0;
}

void CCommStatusBar::AddPaneStyle(int nIndex, UINT nStyle)
{
    SetPaneStyle(nIndex, GetPaneStyle(nIndex) | nStyle);
}

void CCommStatusBar::RemovePaneStyle(int nIndex, UINT nStyle)
{
    SetPaneStyle(nIndex, GetPaneStyle(nIndex) & ~nStyle);
}

void CCommStatusBar::InvalidatePane(int nIndex)
{
    if (m_hWnd == nullptr)
        return;
    CRect rect;
    GetItemRect(nIndex, rect);
    if (!rect.IsRectEmpty())
        InvalidateRect(rect, TRUE);
}

void CCommStatusBar::RedrawPaneNow(int nIndex)
{
    if (m_hWnd == nullptr)
        return;
    CRect rect;
    GetItemRect(nIndex, rect);
    if (!rect.IsRectEmpty())
        RedrawWindow(rect, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void CCommStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nIndex = (int)lpDrawItemStruct->itemID;
    const CStatusPane* pPane = GetPaneRecord(nIndex);
    if (pPane == nullptr)
        return;
    CString strPaneText = GetPaneText(nIndex);
    const CString& strText = pPane->GetShownText(strPaneText);

    const CRect rcItem(lpDrawItemStruct->rcItem);
    CDC* pItemDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memDC;
    if (rcItem.IsRectEmpty() || !memDC.CreateCompatibleDC(pItemDC))
        return;
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(pItemDC, rcItem.Width(), rcItem.Height()))
        return;
    {
        CScopedSelectObject selectBitmap(memDC, (HGDIOBJ)bitmap.m_hObject);
        CRect rcPane(0, 0, rcItem.Width(), rcItem.Height());
        memDC.FillSolidRect(rcPane, ::GetSysColor(COLOR_BTNFACE));
        if (!strText.IsEmpty())
        {
            HGDIOBJ hFont = (HGDIOBJ)SendMessage(WM_GETFONT);
            CScopedSelectObject selectFont(memDC,
                                           hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
            COLORREF crText = pPane->GetShownTextColor();
            COLORREF crBack = pPane->GetShownBkColor();
            memDC.SetTextColor(crText != STATUSPANE_NO_COLOR ? crText : ::GetSysColor(COLOR_BTNTEXT));
            // The background colour fills the cell of the text only; without
            // one the button face shows through.
            if (crBack != STATUSPANE_NO_COLOR)
            {
                memDC.SetBkMode(OPAQUE);
                memDC.SetBkColor(crBack);
            }
            else
            {
                memDC.SetBkMode(TRANSPARENT);
            }
            memDC.DrawText(strText, rcPane, DrawTextAlignment(pPane->m_nAlign) | DT_SINGLELINE | DT_VCENTER);
        }
        pItemDC->BitBlt(rcItem.left + 1, rcItem.top - 1, rcItem.Width(), rcItem.Height(), &memDC, 0, 0,
                        SRCCOPY);
    }
}

BOOL CCommStatusBar::CheckMenuItemByPaneText(int nIndex, CMenu* pMenu)
{
    if (pMenu == nullptr || nIndex < 0 || nIndex >= m_nCount)
        return FALSE;
    CString strPaneText = GetPaneText(nIndex);
    // An empty pane would match the first separator.
    if (strPaneText.IsEmpty())
        return FALSE;
    CStringArray itemTexts;
    const int nItems = (int)pMenu->GetMenuItemCount();
    for (int i = 0; i < nItems; ++i)
    {
        CString strItem;
        pMenu->GetMenuString((UINT)i, strItem, MF_BYPOSITION);
        itemTexts.Add(strItem);
    }
    int nItem = FindMenuItemByPaneText(itemTexts, strPaneText);
    if (nItem < 0)
        return FALSE;
    pMenu->CheckMenuItem((UINT)nItem, MF_BYPOSITION | MF_CHECKED);
    return TRUE;
}

void CCommStatusBar::OnPaneClick(int) {}

void CCommStatusBar::OnPaneRightClick(int) {}

HCURSOR CCommStatusBar::GetPaneCursor(int)
{
    return nullptr;
}

int CCommStatusBar::PaneFromPoint(CPoint point) const
{
    for (int i = 0; i < m_nCount; ++i)
    {
        CRect rect;
        GetItemRect(i, rect);
        if (rect.PtInRect(point))
            return i;
    }
    return -1;
}

void CCommStatusBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nIndex = PaneFromPoint(point);
    if (nIndex >= 0)
        OnPaneClick(nIndex);
    CStatusBar::OnLButtonDown(nFlags, point);
}

void CCommStatusBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    int nIndex = PaneFromPoint(point);
    if (nIndex >= 0)
        OnPaneRightClick(nIndex);
    CStatusBar::OnRButtonDown(nFlags, point);
}

BOOL CCommStatusBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    int nIndex = PaneFromPoint(point);
    HCURSOR hCursor = nIndex >= 0 ? GetPaneCursor(nIndex) : nullptr;
    if (hCursor != nullptr)
    {
        ::SetCursor(hCursor);
        return TRUE;
    }
    return CStatusBar::OnSetCursor(pWnd, nHitTest, message);
}

void CCommStatusBar::OnTimer(UINT_PTR nIDEvent)
{
    int nIndex = StatusPaneOfTimer(nIDEvent);
    if (nIndex >= 0)
    {
        KillTimer(nIDEvent);
        EndTimedText(nIndex, TRUE);
    }
    CStatusBar::OnTimer(nIDEvent);
}

void CCommStatusBar::OnDestroy()
{
    for (int i = 0; i < m_nCount && i < STATUSPANE_TIMED_COUNT; ++i)
    {
        if (IsTimedTextShowing(i))
            EndTimedText(i, FALSE);
    }
    CStatusBar::OnDestroy();
}
