#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGMARKDOWNBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGMARKDOWNBASEPAGE_H

// The markdown settings page (Windows builds): a check box and, enabled by
// it, a label and the combo box of ratios (choice list 0). A markdown
// needs automatic re-listings: OK refuses it without them (input error 0)
// and otherwise asks ConfirmPage(1).

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "auction/settings/SubmitMarkdownSettings.h"

class CAuctionSubmitSettingMarkdownBasePage : public CAuctionSubmitSettingBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingMarkdownBasePage)
public:
    explicit CAuctionSubmitSettingMarkdownBasePage(UINT nIDTemplate, CWnd* pParentWnd = nullptr,
                                                   UINT nHelpId = 0, UINT nSettingsId = 0);

    BOOL SaveSettings() override;
    BOOL Apply(CAuctionListingForm& form) override;
    BOOL IsDefault() override;
    void InitControls() override;
    void UpdateControls() override;
    void SetDefaults() override;
    void UpdateEnabling(DWORD dwWhich) override;
    BOOL Validate(CTabbedDialog* pDialog) override;

    void FocusCheckBox();
    // The client binds it to the check box.
    afx_msg void OnToggleChanged() { UpdateEnabling(0); }
    CSubmitMarkdownSettings& GetSettings() { return m_settings; }

protected:
    CButton m_toggleCheck;
    CStatic m_ratioLabel;
    CCommComboBox m_ratioCombo;
    CSubmitMarkdownSettings m_settings;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGMARKDOWNBASEPAGE_H
