// Writing a client item's edited values into the service's listing form.
#include "client/TanzoAuctionItem.h"

#include "afx/MessageBox.h"
#include "auction/settings/AuctionListingForm.h"
#include "client/ShipProblemMessages.h"
#include "client/TextResourceIds.h"
#include "text/NumberText.h"

namespace
{

void ShowPriceMessage(UINT id, LONGLONG start, LONGLONG buyNow)
{
    CString format, startText, buyNowText, text;
    format.LoadString(id);
    FormatAmountWithUnit(start, startText);
    FormatAmountWithUnit(buyNow, buyNowText);
    text.Format(format, (LPCTSTR)startText, (LPCTSTR)buyNowText);
    AfxMessageBox(text, kErrorBox);
}

CString DecimalText(LONGLONG value)
{
    CString text;
    text.Format("%lld", value);
    return text;
}
} // namespace

BOOL TanzoAuctionItem::WriteEditsToListingForm(CAuctionListingForm& form, BOOL easyTransaction,
                                               BOOL warnArrival) const
{
    if (m_editFlags & EditTitle)
        form.SetAt(LF_TITLE, GetTitle());
    BOOL pricesWritten = FALSE;
    if (m_editFlags & EditStartPrice)
    {
        form.SetAt(LF_START_PRICE, DecimalText(GetStartPrice()));
        pricesWritten = TRUE;
    }
    if (m_editFlags & EditBuyNowPrice)
    {
        if (GetBuyNowPrice() != 0)
            form.SetAt(LF_BUY_NOW_PRICE, DecimalText(GetBuyNowPrice()));
        else
            form.ClearAt(LF_BUY_NOW_PRICE);
        pricesWritten = TRUE;
    }
    if (m_editFlags & EditSalesMode)
    {
        int mode = (int)m_salesMode.Get();
        // An auction whose buy-now price is its start price sells at once.
        const LONGLONG buyNow = form.GetInt64(LF_BUY_NOW_PRICE);
        if (mode == CSalesMode::Auction && buyNow > 0 && buyNow == form.GetInt64(LF_START_PRICE))
            mode = CSalesMode::BuyNow;
        form.SetSalesMode(mode);
    }
    if (m_editFlags & EditQuantity)
        form.SetInt(LF_QUANTITY, GetNumber1());
    // The description goes as the user typed it, as a browser posts it.
    if (m_editFlags & EditDescription)
        form.SetAt(LF_DESCRIPTION, m_editedDescription);
    if (m_editFlags & EditCondition)
        form.SetItemCondition(*this);
    if ((m_editFlags & EditShipping) && !WriteShipping(form, easyTransaction, warnArrival))
        return FALSE;
    if (m_editFlags & EditSizeWeight)
        form.SetSizeWeight(*this);
    if (pricesWritten && !CheckListingPrices(form))
        return FALSE;
    if (m_editFlags & EditChargeOptions)
    {
        m_chargeOption.WriteToListingForm(form);
        if (!CAuctionChargeOption::ValidateListingForm(form))
        {
            AfxMessageBox(IDS_NUMBER_CONVERSION, kErrorBox);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL TanzoAuctionItem::WriteShipping(CAuctionListingForm& form, BOOL easyTransaction, BOOL warnArrival) const
{
    DWORD detail = 0;
    UINT problem;
    if (easyTransaction)
        problem = GetShipMethodProblemMessageId(
            *this,
            CheckShipMethods(&detail, kServiceShipNameIds, kFlatRateShipNameIds, kNoArrivalShipNameIds));
    else
        problem = GetListingKindShipMessageId(GetShippingKind());
    if (problem != 0)
    {
        ShowShipMethodProblem(*this, problem, detail);
        return FALSE;
    }
    form.SetShippingMethods(*this, easyTransaction);
    if (!easyTransaction)
        return TRUE;
    if (warnArrival && (detail & ShipDetailAllClient) &&
        form.GetAt(LF_SHIPPING).CompareNoCase("seller") == 0 &&
        AfxMessageBox(IDS_ARRIVAL_WITH_SELLER_PAYS, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    form.SetShippingInput(
        detail & (CAuctionListingForm::ShippingInputLater | CAuctionListingForm::ShippingInputArrival));
    form.ApplySellerPaysShipping();
    return TRUE;
}

BOOL TanzoAuctionItem::CheckListingPrices(CAuctionListingForm& form) const
{
    const LONGLONG start = form.GetInt64(LF_START_PRICE);
    const LONGLONG buyNow = form.GetInt64(LF_BUY_NOW_PRICE);
    const int mode = form.GetSalesMode();
    if (buyNow > 0 && start > buyNow)
    {
        ShowPriceMessage(IDS_BUY_NOW_BELOW_START, start, buyNow);
        return FALSE;
    }
    if (mode == CSalesMode::Offer && buyNow == 0)
    {
        AfxMessageBox(IDS_OFFER_WITHOUT_BUY_NOW, kErrorBox);
        return FALSE;
    }
    if (mode == CSalesMode::Offer && start != buyNow)
    {
        ShowPriceMessage(IDS_OFFER_PRICES_DIFFER, start, buyNow);
        return FALSE;
    }
    if ((mode == CSalesMode::BuyNow || mode == CSalesMode::Offer) && start != buyNow)
        form.SetSalesMode(CSalesMode::Auction);
    return TRUE;
}
