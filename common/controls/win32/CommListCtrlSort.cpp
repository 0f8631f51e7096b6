// CCommListCtrl: sorting by a clicked column and the header's sort arrow.
// The texts of the sort column are taken before LVM_SORTITEMS runs: the
// comparison reads them, never the rows, which move while the list sorts.
#include "controls/CommListCtrl.h"

#include "controls/ListControlResourceIds.h"
#include "controls/ListSort.h"

namespace
{
// Mask colour of the arrow images.
const COLORREF kSortArrowMask = 0x808000;
} // namespace

CListSortRecord* CCommListCtrl::GetItemRecord(DWORD_PTR)
{
    return nullptr;
}

void CCommListCtrl::OnSortColumnClick(int nColumn)
{
    if (m_nSortMode == LIST_SORT_NONE)
        return;
    if (nColumn == m_nSortColumn)
        ToggleDescending();
    else
        m_bDescending = TRUE;
    SortByClickedColumn(nColumn);
}

BOOL CCommListCtrl::SortByClickedColumn(int nColumn)
{
    if (m_nSortMode == LIST_SORT_NONE)
        return FALSE;
    SetSortMark(-1, FALSE);
    m_nSortColumn = nColumn;
    if (!RenumberRows())
        return FALSE;
    BOOL bSorted = SortByColumn();
    if (bSorted)
        SetSortMark(nColumn, TRUE);
    EnsureSelectionVisible();
    return bSorted;
}

BOOL CCommListCtrl::RenumberRows()
{
    int nCount = GetItemCount();
    for (int nRow = 0; nRow < nCount; ++nRow)
    {
        if (m_nSortMode == LIST_SORT_BY_RECORD)
        {
            CListSortRecord* pRecord = GetItemRecord(GetItemData(nRow));
            if (pRecord == nullptr)
                return FALSE;
            pRecord->SetListRow(nRow);
        }
        else
        {
            SetItemData(nRow, (DWORD_PTR)nRow);
        }
    }
    return TRUE;
}

BOOL CCommListCtrl::IsSortColumnEmpty()
{
    int nColumn = m_nSortColumn;
    if (nColumn < 0 || nColumn >= GetColumnCount())
        return TRUE;
    BOOL bIcons = (GetColumnStyle(nColumn) & LISTCOLUMN_ICON) != 0;
    int nCount = GetItemCount();
    for (int nRow = 0; nRow < nCount; ++nRow)
    {
        if (!GetCellText(nRow, nColumn).IsEmpty())
            return FALSE;
        if (bIcons && GetCellIcon(nRow, nColumn, FALSE) != nullptr)
            return FALSE;
    }
    return TRUE;
}

void CCommListCtrl::TakeSortSnapshot()
{
    int nCount = GetItemCount();
    m_sortSnapshot.assign(nCount > 0 ? nCount : 0, CString());
    for (int nRow = 0; nRow < nCount; ++nRow)
        m_sortSnapshot[nRow] = GetCellText(nRow, m_nSortColumn);
}

BOOL CCommListCtrl::SortByColumn()
{
    int nCount = GetItemCount();
    if (nCount <= 1 || IsSortColumnEmpty())
        return TRUE;
    TakeSortSnapshot();
    // One column alone does not sort: a narrow one joins it meanwhile.
    BOOL bExtraColumn = FALSE;
    if ((m_nSortMode == LIST_SORT_BY_ROW || m_nSortMode == LIST_SORT_BY_RECORD) && GetColumnCount() == 1)
        bExtraColumn = InsertColumn(1, "Column For Sorting", LVCFMT_LEFT, 5) == 1;
    SortItems(CompareItems, (DWORD_PTR)this);
    if (bExtraColumn)
        DeleteColumn(1);

    // Checks and links follow their rows.
    std::vector<int> oldRows(nCount, -1);
    for (int nRow = 0; nRow < nCount; ++nRow)
    {
        DWORD_PTR dwData = GetItemData(nRow);
        if (m_nSortMode == LIST_SORT_BY_RECORD)
        {
            CListSortRecord* pRecord = GetItemRecord(dwData);
            oldRows[nRow] = pRecord != nullptr ? pRecord->GetListRow() : -1;
        }
        else
        {
            oldRows[nRow] = (int)dwData;
        }
    }
    ReorderCellValues(oldRows);
    m_sortSnapshot.clear();
    return TRUE;
}

