#ifndef TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPAYPAGES_H
#define TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPAYPAGES_H

// The payment page of the detailed re-listing settings with its sub-pages
// for normal and easy-trading listings, and the entry dialogs of bank
// names and other payment methods (Windows builds).

#include "auction/settings/AuctionSubmitSettingPayEasyTradingBasePage.h"
#include "auction/settings/AuctionSubmitSettingPayNormalSubmitBasePage.h"
#include "auction/settings/PayMethodEntryDialog.h"
#include "client/actions/relist/ResubmitDetailPageAddOn.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"

class CResubmitDetailSettingPayPage : public CAuctionSubmitSettingPayNormalSubmitBasePage,
                                      public CResubmitDetailContainerAddOn
{
    DECLARE_DYNAMIC(CResubmitDetailSettingPayPage)
public:
    // Input errors beside the base's (0: no way to pay).
    enum
    {
        ErrorNormalListing = 16,
        ErrorEasyTrading = 17,
        ErrorServiceSettle = 18
    };

    // Takes over an older release's settings once.
    explicit CResubmitDetailSettingPayPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    BOOL SaveSettings() override;
    BOOL IsDefault() override;
    void ResetToDefaults() override;
    void InitControls() override;
    // The service's settlement must be on before the sub-pages are read.
    BOOL Validate(CTabbedDialog* pDialog) override;
    void ShowInputError(int nWhich) override;
    // A tab never opened under new settings: are its defaults meant?
    int ConfirmPage(int nWhich) override;
    int GetRegVersion() override;

protected:
    CResubmitDetailSettingSubDialog* NewSubDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

class CResubmitDetailSettingPayNormalPage : public CAuctionSubmitSettingPayNormalSubmitBasePage
{
    DECLARE_DYNAMIC(CResubmitDetailSettingPayNormalPage)
public:
    // Takes over an older release's settings once.
    explicit CResubmitDetailSettingPayNormalPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;

    afx_msg void OnBankMenu();
    afx_msg void OnBankName(UINT nID);
    afx_msg void OnOtherBank();
    afx_msg void OnEditBank();
    afx_msg void OnDeleteBank();
    afx_msg void OnAddOther();
    afx_msg void OnEditOther();
    afx_msg void OnDeleteOther();

    DECLARE_MESSAGE_MAP()
};

class CResubmitDetailSettingPayEasyTradingPage : public CAuctionSubmitSettingPayEasyTradingBasePage
{
    DECLARE_DYNAMIC(CResubmitDetailSettingPayEasyTradingPage)
public:
    explicit CResubmitDetailSettingPayEasyTradingPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    // The link keeps its caption; its address is its tip.
    void InitControls() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;
};

class CAddBankNameDialog : public CPayMethodEntryDialog
{
public:
    explicit CAddBankNameDialog(CWnd* pParentWnd = nullptr);

    LPCTSTR GetHistoryKeyFormat() override;
    UINT GetTitleStringId() override;
    UINT GetComboToolTipId() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CAddPayMethodDialog : public CPayMethodEntryDialog
{
public:
    explicit CAddPayMethodDialog(CWnd* pParentWnd = nullptr);

    LPCTSTR GetHistoryKeyFormat() override;
    UINT GetTitleStringId() override;
    UINT GetComboToolTipId() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPAYPAGES_H
