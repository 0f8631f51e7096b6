// CCommListCtrl: construction, the mouse and keys, cells, columns and the
// selection. Sorting, drawing and the band have files of their own.
#include "controls/CommListCtrl.h"

#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "afx/ScopedWin.h"
#include "afx/WinApp.h"
#include "app/FrameIconSource.h"
#include "app/IconMenu.h"
#include "controls/ListControlResourceIds.h"
#include "controls/ListFind.h"
#include "controls/ListRows.h"

IMPLEMENT_DYNAMIC(CCommListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CCommListCtrl, CListCtrl)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_SETFOCUS()
ON_WM_SETCURSOR()
ON_WM_CTLCOLOR()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_MEASUREITEM_REFLECT()
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
END_MESSAGE_MAP()

namespace
{
// Row background, grid, selected text, selected background, focus frame.
const COLORREF g_defaultColors[5] = {0xFFFFFF, 0xC0C0C0, 0x000000, 0xE0E0E0, 0x808080};

// The list view's timer of a delayed action (a click that may begin a
// label edit).
const UINT_PTR kListViewDelayTimer = 42;
} // namespace

CListSortRecord::~CListSortRecord() = default;

CCommListCtrl::CCommListCtrl()
    : m_crRowBack(g_defaultColors[0]), m_crGrid(g_defaultColors[1]), m_crSelectedText(g_defaultColors[2]),
      m_crSelectedBack(g_defaultColors[3]), m_crFocusFrame(g_defaultColors[4]),
      m_ime(CImeModeSwitch::modeLeave)
{
    m_hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_LIST_ACCEL));
}

CCommListCtrl::~CCommListCtrl()
{
    m_band.DestroyBandWindow();
}

// ---------------------------------------------------------------------------
// Window

void CCommListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    SubclassHeader();
    // Measured now, before rows come, so that the list view lays out its
    // pages with the row height (a list made by Create is measured once it
    // exists).
    if (m_header.m_hWnd != nullptr)
        RemeasureRows();
}

int CCommListCtrl::OnCreate(LPCREATESTRUCT)
{
    int nResult = (int)Default();
    // A list made by Create gets its header only now.
    if (nResult != -1)
    {
        SubclassHeader();
        RemeasureRows();
    }
    return nResult;
}

void CCommListCtrl::SubclassHeader()
{
    if (m_header.m_hWnd != nullptr || (GetStyle() & LVS_NOCOLUMNHEADER) != 0)
        return;
    HWND hHeader = (HWND)SendMessage(LVM_GETHEADER);
    if (hHeader != nullptr)
        m_header.SubclassWindow(hHeader);
}

void CCommListCtrl::OnDestroy()
{
    EndDrag();
    KillTimer(LIST_TIMER_HOOK);
    KillTimer(LIST_TIMER_AUTOSCROLL);
    m_rowBuffer.Release();
    CListCtrl::OnDestroy();
}

BOOL CCommListCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccel != nullptr && m_hWnd != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CListCtrl::PreTranslateMessage(pMsg);
}

void CCommListCtrl::OnEditSelectAll()
{
    SelectAll();
}

// ---------------------------------------------------------------------------
// Mouse and keys

void CCommListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    EndDrag();
    int nCount = GetItemCount();
    CRect rcLast;
    if (nCount > 0 && GetItemRect(nCount - 1, &rcLast, LVIR_BOUNDS) && point.x < rcLast.right &&
        point.y < rcLast.bottom)
    {
        int nRow = -1, nColumn = -1;
        if (HitTestCheckCell(point.x, point.y, &nRow, &nColumn))
        {
            SetFocus();
            ToggleCellFlag(nRow, nColumn);
            return;
        }
        Default();
        return;
    }
    // The empty part of the list: a drag there is a band.
    SetFocus();
    if ((nFlags & MK_CONTROL) == 0)
        SelectSingleItem(-1);
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    if (::DragDetect(m_hWnd, ptScreen))
        BeginDrag();
}

void CCommListCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    EndDrag();
    int nRow = -1, nColumn = -1;
    if (HitTestCheckCell(point.x, point.y, &nRow, &nColumn))
    {
        SetFocus();
        ToggleCellFlag(nRow, nColumn);
        return;
    }
    Default();
}

