#ifndef TANZO_CONTROLS_COMMLISTCTRLOWNERDATA_H
#define TANZO_CONTROLS_COMMLISTCTRLOWNERDATA_H

// CCommListCtrlOwnerData: CCommListCtrl as a virtual list (Windows
// builds). The list view holds no texts: the control keeps one item
// pointer per row and answers the list view's text requests through
// GetItemColumnText, which a derived list implements for its item type.
// The items are not owned: deleting rows removes pointers only, and a
// derived list empties the array (SetItemCount(0, ...) or DeleteAllRows)
// before it deletes its items.
//
// A sort takes each row's key once (GetItemColumnText with forSort 1),
// sorts the rows with their focus and selection, and puts the pointers
// back in the new order. A derived list may give a comparison of its own
// (GetSortCompareFunction); it compares two CListSortEntry objects and
// reaches the list through GetSortingList.

#include "afx/Array.h"
#include "afx/List.h"
#include "controls/CommListCtrl.h"
#include "controls/ListSort.h"

#include <vector>

class CCommListCtrlOwnerData : public CCommListCtrl
{
    DECLARE_DYNAMIC(CCommListCtrlOwnerData)
public:
    CCommListCtrlOwnerData();
    ~CCommListCtrlOwnerData() override;

    BOOL DeleteRow(int nRow) override;
    BOOL DeleteAllRows() override;
    // Swaps the two rows' items.
    int MoveRow(int nFrom, int nTo) override;
    BOOL RenumberRows() override;
    BOOL SortByColumn() override;
    // Cells' texts straight from the items, without a list view message
    // and its notice back for each (every cell drawn asks).
    CString GetCellText(int nRow, int nColumn) override;
    void GetCellDrawText(int nRow, int nColumn, char* pszText, int nChars) override;

    // The text of an item in a column, for display (nForSort 0) or for
    // sorting (1); FALSE when it gives none.
    virtual BOOL GetItemColumnText(void* pItem, int nColumn, CString* pText, int nForSort);
    // Rows and pointers: the array is resized (new rows null), then the
    // list view's count set with the LVSICF_ flags.
    virtual BOOL SetItemCount(int nCount, DWORD dwFlags);
    virtual void* GetItemPtr(int nRow);
    virtual BOOL SetItemPtr(int nRow, void* pItem);
    // The selected rows' items (and rows), in order; FALSE when none.
    virtual BOOL GetSelectedItemPtrs(CPtrList* pItems, CList<int, int>* pRows);
    virtual void* GetFirstSelectedItemPtr();
    virtual int FindVisibleItemIndex(void* pItem);
    virtual int FindItemIndexInRange(void* pItem, int nFirst, int nLast);
    virtual void SetItemArraySize(int nCount);
    // Null stops sorting.
    virtual PFNLISTSORTCOMPARE GetSortCompareFunction();
    virtual BOOL GetDispText(int nRow, int nColumn, CString* pText);
    // The items' sort texts compared without case; 0 when an item is null.
    virtual int CompareItemsByText(void* pItem1, void* pItem2, int nColumn);

    // The rows shown: top index to top index + count per page.
    BOOL GetVisibleRange(int& nFirst, int& nLast);
    // Limits a range to the array (nCount -1) or to nCount rows.
    BOOL ClampRange(int& nFirst, int& nLast, int nCount = -1);
    int GetItemArraySize() const { return (int)m_items.GetSize(); }

    // The list a comparison runs for; null outside a sort.
    static CCommListCtrlOwnerData* GetSortingList();
    // The rows' keys during a sort with the default comparison, by the
    // entries' nRow; null otherwise.
    static const std::vector<CString>* GetSortKeys();

protected:
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGetDispInfoW(NMHDR* pNMHDR, LRESULT* pResult);

    CPtrArray m_items;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CONTROLS_COMMLISTCTRLOWNERDATA_H
