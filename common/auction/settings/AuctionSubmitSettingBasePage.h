#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGBASEPAGE_H

// CAuctionSubmitSettingBasePage: the base of the listing-settings pages
// (Windows builds). A page reads its values from its profile section when
// it is made, shows and reads them through its controls, checks them when
// the dialog closes with OK (also when its window was never made), saves
// them and writes them into listing forms. Its values live in a settings
// object of their own, so that a page made without a window still saves
// and writes its fields.

#include "afx/CommonControls.h"
#include "afx/Controls.h"
#include "app/TabbedPage.h"
#include "auction/settings/SubmitSettingPageState.h"
#include "auction/settings/SubmitSettings.h"
#include "controls/CommComboBox.h"

class CAuctionListingForm;

class CAuctionSubmitSettingBasePage : public CTabbedPage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingBasePage)
public:
    // A settings id of 0 is the template id.
    CAuctionSubmitSettingBasePage(UINT nIDTemplate, int nPageMode, CWnd* pParentWnd = nullptr,
                                  UINT nHelpId = 0, UINT nSettingsId = 0);
    // Writes "PermanentStateVal", whether or not the dialog was confirmed.
    ~CAuctionSubmitSettingBasePage() override;

    // The values to the profile, then the current "RegVersion".
    virtual BOOL SaveSettings() = 0;
    virtual BOOL Apply(CAuctionListingForm& form) = 0;
    virtual BOOL IsDefault() = 0;
    // The defaults, shown when the window exists.
    virtual void ResetToDefaults();
    // Limits, ranges and list contents of the controls.
    virtual void InitControls() = 0;
    // The values to the controls.
    virtual void UpdateControls() = 0;
    // The values to the defaults (not to the controls).
    virtual void SetDefaults() = 0;
    // Enables dependent controls; the bits are the page's.
    virtual void UpdateEnabling(DWORD dwWhich);
    // The string ids of choice list nWhich, 0-terminated; the derived page
    // supplies the texts.
    virtual const UINT* GetChoiceStringIds(int nWhich);
    // The derived page says what is wrong with input nWhich.
    virtual void ShowInputError(int nWhich);
    // The derived page may ask; anything but IDYES refuses.
    virtual int ConfirmPage(int nWhich);
    virtual BOOL SetRegVersion(int nVersion);
    virtual int GetRegVersion();
    // Never shown, only defaults, not marked, and saved by no version or
    // by one above 2.
    virtual BOOL IsUntouched();

    // Once made, the page counts as shown for good.
    BOOL CreateModeless(CWnd* pParentWnd) override;

    int GetPageMode() const { return m_nPageMode; }
    void MarkPermanentState2() { m_state.GetPermanentState().Add(CSubmitSettingPageState::StateClientMark); }
    const CBitFlagsEx& GetPermanentState() const { return m_state.GetPermanentState(); }

protected:
    BOOL OnInitDialog() override;

    // What every page's SaveSettings does with its values.
    BOOL SaveWithVersion(const CSubmitSettings& settings);
    // The OK check of a page whose window was never made: an untouched
    // page asks ConfirmPage(0).
    BOOL ValidateUnshown();
    // The focus to an edit that holds a wrong value: all selected, the
    // caret in view.
    void FocusEdit(CEdit& edit);
    // Fills the combo box with choice list nWhich.
    void FillChoices(CCommComboBox& combo, int nWhich);
    // How many entries choice list nWhich has (0 without one).
    int CountChoices(int nWhich);
    // A spin's position; FALSE when the spin cannot read its buddy's text
    // as a number within its range.
    static BOOL ReadSpinPos(const CSpinButtonCtrl& spin, int& nPos);
    static BOOL IsChecked(const CButton& button) { return button.GetCheck() == BST_CHECKED; }
    static void SetChecked(CButton& button, BOOL bChecked)
    {
        button.SetCheck(bChecked ? BST_CHECKED : BST_UNCHECKED);
    }
    BOOL HasWindow() const { return ::IsWindow(m_hWnd); }

    int m_nPageMode;
    CSubmitSettingPageState m_state;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGBASEPAGE_H
