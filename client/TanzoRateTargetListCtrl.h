#ifndef TANZO_CLIENT_TANZORATETARGETLISTCTRL_H
#define TANZO_CLIENT_TANZORATETARGETLISTCTRL_H

// CTanzoRateTargetListCtrl: the partner list of the partner-selection and
// winner-list dialogs (Windows builds). Each row points at a buyer that
// the row owns. Column 0 shows the buyer's ID as a link to the user's
// page, column 1 (an icon column) the buyer's feedback mark. The dialog
// around it is reached through CTanzoListParent: it shows the link under
// the mouse and gets the commands of the list's pop-up menu.

#include "client/RowRecords.h"
#include "client/TanzoAuctionBuyer.h"
#include "controls/CommListCtrlOwnerData.h"
#include "controls/ListCellMenu.h"

class CTanzoListParent;

class CTanzoRateTargetListCtrl : public CCommListCtrlOwnerData
{
    DECLARE_DYNAMIC(CTanzoRateTargetListCtrl)
public:
    CTanzoRateTargetListCtrl();
    ~CTanzoRateTargetListCtrl() override;

    // ---- Rows and their buyers
    TanzoAuctionBuyer* GetRowRecord(int nRow) const { return m_records.Get(nRow); }
    // The row takes the buyer and deletes the one it held; a row outside
    // the rows deletes it at once (FALSE).
    BOOL SetRowRecord(int nRow, TanzoAuctionBuyer* pBuyer);
    BOOL SetItemPtr(int nRow, void* pItem) override;
    BOOL DeleteRow(int nRow) override;
    BOOL DeleteAllRows() override;
    void SetItemArraySize(int nCount) override;

    // ---- Cells
    BOOL GetItemColumnText(void* pItem, int nColumn, CString* pText, int nForSort) override;
    HICON GetCellIcon(int nRow, int nColumn, BOOL bSelected) override;
    // FALSE, the link empty, for a cell without one.
    BOOL GetCellLink(int nRow, int nColumn, CString& strLink) const;
    // A click on a link opens it.
    void PostNotifyToParent(int nRow, int nColumn) override;

    // ---- The link commands of the pop-up (or, without one, of the
    // focused row's buyer)
    BOOL OpenLink();
    BOOL CopyLinkAddress();

protected:
    class CCellMenu : public CListCellMenu
    {
    public:
        BOOL GetCellLinkText(CCommListCtrl* pList, CString& strText) override;
    };

    // The dialog that holds the list, when it offers the interface.
    CTanzoListParent* GetListParent() const;
    // The link of the cell under a client point goes to the dialog.
    void ShowHoverLink(CPoint point);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();

    CCellMenu m_menu;
    // Loaded when first drawn.
    HICON m_images[2] = {nullptr, nullptr};
    CRowRecords<TanzoAuctionBuyer> m_records;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_TANZORATETARGETLISTCTRL_H