void CCommListCtrl::OnRButtonDown(UINT, CPoint point)
{
    EndDrag();
    CRect rcFirst;
    if (GetItemCount() > 0 && GetItemRect(0, &rcFirst, LVIR_BOUNDS) && point.x > rcFirst.right)
    {
        SetFocus();
        SelectSingleItem(-1);
        return;
    }
    Default();
}

void CCommListCtrl::OnLButtonUp(UINT, CPoint)
{
    EndDrag();
    Default();
}

void CCommListCtrl::OnMouseMove(UINT, CPoint point)
{
    if (m_band.IsDragging())
        DragMove(point);
    Default();
}

void CCommListCtrl::OnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pActivate = (NMITEMACTIVATE*)pNMHDR;
    int nRow = -1, nColumn = -1;
    if (HitTestCell(pActivate->ptAction.x, pActivate->ptAction.y, &nRow, &nColumn))
        PostNotifyToParent(nRow, nColumn);
    *pResult = 0;
}

void CCommListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    OnSortColumnClick(((NMLISTVIEW*)pNMHDR)->iSubItem);
    *pResult = 0;
}

void CCommListCtrl::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE)
    {
        CList<int, int> rows;
        GetSelectedRows(rows);
        for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
        {
            int nRow = rows.GetNext(pos);
            if ((GetCellStyle(nRow, 0, TRUE) & LISTCOLUMN_CHECKBOX) != 0)
                ToggleCellFlag(nRow, 0);
        }
    }
    Default();
}

void CCommListCtrl::OnSetFocus(CWnd*)
{
    Default();
    if (GetFocusedRow() < 0)
    {
        int nRow = GetFirstSelected();
        if (nRow >= 0)
            SetItemStateMasked(nRow, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    m_ime.Apply(this);
}

void CCommListCtrl::OnKillFocus(CWnd*)
{
    Default();
    SetItemStateMasked(-1, 0, LVIS_FOCUSED);
    m_ime.Restore();
}

BOOL CCommListCtrl::OnSetCursor(CWnd*, UINT nHitTest, UINT)
{
    if (nHitTest == HTCLIENT)
    {
        CPoint pt;
        GetCursorScreenPos(&pt);
        ScreenToClient(&pt);
        int nRow = -1, nColumn = -1;
        BOOL bHand = HitTestCell(pt.x, pt.y, &nRow, &nColumn);
        if (!bHand && HitTestCheckCell(pt.x, pt.y, &nRow, &nColumn))
            bHand = (GetCellFlags(nRow, nColumn) & LISTCELL_FIXED) == 0;
        if (bHand)
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
    }
    return (BOOL)Default();
}

HBRUSH CCommListCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return CListCtrl::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL CCommListCtrl::OnEraseBkgnd(CDC* pDC)
{
    COLORREF crBack = GetBkColor();
    if (crBack == CLR_NONE)
        return (BOOL)Default();
    // The rows draw themselves: only the rest is filled.
    CRect rcClient;
    GetClientRect(&rcClient);
    int nCount = GetItemCount();
    CRect rcLast;
    if (nCount <= 0 || !GetItemRect(nCount - 1, &rcLast, LVIR_BOUNDS))
    {
        pDC->FillSolidRect(&rcClient, crBack);
        return TRUE;
    }
    if (rcLast.bottom < rcClient.bottom)
        pDC->FillSolidRect(rcClient.left, rcLast.bottom, rcClient.Width(), rcClient.bottom - rcLast.bottom,
                           crBack);
    if (rcLast.right < rcClient.right)
        pDC->FillSolidRect(rcLast.right, rcClient.top, rcClient.right - rcLast.right,
                           rcLast.bottom - rcClient.top, crBack);
    return TRUE;
}

void CCommListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == LIST_TIMER_HOOK)
    {
        KillTimer(LIST_TIMER_HOOK);
        OnListTimerHook(-1);
    }
    else if (nIDEvent == LIST_TIMER_AUTOSCROLL)
    {
        KillTimer(LIST_TIMER_AUTOSCROLL);
        if (m_band.IsDragging() && m_band.HasPendingPoint())
            DragMove(m_band.GetPendingPoint());
    }
    Default();
}

void CCommListCtrl::OnListTimerHook(int) {}

