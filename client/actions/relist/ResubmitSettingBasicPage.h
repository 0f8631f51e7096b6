#ifndef TANZO_CLIENT_ACTIONS_RESUBMITSETTINGBASICPAGE_H
#define TANZO_CLIENT_ACTIONS_RESUBMITSETTINGBASICPAGE_H

// The basic page of the re-listing settings (Windows builds): duration,
// closing hour and automatic re-listings with their ranges in its
// messages, its tool tips on each edit and its spin, and the version of
// the settings that older releases kept elsewhere. The derived page binds
// the controls of its template.

#include "auction/settings/AuctionSubmitSettingBasicBasePage.h"
#include "client/ListResourceIds.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CResubmitSettingBasicPage : public CAuctionSubmitSettingBasicBasePage
{
    DECLARE_DYNAMIC(CResubmitSettingBasicPage)
public:
    enum
    {
        // Where an older release kept the version of every settings page.
    };

    explicit CResubmitSettingBasicPage(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0,
                                       UINT nSettingsId = 0);

    void GetTitle(CString& strTitle) override;
    // Message 842 with the range of the wrong value.
    void ShowInputError(int nWhich) override;
    // Its own, else the version that an older release kept for all pages.
    int GetRegVersion() override;

protected:
    void SetStandardToolTips() override;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITSETTINGBASICPAGE_H
