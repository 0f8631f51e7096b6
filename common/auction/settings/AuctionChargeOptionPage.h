#ifndef TANZO_AUCTION_AUCTIONCHARGEOPTIONPAGE_H
#define TANZO_AUCTION_AUCTIONCHARGEOPTIONPAGE_H

// CAuctionChargeOptionPage: the tab page of a re-listing's paid options
// (Windows builds): featured amount, reserve price, gift icon and CPA rate,
// each edit enabled by its check box, and the bold, highlight, wrapping and
// affiliate boxes. It shows the record the derived page supplies; reading
// the controls back, its check and the gift texts are the derived page's.

#include "afx/Controls.h"
#include "app/TabbedPage.h"
#include "controls/CommComboBox.h"
#include "controls/NumberEdit.h"

class CAuctionChargeOption;

class CAuctionChargeOptionPage : public CTabbedPage
{
public:
    // UpdateEnabling bits.
    enum : DWORD
    {
        EnableGift = 0x1,
        EnableFeatured = 0x2,
        EnableReserve = 0x4,
        EnableCpa = 0x8,
        EnableAll = 0xf
    };
    enum
    {
        FeaturedDigits = 3,
        ReserveDigits = 10,
        CpaChars = 4
    };

    explicit CAuctionChargeOptionPage(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // The record shown; null shows nothing.
    virtual CAuctionChargeOption* GetChargeOption() = 0;
    // The gift-icon choices, 0-terminated.
    virtual const UINT* GetGiftIconStringIds() = 0;
    // The derived page reads its controls back into its record here.
    virtual BOOL StoreChargeOption() = 0;

    // The derived page supplies the check.
    BOOL Validate(CTabbedDialog* pDialog) override;
    void OnSetInitialFocus() override;

    void SetReservePriceMinimum(LONGLONG nMinimum) { m_nReserveMinimum = nMinimum; }
    void UpdateEnabling(DWORD dwWhich);

    // The client routes the four check boxes here.
    afx_msg void OnFeaturedCheck() { UpdateEnabling(EnableFeatured); }
    afx_msg void OnReserveCheck() { UpdateEnabling(EnableReserve); }
    afx_msg void OnGiftCheck() { UpdateEnabling(EnableGift); }
    afx_msg void OnCpaCheck() { UpdateEnabling(EnableCpa); }

protected:
    BOOL OnInitDialog() override;

    CStatic m_featuredLabel;
    CStatic m_reserveLabel;
    CStatic m_cpaLabel;
    CButton m_featuredCheck;
    CButton m_reserveCheck;
    CButton m_giftCheck;
    CButton m_cpaCheck;
    CButton m_boldCheck;
    CButton m_highlightCheck;
    CButton m_wrappingCheck;
    CButton m_affiliateCheck;
    CNumberEdit m_featuredEdit;
    CNumberEdit m_reserveEdit;
    CCommComboBox m_giftCombo;
    CDecimalEdit m_cpaEdit;
    LONGLONG m_nReserveMinimum = 1;
};

#endif // TANZO_AUCTION_AUCTIONCHARGEOPTIONPAGE_H
