#ifndef TANZO_AUCTION_AMOUNTDIALOG_H
#define TANZO_AUCTION_AMOUNTDIALOG_H

// CAmountDialog: the base of dialogs that set an amount of yen behind a
// check box that enables it (Windows builds). The client supplies the
// template with the controls below and the range message.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "auction/dialogs/AuctionDialogRules.h"
#include "auction/records/AuctionResourceIds.h"
#include "controls/NumberEdit.h"

class CAmountDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CAmountDialog)
public:
    // Controls of the template.

    CAmountDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CAmountDialog() override;

    void SetAmount(LONGLONG nAmount) { m_nAmount = nAmount; }
    // 0 when the check box was off.
    LONGLONG GetAmount() const { return m_nAmount; }
    // Below 2 counts as 1.
    void SetMinimum(LONGLONG nMinimum) { m_nMinimum = nMinimum; }
    // AmountCheckRange (set from the start), AmountStartEmpty.
    void AddOptions(DWORD dwOptions) { m_dwOptions |= dwOptions; }

    // The check box's command: the edit and its labels follow it.
    afx_msg void OnEnableCheck();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // kind 1: the amount lies outside the range; the client shows why.
    virtual void ShowRangeError(int nKind);

    CStatic m_label;
    CStatic m_unit;
    CButton m_enable;
    CNumberEdit m_edit;
    LONGLONG m_nAmount = 0;
    LONGLONG m_nMinimum = 0;
    DWORD m_dwOptions = AmountCheckRange;

    DECLARE_MESSAGE_MAP()

private:
    void UpdateEnabling();
};

#endif // TANZO_AUCTION_AMOUNTDIALOG_H
