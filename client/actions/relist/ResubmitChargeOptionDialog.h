#ifndef TANZO_CLIENT_ACTIONS_RESUBMITCHARGEOPTIONDIALOG_H
#define TANZO_CLIENT_ACTIONS_RESUBMITCHARGEOPTIONDIALOG_H

// The paid options of the items about to be re-listed (Windows builds):
// one page of options, the caller's before DoModal and the edited ones
// after IDOK.

#include "app/DecorateStatic.h"
#include "app/TabbedDialog.h"
#include "auction/records/AuctionChargeOption.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CResubmitChargeOptionDialog : public CTabbedDialog
{
    DECLARE_DYNAMIC(CResubmitChargeOptionDialog)
public:
    explicit CResubmitChargeOptionDialog(CWnd* pParentWnd = nullptr);

    CAuctionChargeOption& GetOptions() { return m_options; }
    // The least reserve price; 0 for none.
    void SetReservePriceMinimum(LONGLONG nMinimum) { m_nReserveMinimum = nMinimum; }
    // A caption instead of the template's; 0 keeps it.
    void SetCaptionId(UINT nID) { m_nCaptionId = nID; }

protected:
    void AddPages() override;
    BOOL OnInitDialog() override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;
    void DoDataExchange(CDataExchange* pDX) override;

    CAuctionChargeOption m_options;
    CHintStatic m_hint;
    LONGLONG m_nReserveMinimum;
    UINT m_nCaptionId;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITCHARGEOPTIONDIALOG_H
