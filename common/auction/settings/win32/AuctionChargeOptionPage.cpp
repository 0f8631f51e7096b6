#include "auction/settings/AuctionChargeOptionPage.h"

#include "app/WindowHelpers.h"
#include "auction/records/AuctionChargeOption.h"
#include "auction/settings/ChargeOptionControlValues.h"

namespace
{
void Check(CButton& button, BOOL bChecked)
{
    button.SetCheck(bChecked ? BST_CHECKED : BST_UNCHECKED);
}
} // namespace

CAuctionChargeOptionPage::CAuctionChargeOptionPage(UINT nIDTemplate, CWnd* pParentWnd)
    : CTabbedPage(nIDTemplate, pParentWnd)
{
}

BOOL CAuctionChargeOptionPage::Validate(CTabbedDialog*)
{
    return FALSE;
}

void CAuctionChargeOptionPage::OnSetInitialFocus()
{
    if (::IsWindow(m_featuredCheck.m_hWnd))
        GotoDlgCtrl(&m_featuredCheck);
}

BOOL CAuctionChargeOptionPage::OnInitDialog()
{
    CTabbedPage::OnInitDialog();
    CAuctionChargeOption* pOption = GetChargeOption();
    if (pOption == nullptr)
        return TRUE;
    const ChargeOptionControlValues values = GetChargeOptionControlValues(*pOption, m_nReserveMinimum);

    Check(m_featuredCheck, values.bFeatured);
    m_featuredEdit.SetDigitLimit(FeaturedDigits);
    m_featuredEdit.SetValue(values.nFeaturedAmount);

    Check(m_reserveCheck, values.bReserve);
    m_reserveEdit.SetDigitLimit(ReserveDigits);
    m_reserveEdit.SetValue(values.nReservePrice);

    Check(m_giftCheck, values.bGift);
    m_giftCombo.ResetContent();
    m_giftCombo.FillFromStringIds(GetGiftIconStringIds(), values.nGiftIndex);

    Check(m_cpaCheck, values.bCpa);
    m_cpaEdit.LimitText(CpaChars);
    m_cpaEdit.SetDecimalValue(values.nCpaWhole, values.nCpaFraction);

    Check(m_boldCheck, values.bBold);
    Check(m_highlightCheck, values.bHighlight);
    Check(m_wrappingCheck, values.bWrapping);
    Check(m_affiliateCheck, values.bAffiliate);

    UpdateEnabling(EnableAll);
    for (CWnd* pEdit : {(CWnd*)&m_featuredEdit, (CWnd*)&m_reserveEdit, (CWnd*)&m_cpaEdit})
        AddTail((DWORD)pEdit->GetDlgCtrlID());
    return TRUE;
}

void CAuctionChargeOptionPage::UpdateEnabling(DWORD dwWhich)
{
    auto isChecked = [](const CButton& button)
    { return ::IsWindow(button.m_hWnd) && button.GetCheck() == BST_CHECKED; };
    if ((dwWhich & EnableFeatured) != 0)
    {
        EnableWindowIfExists(&m_featuredLabel, isChecked(m_featuredCheck));
        EnableWindowIfExists(&m_featuredEdit, isChecked(m_featuredCheck));
    }
    if ((dwWhich & EnableReserve) != 0)
    {
        EnableWindowIfExists(&m_reserveLabel, isChecked(m_reserveCheck));
        EnableWindowIfExists(&m_reserveEdit, isChecked(m_reserveCheck));
    }
    if ((dwWhich & EnableGift) != 0)
        EnableWindowIfExists(&m_giftCombo, isChecked(m_giftCheck));
    if ((dwWhich & EnableCpa) != 0)
    {
        EnableWindowIfExists(&m_cpaLabel, isChecked(m_cpaCheck));
        EnableWindowIfExists(&m_cpaEdit, isChecked(m_cpaCheck));
    }
}