int CALLBACK CCommListCtrl::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* pList = (CCommListCtrl*)lParamSort;
    if (pList == nullptr || pList->m_nSortColumn < 0)
        return 0;
    int nResult = 0;
    switch (pList->m_nSortMode)
    {
    case LIST_SORT_BY_ROW:
        nResult = CompareSnapshotRows(pList->m_sortSnapshot, (int)lParam1, (int)lParam2);
        break;
    case LIST_SORT_BY_RECORD:
    {
        CListSortRecord* pRecord1 = pList->GetItemRecord((DWORD_PTR)lParam1);
        CListSortRecord* pRecord2 = pList->GetItemRecord((DWORD_PTR)lParam2);
        if (pRecord1 == nullptr || pRecord2 == nullptr)
            return 0;
        nResult = pList->CompareRows(pRecord1, pRecord2, pList->m_nSortColumn);
        break;
    }
    default:
        return 0;
    }
    return ApplySortDirection(nResult, pList->m_bDescending);
}

int CCommListCtrl::CompareRows(CListSortRecord* pRecord1, CListSortRecord* pRecord2, int)
{
    if (pRecord1 == nullptr || pRecord2 == nullptr)
        return 0;
    return CompareSnapshotRows(m_sortSnapshot, pRecord1->GetListRow(), pRecord2->GetListRow());
}

BOOL CCommListCtrl::SetSortMark(int nColumn, BOOL bOn)
{
    if (nColumn == -1)
        nColumn = m_nSortColumn;
    if (nColumn < 0 || nColumn >= GetColumnCount())
        return FALSE;
    HWND hHeader = (HWND)SendMessage(LVM_GETHEADER);
    if (hHeader == nullptr)
        return FALSE;
    HDITEMA hdi = {};
    hdi.mask = HDI_FORMAT;
    if (!::SendMessageA(hHeader, HDM_GETITEMA, (WPARAM)nColumn, (LPARAM)&hdi))
        return FALSE;
    if (bOn)
    {
        if (m_sortImages.GetSafeHandle() == nullptr)
        {
            if (!m_sortImages.Create(IDB_LIST_SORT_ARROWS, 16, 0, kSortArrowMask))
                return FALSE;
            m_sortImages.SetBkColor(CLR_NONE);
        }
        if ((HIMAGELIST)::SendMessageA(hHeader, HDM_GETIMAGELIST, 0, 0) != m_sortImages.GetSafeHandle())
            ::SendMessageA(hHeader, HDM_SETIMAGELIST, 0, (LPARAM)m_sortImages.GetSafeHandle());
        hdi.mask = HDI_FORMAT | HDI_IMAGE;
        hdi.fmt |= HDF_IMAGE;
        if (GetColumnAlign(nColumn) != LIST_ALIGN_RIGHT)
            hdi.fmt |= HDF_BITMAP_ON_RIGHT;
        hdi.iImage = m_nSortArrowStyle * 2 + (m_bDescending ? 1 : 0);
        return (BOOL)::SendMessageA(hHeader, HDM_SETITEMA, (WPARAM)nColumn, (LPARAM)&hdi);
    }
    hdi.mask = HDI_FORMAT | HDI_IMAGE;
    hdi.fmt &= ~(HDF_IMAGE | HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
    hdi.iImage = I_IMAGENONE;
    ::SendMessageA(hHeader, HDM_SETITEMA, (WPARAM)nColumn, (LPARAM)&hdi);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    if (GetColumn(nColumn, &column))
    {
        column.fmt &= ~(LVCFMT_IMAGE | LVCFMT_BITMAP_ON_RIGHT | LVCFMT_COL_HAS_IMAGES);
        SetColumn(nColumn, &column);
    }
    return TRUE;
}

void CCommListCtrl::ClearSortMark()
{
    if (m_nSortColumn >= 0)
        SetSortMark(-1, FALSE);
    m_nSortColumn = -1;
}