BOOL CCommListCtrl::GetCursorScreenPos(POINT* pPoint) const
{
    return ::GetCursorPos(pPoint);
}

void CCommListCtrl::OnHeaderMouseMove(UINT, int, int) {}

// ---------------------------------------------------------------------------
// Rows

void CCommListCtrl::FlushDelayedAction()
{
    if (m_hWnd != nullptr && ::KillTimer(m_hWnd, kListViewDelayTimer))
        DefWindowProc(WM_TIMER, kListViewDelayTimer, 0);
}

BOOL CCommListCtrl::SetItemStateLv(int nRow, LVITEMA* pItem)
{
    FlushDelayedAction();
    return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)nRow, (LPARAM)pItem);
}

BOOL CCommListCtrl::SetItemStateMasked(int nRow, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.stateMask = nMask;
    item.state = nState;
    return SetItemStateLv(nRow, &item);
}

CString CCommListCtrl::GetCellText(int nRow, int nColumn)
{
    return GetItemText(nRow, nColumn);
}

void CCommListCtrl::GetCellDrawText(int nRow, int nColumn, char* pszText, int nChars)
{
    GetItemText(nRow, nColumn, pszText, nChars);
}

BOOL CCommListCtrl::DeleteRow(int nRow)
{
    if (!DeleteItem(nRow))
        return FALSE;
    DeleteCellValues(nRow);
    return TRUE;
}

BOOL CCommListCtrl::DeleteAllRows()
{
    if (!DeleteAllItems())
        return FALSE;
    ClearCellValues();
    return TRUE;
}

int CCommListCtrl::MoveRow(int nFrom, int nTo)
{
    int nCount = GetItemCount();
    int nColumns = GetColumnCount();
    if (nFrom < 0 || nTo < 0 || nColumns <= 0 || nFrom >= nCount || nTo >= nCount)
        return -1;
    if (nFrom == nTo)
        return nFrom;

    CRedrawLock lock(this);
    std::vector<CString> texts;
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        texts.push_back(GetCellText(nFrom, nColumn));
    DWORD_PTR dwData = GetItemData(nFrom);
    CListCellMap<int>::Row flags = m_cellFlags.ExtractRow(nFrom);
    CListCellMap<CCellInsets>::Row links = m_links.ExtractRow(nFrom);
    if (!DeleteRow(nFrom))
        return -1;
    int nRows = GetItemCount();
    if (nTo > nRows)
        nTo = nRows;
    int nRow = InsertItem(nTo, texts[0]);
    if (nRow < 0)
        return -1;
    for (int nColumn = 1; nColumn < nColumns; ++nColumn)
        SetItemText(nRow, nColumn, texts[nColumn]);
    SetItemData(nRow, dwData);
    m_cellFlags.InsertRow(nRow);
    m_links.InsertRow(nRow);
    m_cellFlags.RestoreRow(nRow, flags);
    m_links.RestoreRow(nRow, links);
    return nRow;
}

void CCommListCtrl::DeleteCellValues(int nRow)
{
    m_cellFlags.DeleteRow(nRow);
    m_links.DeleteRow(nRow);
}

void CCommListCtrl::ClearCellValues()
{
    m_cellFlags.RemoveAll();
    m_links.RemoveAll();
}

void CCommListCtrl::TruncateCellValues(int nCount)
{
    m_cellFlags.TruncateRows(nCount);
    m_links.TruncateRows(nCount);
}

void CCommListCtrl::SwapCellValues(int nRow1, int nRow2)
{
    m_cellFlags.SwapRows(nRow1, nRow2);
    m_links.SwapRows(nRow1, nRow2);
}

void CCommListCtrl::ReorderCellValues(const std::vector<int>& oldRows)
{
    m_cellFlags.Reorder(oldRows);
    m_links.Reorder(oldRows);
}

// ---------------------------------------------------------------------------
// Looks and columns

void CCommListCtrl::SetRowHeight(int nHeight)
{
    if (nHeight == m_nRowHeight)
        return;
    m_nRowHeight = nHeight;
    m_bRowHeightApplied = FALSE;
    m_bRemeasured = FALSE;
}

void CCommListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = (UINT)m_nRowHeight;
    m_bRowHeightApplied = TRUE;
}

