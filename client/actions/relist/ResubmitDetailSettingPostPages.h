#ifndef TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPOSTPAGES_H
#define TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPOSTPAGES_H

// The shipping page of the detailed re-listing settings with its sub-pages
// for normal and easy-trading listings (Windows builds).

#include "auction/settings/AuctionSubmitSettingPostBasePage.h"
#include "client/actions/relist/ResubmitDetailPageAddOn.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"

class CResubmitDetailSettingPostPage : public CAuctionSubmitSettingPostBasePage,
                                       public CResubmitDetailContainerAddOn
{
    DECLARE_DYNAMIC(CResubmitDetailSettingPostPage)
public:
    // The prefectures and, last, abroad: 48 places.
    static const UINT kLocations[];

    // Takes over an older release's settings once.
    explicit CResubmitDetailSettingPostPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    const UINT* GetChoiceStringIds(int nWhich) override;
    BOOL SaveSettings() override;
    BOOL IsDefault() override;
    void ResetToDefaults() override;
    void InitControls() override;
    BOOL Validate(CTabbedDialog* pDialog) override;
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

// The sub-pages never ask about their defaults: the page around them does.
class CResubmitDetailSettingPostNormalPage : public CAuctionSubmitSettingPostBasePage
{
    DECLARE_DYNAMIC(CResubmitDetailSettingPostNormalPage)
public:
    // Takes over an older release's settings once.
    explicit CResubmitDetailSettingPostNormalPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    const UINT* GetChoiceStringIds(int nWhich) override;
    BOOL IsUntouched() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;
};

class CResubmitDetailSettingPostEasyTradingPage : public CAuctionSubmitSettingPostBasePage
{
    DECLARE_DYNAMIC(CResubmitDetailSettingPostEasyTradingPage)
public:
    explicit CResubmitDetailSettingPostEasyTradingPage(CWnd* pParentWnd);

    void GetTitle(CString& strTitle) override;
    const UINT* GetChoiceStringIds(int nWhich) override;
    BOOL IsUntouched() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetStandardToolTips() override;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGPOSTPAGES_H
