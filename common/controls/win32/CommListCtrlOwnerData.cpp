#include "controls/CommListCtrlOwnerData.h"

#include "controls/ListRows.h"
#include "text/TextCut.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CCommListCtrlOwnerData, CCommListCtrl)

BEGIN_MESSAGE_MAP(CCommListCtrlOwnerData, CCommListCtrl)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfoW)
END_MESSAGE_MAP()

CCommListCtrlOwnerData::CCommListCtrlOwnerData() = default;

CCommListCtrlOwnerData::~CCommListCtrlOwnerData() = default;

// ---------------------------------------------------------------------------
// Rows and item pointers

BOOL CCommListCtrlOwnerData::DeleteRow(int nRow)
{
    if (!DeleteItem(nRow))
        return FALSE;
    if (nRow >= 0 && nRow < m_items.GetSize())
        m_items.RemoveAt(nRow);
    DeleteCellValues(nRow);
    return TRUE;
}

BOOL CCommListCtrlOwnerData::DeleteAllRows()
{
    if (!DeleteAllItems())
        return FALSE;
    m_items.RemoveAll();
    ClearCellValues();
    return TRUE;
}

int CCommListCtrlOwnerData::MoveRow(int nFrom, int nTo)
{
    int nRow = SwapRowItems(m_items, GetItemCount(), nFrom, nTo);
    if (nRow >= 0 && nFrom != nTo)
    {
        SwapCellValues(nFrom, nTo);
        RedrawRow(nFrom);
        RedrawRow(nTo);
    }
    return nRow;
}

BOOL CCommListCtrlOwnerData::RenumberRows()
{
    return TRUE;
}

BOOL CCommListCtrlOwnerData::GetItemColumnText(void*, int, CString*, int)
{
    return FALSE;
}

BOOL CCommListCtrlOwnerData::SetItemCount(int nCount, DWORD dwFlags)
{
    if (nCount < 0)
        nCount = 0;
    SetItemArraySize(nCount);
    TruncateCellValues(nCount);
    return SetItemCountEx(nCount, dwFlags);
}

void* CCommListCtrlOwnerData::GetItemPtr(int nRow)
{
    if (nRow < 0 || nRow >= m_items.GetSize())
        return nullptr;
    return m_items[nRow];
}

BOOL CCommListCtrlOwnerData::SetItemPtr(int nRow, void* pItem)
{
    if (nRow < 0 || nRow >= m_items.GetSize())
        return FALSE;
    m_items[nRow] = pItem;
    return TRUE;
}

BOOL CCommListCtrlOwnerData::GetSelectedItemPtrs(CPtrList* pItems, CList<int, int>* pRows)
{
    if (pItems != nullptr)
        pItems->RemoveAll();
    if (pRows != nullptr)
        pRows->RemoveAll();
    const std::vector<int> rows = GetSelectedRowIndexes();
    for (int nRow : rows)
    {
        if (pItems != nullptr)
            pItems->AddTail(GetItemPtr(nRow));
        if (pRows != nullptr)
            pRows->AddTail(nRow);
    }
    return !rows.empty();
}

void* CCommListCtrlOwnerData::GetFirstSelectedItemPtr()
{
    int nRow = GetCurrentRow();
    return nRow >= 0 ? GetItemPtr(nRow) : nullptr;
}

int CCommListCtrlOwnerData::FindVisibleItemIndex(void* pItem)
{
    int nFirst = 0, nLast = 0;
    if (!GetVisibleRange(nFirst, nLast))
        return -1;
    return FindItemIndexInRange(pItem, nFirst, nLast);
}

int CCommListCtrlOwnerData::FindItemIndexInRange(void* pItem, int nFirst, int nLast)
{
    if (!ClampRange(nFirst, nLast))
        return -1;
    for (int nRow = nFirst; nRow <= nLast; ++nRow)
    {
        if (m_items[nRow] == pItem)
            return nRow;
    }
    return -1;
}

void CCommListCtrlOwnerData::SetItemArraySize(int nCount)
{
    int nOld = (int)m_items.GetSize();
    m_items.SetSize(nCount > 0 ? nCount : 0);
    for (int nRow = nOld; nRow < nCount; ++nRow)
        m_items[nRow] = nullptr;
}

CString CCommListCtrlOwnerData::GetCellText(int nRow, int nColumn)
{
    CString strText;
    if (nRow >= GetItemCount() || !GetDispText(nRow, nColumn, &strText))
        strText.Empty();
    return strText;
}

void CCommListCtrlOwnerData::GetCellDrawText(int nRow, int nColumn, char* pszText, int nChars)
{
    if (pszText == nullptr || nChars <= 0)
        return;
    CString strText = GetCellText(nRow, nColumn);
    // As the list view's buffer cuts it: never inside a two-byte character.
    TruncateToBytes(strText, nChars - 1);
    std::memcpy(pszText, (LPCTSTR)strText, strText.GetLength() + 1);
}

BOOL CCommListCtrlOwnerData::GetDispText(int nRow, int nColumn, CString* pText)
{
    void* pItem = GetItemPtr(nRow);
    if (pItem == nullptr)
        return FALSE;
    return GetItemColumnText(pItem, nColumn, pText, 0);
}

int CCommListCtrlOwnerData::CompareItemsByText(void* pItem1, void* pItem2, int nColumn)
{
    if (pItem1 == nullptr || pItem2 == nullptr)
        return 0;
    CString strText1, strText2;
    GetItemColumnText(pItem1, nColumn, &strText1, 1);
    GetItemColumnText(pItem2, nColumn, &strText2, 1);
    return CompareSortKeys(strText1, strText2);
}