BOOL CCommListCtrl::SetRowBkColor(COLORREF cr)
{
    m_crRowBack = cr;
    return TRUE;
}

BOOL CCommListCtrl::SetSelectedTextColor(COLORREF cr)
{
    m_crSelectedText = cr;
    return TRUE;
}

BOOL CCommListCtrl::SetSelectedBkColor(COLORREF cr)
{
    m_crSelectedBack = cr;
    return TRUE;
}

BOOL CCommListCtrl::SetGridColor(COLORREF cr)
{
    m_crGrid = cr;
    return TRUE;
}

BOOL CCommListCtrl::SetFocusFrameColor(COLORREF cr)
{
    m_crFocusFrame = cr;
    return TRUE;
}

void CCommListCtrl::SetListFont(int nPointSize, LPCTSTR lpszFaceName)
{
    m_font.SetPointSize(nPointSize);
    if (lpszFaceName != nullptr && *lpszFaceName != '\0')
        m_font.SetFaceName(lpszFaceName);
    m_font.Apply(this, TRUE);
}

void CCommListCtrl::SetTextMargins(int cx, int cy)
{
    m_nTextMarginX = cx;
    m_nTextMarginY = cy;
}

void CCommListCtrl::SetColumnStyle(int nColumn, int nStyle)
{
    m_columns[nColumn].nStyle = nStyle;
}

int CCommListCtrl::GetColumnStyle(int nColumn) const
{
    auto it = m_columns.find(nColumn);
    return it != m_columns.end() ? it->second.nStyle : 0;
}

void CCommListCtrl::AddColumnStyle(int nColumn, int nStyle)
{
    m_columns[nColumn].nStyle |= nStyle;
}

void CCommListCtrl::SetColumnTextColor(int nColumn, COLORREF cr)
{
    m_columns[nColumn].crText = cr;
}

COLORREF CCommListCtrl::FindColumnTextColor(int nColumn) const
{
    auto it = m_columns.find(nColumn);
    return it != m_columns.end() ? it->second.crText : LIST_NO_COLOR;
}

BOOL CCommListCtrl::SetLinkColumnsColor(COLORREF cr)
{
    BOOL bAny = FALSE;
    for (auto& column : m_columns)
    {
        if ((column.second.nStyle & LISTCOLUMN_LINK) != 0)
        {
            column.second.crText = cr;
            bAny = TRUE;
        }
    }
    return bAny;
}

int CCommListCtrl::GetColumnCount() const
{
    HWND hHeader = (HWND)SendMessage(LVM_GETHEADER);
    if (hHeader == nullptr)
        return 0;
    int nCount = (int)::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0);
    return nCount > 0 ? nCount : 0;
}

int CCommListCtrl::GetColumnAlign(int nColumn) const
{
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    if (!GetColumn(nColumn, &column))
        return LIST_ALIGN_LEFT;
    return column.fmt & LVCFMT_JUSTIFYMASK;
}

BOOL CCommListCtrl::FitColumnsToWidth()
{
    int nColumns = GetColumnCount();
    CRect rcClient;
    GetClientRect(&rcClient);
    if (nColumns <= 0 || rcClient.Width() <= 0)
        return FALSE;
    int nWidth = rcClient.Width() / nColumns;
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        SetColumnWidth(nColumn, nWidth);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Cells

void CCommListCtrl::SetCellFlags(int nRow, int nColumn, int nFlags)
{
    if (nFlags == 0)
        m_cellFlags.RemoveKey(nRow, nColumn);
    else
        m_cellFlags.SetAt(nRow, nColumn, nFlags);
    CRect rcCell;
    if (m_hWnd != nullptr && GetCellRect(nRow, nColumn, LVIR_BOUNDS, &rcCell))
    {
        CRect rcCheck = GetCheckSquareRect(rcCell);
        InvalidateRect(&rcCheck, FALSE);
    }
}

int CCommListCtrl::GetCellFlags(int nRow, int nColumn) const
{
    int nFlags = 0;
    m_cellFlags.Lookup(nRow, nColumn, nFlags);
    return nFlags;
}

int CCommListCtrl::SetColumnChecks(int nColumn, BOOL bCheck, BOOL bSkipFixed)
{
    int nCount = GetItemCount();
    for (int nRow = 0; nRow < nCount; ++nRow)
    {
        int nFlags = GetCellFlags(nRow, nColumn);
        if (bSkipFixed && (nFlags & LISTCELL_FIXED) != 0)
            continue;
        if (bCheck && (nFlags & LISTCELL_CHECKED) == 0)
            SetCellFlags(nRow, nColumn, nFlags | LISTCELL_CHECKED);
        else if (!bCheck && (nFlags & LISTCELL_CHECKED) != 0)
            SetCellFlags(nRow, nColumn, nFlags & ~LISTCELL_CHECKED);
    }
    return nCount;
}

BOOL CCommListCtrl::AnyCellFlagged(int nColumn, BOOL bIgnoreFixed) const
{
    int nCount = GetItemCount();
    BOOL bAny = FALSE;
    m_cellFlags.ForEach(
        [&](int nRow, int nCol, int nFlags)
        {
            if (nCol == nColumn && nRow >= 0 && nRow < nCount && (nFlags & LISTCELL_CHECKED) != 0 &&
                !(bIgnoreFixed && (nFlags & LISTCELL_FIXED) != 0))
                bAny = TRUE;
        });
    return bAny;
}

void CCommListCtrl::ToggleCellFlag(int nRow, int nColumn)
{
    int nFlags = GetCellFlags(nRow, nColumn);
    if ((nFlags & LISTCELL_FIXED) != 0)
        return;
    SetCellFlags(nRow, nColumn, nFlags ^ LISTCELL_CHECKED);
}

void CCommListCtrl::PostNotifyToParent(int nRow, int nColumn)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr && ::IsWindow(pParent->m_hWnd))
        pParent->PostMessage(WM_LIST_LINKCLICKED, (WPARAM)nRow, (LPARAM)nColumn);
}

BOOL CCommListCtrl::GetCellRect(int nRow, int nColumn, int nCode, RECT* pRect) const
{
    if (pRect == nullptr || nRow < 0 || nColumn < 0)
        return FALSE;
    CRect rc;
    if (nColumn > 0)
    {
        if (!GetSubItemRect(nRow, nColumn, nCode, rc))
            return FALSE;
        *pRect = rc;
        return TRUE;
    }
    if (!GetItemRect(nRow, &rc, (UINT)nCode))
        return FALSE;
    CRect rcNext;
    if (GetColumnCount() >= 2 && GetSubItemRect(nRow, 1, LVIR_BOUNDS, rcNext))
        rc.right = rcNext.left;
    *pRect = rc;
    return TRUE;
}

namespace
{
// The row and column under a client point, -1 each when none.
void SubItemAt(CListCtrl* pList, int x, int y, int& nRow, int& nColumn)
{
    LVHITTESTINFO hti = {};
    hti.pt.x = x;
    hti.pt.y = y;
    nRow = (int)pList->SendMessage(LVM_SUBITEMHITTEST, 0, (LPARAM)&hti);
    nColumn = nRow >= 0 ? hti.iSubItem : -1;
}
} // namespace

BOOL CCommListCtrl::HitTestCell(int x, int y, int* pRow, int* pColumn) const
{
    if (m_links.IsEmpty())
        return FALSE;
    int nRow = -1, nColumn = -1;
    SubItemAt(const_cast<CCommListCtrl*>(this), x, y, nRow, nColumn);
    CRect rcLink;
    if (nRow < 0 || !GetCellLinkRect(nRow, nColumn, &rcLink) || !rcLink.PtInRect(CPoint(x, y)))
        return FALSE;
    *pRow = nRow;
    *pColumn = nColumn;
    return TRUE;
}

BOOL CCommListCtrl::HitTestCheckCell(int x, int y, int* pRow, int* pColumn) const
{
    int nRow = -1, nColumn = -1;
    auto* pThis = const_cast<CCommListCtrl*>(this);
    SubItemAt(pThis, x, y, nRow, nColumn);
    if (nRow < 0 || nColumn < 0 ||
        (pThis->GetCellStyle(nRow, nColumn, IsRowSelected(nRow)) & LISTCOLUMN_CHECKBOX) == 0)
        return FALSE;
    CRect rcCell;
    if (!GetCellRect(nRow, nColumn, LVIR_BOUNDS, &rcCell) ||
        !GetCheckSquareRect(rcCell).PtInRect(CPoint(x, y)))
        return FALSE;
    *pRow = nRow;
    *pColumn = nColumn;
    return TRUE;
}

