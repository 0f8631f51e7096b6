#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGRETURNPOLICYBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGRETURNPOLICYBASEPAGE_H

// The return-policy settings page (Windows builds): the policy (choice
// list 0) and a note. The client binds the controls.

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "auction/settings/SubmitReturnPolicySettings.h"
#include "controls/CommEdit.h"

class CAuctionSubmitSettingReturnPolicyBasePage : public CAuctionSubmitSettingBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingReturnPolicyBasePage)
public:
    enum
    {
        MaxNoteChars = 60
    };

    explicit CAuctionSubmitSettingReturnPolicyBasePage(UINT nIDTemplate, CWnd* pParentWnd = nullptr,
                                                       UINT nHelpId = 0, UINT nSettingsId = 0);

    BOOL SaveSettings() override;
    BOOL Apply(CAuctionListingForm& form) override;
    BOOL IsDefault() override;
    void InitControls() override;
    void UpdateControls() override;
    void SetDefaults() override;
    BOOL Validate(CTabbedDialog* pDialog) override;

    void FocusCombo();
    CSubmitReturnPolicySettings& GetSettings() { return m_settings; }

protected:
    CCommComboBox m_policyCombo;
    CCommEdit m_noteEdit;
    CSubmitReturnPolicySettings m_settings;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGRETURNPOLICYBASEPAGE_H
