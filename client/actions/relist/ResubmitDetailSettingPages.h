#ifndef TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPAGES_H
#define TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPAGES_H

// The basic, bidder-limit, markdown and return-policy pages of the detailed
// re-listing settings, and the bidder-limit page's sub-page for
// easy-trading listings (Windows builds).

#include "auction/settings/AuctionSubmitSettingBidLimitBasePage.h"
#include "auction/settings/AuctionSubmitSettingMarkdownBasePage.h"
#include "auction/settings/AuctionSubmitSettingReturnPolicyBasePage.h"
#include "client/actions/relist/ResubmitDetailPageAddOn.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitSettingBasicPage.h"

// The tab title of a sub-page: its listing kind.
void LoadDetailSubPageTitle(int nPageMode, CString& strTitle);

class CResubmitDetailSettingBasicPage : public CResubmitSettingBasicPage, public CResubmitDetailPageAddOn
{
    DECLARE_DYNAMIC(CResubmitDetailSettingBasicPage)
public:
    explicit CResubmitDetailSettingBasicPage(CWnd* pParentWnd);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CResubmitDetailSettingBidLimitPage : public CAuctionSubmitSettingBidLimitBasePage,
                                           public CResubmitDetailContainerAddOn
{
    DECLARE_DYNAMIC(CResubmitDetailSettingBidLimitPage)
public:
    explicit CResubmitDetailSettingBidLimitPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    BOOL SaveSettings() override;
    BOOL IsDefault() override;
    void ResetToDefaults() override;
    void InitControls() override;
    BOOL Validate(CTabbedDialog* pDialog) override;

protected:
    CResubmitDetailSettingSubDialog* NewSubDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

class CResubmitDetailSettingSalesContractPage : public CAuctionSubmitSettingBidLimitBasePage
{
    DECLARE_DYNAMIC(CResubmitDetailSettingSalesContractPage)
public:
    explicit CResubmitDetailSettingSalesContractPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;
};

class CResubmitDetailSettingMarkdownPage : public CAuctionSubmitSettingMarkdownBasePage,
                                           public CResubmitDetailPageAddOn
{
    DECLARE_DYNAMIC(CResubmitDetailSettingMarkdownPage)
public:
    explicit CResubmitDetailSettingMarkdownPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    const UINT* GetChoiceStringIds(int nWhich) override;
    void ShowInputError(int nWhich) override;
    // Markdown on: the user confirms it when he asked to be asked.
    int ConfirmPage(int nWhich) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;

    DECLARE_MESSAGE_MAP()
};

class CResubmitDetailSettingReturnPolicyPage : public CAuctionSubmitSettingReturnPolicyBasePage,
                                               public CResubmitDetailPageAddOn
{
    DECLARE_DYNAMIC(CResubmitDetailSettingReturnPolicyPage)
public:
    explicit CResubmitDetailSettingReturnPolicyPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    const UINT* GetChoiceStringIds(int nWhich) override;
    int GetRegVersion() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPAGES_H
