#ifndef TANZO_CLIENT_ACTIONS_RESUBMITITEMEDITDIALOG_H
#define TANZO_CLIENT_ACTIONS_RESUBMITITEMEDITDIALOG_H

// The item edit hub of re-listing (Windows builds): the values the job
// will send for one item or for several at once, the start price typed
// here and every other field through its own dialog. It only fills item
// records whose edit flags tell the job what to overwrite.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitItemEditRules.h"
#include "controls/CommEdit.h"
#include "controls/NumberEdit.h"

class CResubmitItemEditDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CResubmitItemEditDialog)
public:
    explicit CResubmitItemEditDialog(CWnd* pParentWnd = nullptr);
    ~CResubmitItemEditDialog() override;

    // Several rows edited together (batch mode); before DoModal.
    void SetMultiEdit(BOOL bMulti) { m_bMulti = bMulti; }
    // The record that stands for the rows.
    void SetItem(const TanzoAuctionItem& item);
    // After IDOK, for each row.
    void GetResult(TanzoAuctionItem& target) const;

    const TanzoAuctionItem& GetWorking() const { return m_working; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL GetToolTipText(UINT nID, CString& strText) override;

    afx_msg void OnTitle();
    afx_msg void OnBuyNow();
    afx_msg void OnSalesMode();
    afx_msg void OnQuantity();
    afx_msg void OnDescription();
    afx_msg void OnCondition();
    afx_msg void OnShipping();
    afx_msg void OnSizeWeight();

    // The value statics of the working record's edits.
    void ShowSalesMode();
    void ShowBuyNow();
    void ShowQuantity();
    void ShowDescription();
    void ShowCondition();
    void ShowShipping();
    void ShowSizeWeight();
    void SetValueText(UINT nID, LPCTSTR lpszText);
    CString GetStartPriceText() const;

    BOOL m_bMulti = FALSE;
    TanzoAuctionItem m_result;
    TanzoAuctionItem m_working;
    int m_nShipListingKind = ShipListingUnset;
    CCommEdit m_title;
    CNumberEdit m_startPrice;
    CDecorateStatic m_condition;
    CDecorateStatic m_description;
    CDecorateStatic m_shipping;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITITEMEDITDIALOG_H
