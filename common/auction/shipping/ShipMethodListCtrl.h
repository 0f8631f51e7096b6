#ifndef TANZO_AUCTION_SHIPMETHODLISTCTRL_H
#define TANZO_AUCTION_SHIPMETHODLISTCTRL_H

// CShipMethodListCtrl: the list of the shipping-method editor (Windows
// builds). Each row's item data is the editor's copy of its method; a
// method's rate-table link shows as a link in the fee column, opens with
// the shell when clicked and gets the link commands in the context menu.

#include "auction/shipping/ShipMethod.h"
#include "controls/CommListCtrl.h"
#include "controls/ListCellMenu.h"

class CShipMethodListCtrl : public CCommListCtrl
{
    DECLARE_DYNAMIC(CShipMethodListCtrl)
public:
    CShipMethodListCtrl();
    ~CShipMethodListCtrl() override;

    // The method of a row, null for none.
    const CShipMethod* GetRowMethod(int nRow) const;

    void PostNotifyToParent(int nRow, int nColumn) override;
    COLORREF GetColumnTextColor(int nRow, int nColumn, BOOL bSelected) override;
    int GetCellStyle(int nRow, int nColumn, BOOL bSelected) override;

    BOOL OpenCellLink() { return m_cellMenu.OpenCellLink(this); }
    BOOL CopyCellLink() { return m_cellMenu.CopyCellLink(this); }
    CListCellMenu& GetCellMenu() { return m_cellMenu; }

protected:
    // The link of the hit row's method; the editor enables the commands.
    class CLinkMenu : public CListCellMenu
    {
    public:
        BOOL GetCellLinkText(CCommListCtrl* pList, CString& strText) override;
        void PrepareMenu(CCommListCtrl* pList, CMenu* pPopup) override;
    };

    // The fee column of a method with a link.
    BOOL IsLinkCell(int nRow, int nColumn) const;

    afx_msg void OnRightClick(NMHDR* pNMHDR, LRESULT* pResult);

    CLinkMenu m_cellMenu;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_SHIPMETHODLISTCTRL_H
