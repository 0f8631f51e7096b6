#ifndef TANZO_CLIENT_TANZOAITEMBASELISTCTRL_H
#define TANZO_CLIENT_TANZOAITEMBASELISTCTRL_H

// CTanzoAItemBaseListCtrl: the virtual list of the client's items
// (Windows builds). Each row points at a TanzoAuctionItem the list owns;
// a derived list maps its columns to field kinds, and from the kind come
// the cells' texts, links and images, the order of a sort and the hover
// text. Equal times keep the order in which the rows came.

#include "afx/String.h"
#include "client/ItemFields.h"
#include "client/ListCommandRules.h"
#include "controls/CommListCtrlOwnerData.h"
#include "text/TieOrder.h"

class CListCellMenu;
class TanzoAuctionItem;

class CTanzoAItemBaseListCtrl : public CCommListCtrlOwnerData
{
    DECLARE_DYNAMIC(CTanzoAItemBaseListCtrl)
public:
    CTanzoAItemBaseListCtrl();
    ~CTanzoAItemBaseListCtrl() override;

    // ---- What a derived list decides
    virtual int GetColumnKind(int nColumn) = 0;
    virtual int GetKindColumn(int nKind) = 0;
    virtual CListCellMenu* CreateCellMenu() = 0;
    virtual void ShowHoverText(LPCTSTR lpszText) = 0;
    // Builds the text for the point and shows it.
    virtual void OnHover(CPoint point);
    virtual BOOL IsAlwaysResortKind(int nKind);

    // ---- The base list's
    BOOL IsSortColumnEmpty() override;
    // A click on a link: the winner list of an item with several winners,
    // else the link in the browser; the parent hears nothing.
    void PostNotifyToParent(int nRow, int nColumn) override;
    HICON GetCellIcon(int nRow, int nColumn, BOOL bSelected) override;
    BOOL SortByColumn() override;
    BOOL GetItemColumnText(void* pItem, int nColumn, CString* pText, int nForSort) override;
    // Rows that go give their items back.
    void SetItemArraySize(int nCount) override;
    BOOL DeleteAllRows() override;
    PFNLISTSORTCOMPARE GetSortCompareFunction() override;

    // ---- Rows
    void SetRowRecord(int nRow, TanzoAuctionItem* pItem) { SetItemPtr(nRow, pItem); }
    TanzoAuctionItem* GetRowRecord(int nRow) { return (TanzoAuctionItem*)GetItemPtr(nRow); }
    TanzoAuctionItem* GetFocusedItem();
    // Appends rows for the items (the list owns them from here); equal
    // times keep this order in every sort.
    void AppendRows(TanzoAuctionItem* const* ppItems, int nCount);
    // While on, appended rows reach the list view at most every
    // kPacedCountMs (the first at once, the others by a timer that any
    // message loop runs): under Wine each item count set redraws the
    // scroll bar at once, a few ms every time. Off shows them all now.
    void SetPacedCount(BOOL bPaced);
    // The rows appended and not yet in the list view's count go in.
    void ShowAppendedRows();
    static const UINT kPacedCountMs = 100;
    // Deletes every row's item and empties the list.
    void ReleaseAllRows();
    // The selected rows' items in row order; FALSE when none.
    BOOL GetSelectedItems(CItemSelection& items, CList<int, int>* pRows = nullptr);

    // ---- Links
    BOOL OpenItemPage(int nRow);
    // The context menu's commands over the cell it was opened on.
    BOOL OpenItemLink();
    BOOL CopyLinkAddress();
    BOOL GetCellLink(int nRow, int nColumn, CString& strLink);
    // The winner list of an item with several winners; FALSE otherwise.
    BOOL ShowWinnerList(CWnd* pWnd, TanzoAuctionItem* pItem);

    // ---- Sorting
    // The kind of the sort column, ItemField::None when none is sorted.
    int GetSortKind();
    void SetSortKind(int nKind);
    const CTieOrderMap& GetTieOrder() const { return m_ties; }

    CListCellMenu* GetCellMenu();
    // One of the 25 images, loaded on first use; null when it has none.
    HICON GetImage(int nImage);

protected:
    // Forgets the item of a row that goes, then deletes it.
    void ReleaseItem(TanzoAuctionItem* pItem);
    // Rows from nCount on are released and dropped.
    void ReleaseRowsFrom(int nCount);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    CListCellMenu* m_pCellMenu = nullptr;
    // Each row's item, by auction ID, to its place in the order the rows
    // came in.
    CTieOrderMap m_ties;
    int m_nArrivals = 0;
    BOOL m_bPacedCount = FALSE;
    BOOL m_bCountTimer = FALSE;
    DWORD m_dwCountShown = 0;
    HICON m_images[ItemImage::Count] = {};
    BOOL m_bImagesLoaded = FALSE;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_TANZOAITEMBASELISTCTRL_H