BOOL CCommListCtrlOwnerData::GetVisibleRange(int& nFirst, int& nLast)
{
    return GetShownRowRange(GetTopIndex(), GetCountPerPage(), nFirst, nLast);
}

BOOL CCommListCtrlOwnerData::ClampRange(int& nFirst, int& nLast, int nCount)
{
    if (nCount == -1)
        nCount = (int)m_items.GetSize();
    return ClampRowRange(nFirst, nLast, nCount);
}

// ---------------------------------------------------------------------------
// Texts for the list view

void CCommListCtrlOwnerData::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEMA& item = ((NMLVDISPINFOA*)pNMHDR)->item;
    *pResult = 0;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0)
        return;
    CString strText;
    if (!GetDispText(item.iItem, item.iSubItem, &strText))
        strText.Empty();
    // Cut to the list view's buffer, never inside a two-byte character.
    TruncateToBytes(strText, item.cchTextMax - 1);
    std::memcpy(item.pszText, (LPCTSTR)strText, strText.GetLength() + 1);
}

void CCommListCtrlOwnerData::OnGetDispInfoW(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEMW& item = ((NMLVDISPINFOW*)pNMHDR)->item;
    *pResult = 0;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0)
        return;
    CString strText;
    if (!GetDispText(item.iItem, item.iSubItem, &strText))
        strText.Empty();
    int nChars =
        ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), item.pszText, item.cchTextMax - 1);
    if (nChars <= 0 && !strText.IsEmpty())
    {
        // Too long for the buffer: as much as fits.
        std::vector<WCHAR> wide(strText.GetLength() + 1);
        nChars =
            ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), wide.data(), (int)wide.size());
        nChars = nChars > item.cchTextMax - 1 ? item.cchTextMax - 1 : (nChars < 0 ? 0 : nChars);
        std::memcpy(item.pszText, wide.data(), nChars * sizeof(WCHAR));
    }
    item.pszText[nChars > 0 ? nChars : 0] = L'\0';
}

// ---------------------------------------------------------------------------
// Sorting

PFNLISTSORTCOMPARE CCommListCtrlOwnerData::GetSortCompareFunction()
{
    return CompareSortEntriesByKey;
}

CCommListCtrlOwnerData* CCommListCtrlOwnerData::GetSortingList()
{
    const CListSortContext* pContext = GetListSortContext();
    return pContext != nullptr ? (CCommListCtrlOwnerData*)pContext->pList : nullptr;
}

const std::vector<CString>* CCommListCtrlOwnerData::GetSortKeys()
{
    const CListSortContext* pContext = GetListSortContext();
    return pContext != nullptr ? pContext->pKeys : nullptr;
}

BOOL CCommListCtrlOwnerData::SortByColumn()
{
    PFNLISTSORTCOMPARE pfnCompare = GetSortCompareFunction();
    if (pfnCompare == nullptr)
        return FALSE;
    int nCount = GetItemCount();
    if (nCount <= 1 || IsSortColumnEmpty())
        return TRUE;
    if (nCount > (int)m_items.GetSize())
        nCount = (int)m_items.GetSize();

    // Item, focus and selection travel together; only the rows that have a
    // state are asked for it.
    std::vector<CListSortEntry> entries(nCount);
    for (int nRow = 0; nRow < nCount; ++nRow)
        entries[nRow] = {m_items[nRow], 0, nRow};
    const std::vector<int> selected = GetSelectedRowIndexes();
    for (int nRow : selected)
    {
        if (nRow < nCount)
            entries[nRow].nState |= LVIS_SELECTED;
    }
    int nFocused = GetFocusedRow();
    if (nFocused >= 0 && nFocused < nCount)
        entries[nFocused].nState |= LVIS_FOCUSED;

    // The default comparison reads each row's key, taken once here.
    std::vector<CString> keys;
    if (pfnCompare == CompareSortEntriesByKey)
    {
        keys.resize(nCount);
        for (int nRow = 0; nRow < nCount; ++nRow)
        {
            if (entries[nRow].pItem != nullptr)
                GetItemColumnText(entries[nRow].pItem, m_nSortColumn, &keys[nRow], 1);
        }
    }
    CListSortContext context;
    context.pList = this;
    context.pKeys = keys.empty() ? nullptr : &keys;
    context.bDescending = m_bDescending;
    {
        CListSortScope scope(&context);
        SortListEntries(entries, pfnCompare);
    }
    std::vector<CString>().swap(keys);

    // Clearing every row's state walks all rows in the list view: the few
    // rows that have one are cleared alone.
    const size_t kFewStates = 64;
    if (selected.size() > kFewStates)
        SetItemStateMasked(-1, 0, LVIS_FOCUSED | LVIS_SELECTED);
    else
    {
        for (int nRow : selected)
            SetItemStateMasked(nRow, 0, LVIS_FOCUSED | LVIS_SELECTED);
        if (nFocused >= 0 && (GetItemState(nFocused, LVIS_FOCUSED) & LVIS_FOCUSED) != 0)
            SetItemStateMasked(nFocused, 0, LVIS_FOCUSED | LVIS_SELECTED);
    }
    std::vector<int> oldRows(nCount);
    for (int nRow = 0; nRow < nCount; ++nRow)
    {
        m_items[nRow] = entries[nRow].pItem;
        oldRows[nRow] = entries[nRow].nRow;
        if (entries[nRow].nState != 0)
            SetItemStateMasked(nRow, entries[nRow].nState, LVIS_FOCUSED | LVIS_SELECTED);
    }
    ReorderCellValues(oldRows);
    int nFirst = 0, nLast = 0;
    if (GetVisibleRange(nFirst, nLast))
        RedrawItems(nFirst, nLast);
    return TRUE;
}