BOOL CCommListCtrl::RememberCellLink(int nRow, int nColumn, const RECT& rcText)
{
    CRect rcCell;
    if (!GetCellRect(nRow, nColumn, LVIR_BOUNDS, &rcCell))
        return FALSE;
    m_links.SetAt(nRow, nColumn, MakeCellInsets(rcCell.left, rcCell.right, rcCell.Height(), rcText));
    return TRUE;
}

BOOL CCommListCtrl::ForgetCellLink(int nRow, int nColumn)
{
    return m_links.RemoveKey(nRow, nColumn);
}

BOOL CCommListCtrl::GetCellLinkRect(int nRow, int nColumn, RECT* pRect) const
{
    CCellInsets insets;
    CRect rcCell;
    if (!m_links.Lookup(nRow, nColumn, insets) || !GetCellRect(nRow, nColumn, LVIR_BOUNDS, &rcCell))
        return FALSE;
    *pRect = ApplyCellInsets(rcCell, insets);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Selection

int CCommListCtrl::SelectSingleItem(int nRow)
{
    SetItemStateMasked(-1, 0, LVIS_SELECTED);
    if (nRow < 0 || nRow >= GetItemCount())
        return -1;
    SetItemStateMasked(nRow, LVIS_SELECTED, LVIS_SELECTED);
    if (::GetFocus() == m_hWnd)
        SetItemStateMasked(nRow, LVIS_FOCUSED, LVIS_FOCUSED);
    return nRow;
}

int CCommListCtrl::GetFirstSelected() const
{
    // The list view walks every row when none is selected.
    return GetSelectedCount() > 0 ? GetNextItem(-1, LVNI_SELECTED) : -1;
}

int CCommListCtrl::GetFocusedSelected() const
{
    int nRow = GetFocusedRow();
    return nRow >= 0 && IsRowSelected(nRow) ? nRow : -1;
}

int CCommListCtrl::GetFocusedRow() const
{
    return GetNextItem(-1, LVNI_FOCUSED);
}

int CCommListCtrl::GetCurrentRow() const
{
    if (IsSingleSelect())
        return GetFirstSelected();
    int nRow = GetFocusedSelected();
    return nRow >= 0 ? nRow : GetFirstSelected();
}

void CCommListCtrl::SelectAll()
{
    if (GetItemCount() > 0)
        SetItemStateMasked(-1, LVIS_SELECTED, LVIS_SELECTED);
}

BOOL CCommListCtrl::IsRowSelected(int nRow) const
{
    return (GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

BOOL CCommListCtrl::IsSingleSelect() const
{
    return (GetStyle() & LVS_SINGLESEL) != 0;
}

std::vector<int> CCommListCtrl::GetSelectedRowIndexes() const
{
    // The list view walks the rows to find the next selected one: counted,
    // the walk ends at the last selected row instead of the last row.
    std::vector<int> rows;
    int nLeft = (int)GetSelectedCount();
    rows.reserve(nLeft > 0 ? nLeft : 0);
    for (int nRow = -1; nLeft > 0 && (nRow = GetNextItem(nRow, LVNI_SELECTED)) >= 0; --nLeft)
        rows.push_back(nRow);
    return rows;
}

BOOL CCommListCtrl::GetSelectedRows(CList<int, int>& rows) const
{
    rows.RemoveAll();
    for (int nRow : GetSelectedRowIndexes())
        rows.AddTail(nRow);
    return !rows.IsEmpty();
}

BOOL CCommListCtrl::EnsureSelectionVisible()
{
    CList<int, int> rows;
    if (!GetSelectedRows(rows))
        return FALSE;
    if (rows.GetCount() == 1)
    {
        EnsureVisible(GetCurrentRow());
        return TRUE;
    }
    EnsureVisible(rows.GetTail());
    EnsureVisible(rows.GetHead());
    int nFocused = GetFocusedRow();
    if (rows.GetCount() >= 3 && nFocused > 0)
        EnsureVisible(nFocused);
    return TRUE;
}

BOOL CCommListCtrl::EnsureVisible(int nRow)
{
    return CListCtrl::EnsureVisible(nRow, FALSE);
}

void CCommListCtrl::RedrawRow(int nRow)
{
    CRect rc;
    if (GetItemRect(nRow, &rc, LVIR_BOUNDS))
        InvalidateRect(&rc, FALSE);
}

void CCommListCtrl::RedrawCell(int nRow, int nColumn)
{
    CRect rc;
    if (GetCellRect(nRow, nColumn, LVIR_BOUNDS, &rc))
        InvalidateRect(&rc, FALSE);
}

void CCommListCtrl::RedrawRows(const CList<int, int>& rows, int nColumn)
{
    int nFirst = GetTopIndex();
    int nLast = nFirst + GetCountPerPage();
    for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
    {
        int nRow = rows.GetNext(pos);
        if (nRow < nFirst || nRow > nLast)
            continue;
        if (nColumn < 0)
            RedrawRow(nRow);
        else
            RedrawCell(nRow, nColumn);
    }
}

int CCommListCtrl::MoveSelectedItem(BOOL bUp)
{
    int nCurrent = GetCurrentRow();
    if (nCurrent < 0)
        return -1;
    int nCount = GetItemCount();
    int nTarget = bUp ? nCurrent - 1 : nCurrent + 1;
    if (nTarget > nCount - 1)
        nTarget = nCount - 1;
    if (nTarget < 0)
        nTarget = 0;
    int nRow = MoveRow(nCurrent, nTarget);
    if (nRow >= 0)
    {
        SelectSingleItem(nRow);
        EnsureVisible(nRow);
    }
    return nRow;
}

int CCommListCtrl::FindText(LPCTSTR lpszText, int nStartRow, int nColumn, BOOL bCaseSensitive, BOOL bBackward)
{
    return FindRowWithText([this](int nRow, int nCol) { return GetCellText(nRow, nCol); }, GetItemCount(),
                           GetColumnCount(), lpszText, nStartRow, nColumn, bCaseSensitive, bBackward);
}

BOOL CCommListCtrl::FindNextAndSelect(LPCTSTR lpszText, int nStartRow, int nColumn, BOOL bCaseSensitive,
                                      BOOL bBackward)
{
    if (nStartRow == -1)
    {
        int nCurrent = GetCurrentRow();
        nStartRow = bBackward ? nCurrent - 1 : nCurrent + 1;
        if (nStartRow < 0 || nStartRow >= GetItemCount())
            return FALSE;
    }
    int nRow = FindText(lpszText, nStartRow, nColumn, bCaseSensitive, bBackward);
    if (nRow < 0)
        return FALSE;
    SelectSingleItem(nRow);
    EnsureSelectionVisible();
    return TRUE;
}

// ---------------------------------------------------------------------------
// Misc

void CCommListCtrl::CenterChildWindow(CWnd* pChild)
{
    if (pChild == nullptr || !::IsWindow(pChild->m_hWnd) || ::GetParent(pChild->m_hWnd) != m_hWnd)
        return;
    CRect rcClient, rcChild;
    GetClientRect(&rcClient);
    pChild->GetWindowRect(&rcChild);
    CRect rcHeader(0, 0, 0, 0);
    if (m_header.m_hWnd != nullptr && m_header.IsWindowVisible())
        m_header.GetWindowRect(&rcHeader);
    CPoint pt = CenterInList(rcClient.Width(), rcClient.Height(), rcHeader.Height(), rcChild.Width(),
                             rcChild.Height());
    pChild->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON CCommListCtrl::GetFrameMenuIcon(int nIndex) const
{
    if (nIndex < 0)
        return nullptr;
    auto* pSource = dynamic_cast<CFrameIconSource*>(GetTopLevelFrame());
    CIconMenu* pIconMenu = pSource != nullptr ? pSource->GetIconMenu() : nullptr;
    return pIconMenu != nullptr ? pIconMenu->GetIcon(nIndex) : nullptr;
}

HICON CCommListCtrl::LoadSmallIcon(UINT nID)
{
    if (nID == 0)
        return nullptr;
    return (HICON)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID), IMAGE_ICON, 16, 16, 0);
}
