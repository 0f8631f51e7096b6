#ifndef TANZO_CLIENT_ACTIONS_RESUBMITCHARGEOPTIONPAGE_H
#define TANZO_CLIENT_ACTIONS_RESUBMITCHARGEOPTIONPAGE_H

// The page of the re-listing's paid options (Windows builds): the library
// page on the client's template, which reads its controls back into the
// options of its dialog and refuses values out of their ranges.

#include "auction/settings/AuctionChargeOptionPage.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CResubmitChargeOptionPage : public CAuctionChargeOptionPage
{
    DECLARE_DYNAMIC(CResubmitChargeOptionPage)
public:
    explicit CResubmitChargeOptionPage(CWnd* pParentWnd = nullptr);

    void GetTitle(CString& strTitle) override;
    // The options of the dialog the page is in; none in another.
    CAuctionChargeOption* GetChargeOption() override;
    const UINT* GetGiftIconStringIds() override;
    // The controls into the options; FALSE, with the range's message and
    // the focus on the value, for one out of range.
    BOOL StoreChargeOption() override;
    BOOL Validate(CTabbedDialog* pDialog) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITCHARGEOPTIONPAGE_H
