#include "auction/records/AuctionChargeOption.h"

#include "auction/settings/AuctionListingForm.h"

CAuctionChargeOption::CAuctionChargeOption()
{
    Clear();
}

CAuctionChargeOption::~CAuctionChargeOption() {}

void CAuctionChargeOption::Clear()
{
    m_featuredAmount = 0;
    m_reservePrice = 0;
    m_giftIcon = 0;
    m_optionBits = 0;
    m_cpaRate = 0;
}

void CAuctionChargeOption::CopyFrom(const CAuctionChargeOption& other)
{
    m_featuredAmount = other.m_featuredAmount;
    m_reservePrice = other.m_reservePrice;
    m_giftIcon = other.m_giftIcon;
    m_optionBits = other.m_optionBits;
    m_cpaRate = other.m_cpaRate;
}

BOOL CAuctionChargeOption::IsEqual(const CAuctionChargeOption& other) const
{
    if (&other == this)
        return TRUE;
    return m_featuredAmount == other.m_featuredAmount && m_reservePrice == other.m_reservePrice &&
           m_giftIcon == other.m_giftIcon && m_optionBits == other.m_optionBits &&
           m_cpaRate == other.m_cpaRate;
}

BOOL CAuctionChargeOption::HasAnyOption() const
{
    return m_featuredAmount > 0 || m_reservePrice > 0 || m_cpaRate > 0 || IsGiftIconValid() ||
           TestOptionBits(OptionsCharged) != 0;
}

void CAuctionChargeOption::FormatCpaRate(CString& out, BOOL dropZero) const
{
    out.Format("%d.%d", m_cpaRate / 10, m_cpaRate % 10);
    if (dropZero && out.Right(2) == ".0")
        out = out.Left(out.GetLength() - 2);
}

void CAuctionChargeOption::WriteToListingForm(CAuctionListingForm& form) const
{
    if (m_featuredAmount >= 1)
        form.SetInt(LF_FEATURED_AMOUNT, m_featuredAmount);
    else
        form.SetAt(LF_FEATURED_AMOUNT, "");
    if (m_reservePrice > 0)
        form.SetInt64(LF_RESERVE_PRICE, m_reservePrice);
    else
        form.SetAt(LF_RESERVE_PRICE, "");
    if (IsGiftIconValid())
        form.SetInt(LF_GIFT, m_giftIcon);
    else
        form.SetAt(LF_GIFT, "");
    CString rate;
    if (m_cpaRate >= 1)
        FormatCpaRate(rate, TRUE);
    form.SetAt(LF_CPA_AMOUNT, rate);
    form.SetAt(LF_BOLD, TestOptionBits(OptionBold) ? "yes" : "");
    form.SetAt(LF_HIGHLIGHT, TestOptionBits(OptionHighlight) ? "yes" : "");
    form.SetAt(LF_POSTAGE_FREE, "");
    form.SetAt(LF_WRAPPING, TestOptionBits(OptionWrapping) ? "yes" : "");
    const char* affiliate = TestOptionBits(OptionAffiliate) ? "1" : "";
    form.SetAt(LF_AFFILIATE, affiliate);
    form.SetAt(LF_AFFILIATE_RATE, affiliate);
}

BOOL CAuctionChargeOption::ValidateListingForm(const CAuctionListingForm& form)
{
    struct Limit
    {
        int field;
        int maxLength;
        BOOL dot;
    } limits[] = {
        {LF_FEATURED_AMOUNT, 3, FALSE},
        {LF_RESERVE_PRICE, 10, FALSE},
        {LF_GIFT, 1, FALSE},
        {LF_CPA_AMOUNT, 4, TRUE},
    };
    for (const Limit& limit : limits)
    {
        CString value = form.GetAt(limit.field);
        if (value.GetLength() > limit.maxLength)
            return FALSE;
        for (int i = 0; i < value.GetLength(); ++i)
        {
            char ch = value[i];
            if (!(ch >= '0' && ch <= '9') && !(limit.dot && ch == '.'))
                return FALSE;
        }
    }
    return TRUE;
}
