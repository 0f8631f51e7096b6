#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGPOSTBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGPOSTBASEPAGE_H

// The shipping settings page (Windows builds): who pays (choice list 0),
// the prefecture (list 3) and city, international shipping, and either the
// shipping time (list 1) with the service's delivery option, or, on the
// newer form, the shipping schedule (list 2) behind its check box. The
// client binds the controls and routes the schedule box to
// OnScheduleToggled.

#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "auction/settings/SubmitPostSettings.h"
#include "controls/CommEdit.h"

class CAuctionSubmitSettingPostBasePage : public CAuctionSubmitSettingBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingPostBasePage)
public:
    // Choice lists.
    enum
    {
        ChoiceSellerPays = 0,
        ChoiceShipTime = 1,
        ChoiceSchedule = 2,
        ChoicePrefecture = 3
    };
    enum
    {
        MaxCityChars = 20
    };

    CAuctionSubmitSettingPostBasePage(UINT nIDTemplate, DWORD dwPageOptions, int nPageMode,
                                      CWnd* pParentWnd = nullptr, UINT nHelpId = 0, UINT nSettingsId = 0);

    BOOL SaveSettings() override;
    BOOL Apply(CAuctionListingForm& form) override;
    BOOL IsDefault() override;
    void InitControls() override;
    void UpdateControls() override;
    void SetDefaults() override;
    void UpdateEnabling(DWORD dwWhich) override;
    BOOL Validate(CTabbedDialog* pDialog) override;

    void FocusFirstControl();
    afx_msg void OnScheduleToggled() { UpdateEnabling(1); }
    // Its prefecture count follows the page's prefecture list.
    CSubmitPostSettings& GetSettings();

protected:
    CCommComboBox m_sellerPaysCombo;
    CCommComboBox m_prefectureCombo;
    CCommComboBox m_shipTimeCombo;
    CCommComboBox m_scheduleCombo;
    CCommEdit m_cityEdit;
    CButton m_internationalCheck;
    CButton m_deliveryOptionCheck;
    CButton m_scheduleCheck;
    CStatic m_scheduleLabel1;
    CStatic m_scheduleLabel2;
    CSubmitPostSettings m_settings;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGPOSTBASEPAGE_H
