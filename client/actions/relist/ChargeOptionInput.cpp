#include "client/actions/relist/ChargeOptionInput.h"

#include "auction/records/AuctionChargeOption.h"
#include "client/ListResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "text/CharClass.h"
#include "text/NumberText.h"

namespace
{

// A rate as tenths; the error kind when it cannot be one.
int ReadTenths(const CString& text, int& tenths)
{
    CString whole = text;
    whole.TrimLeft();
    whole.TrimRight();
    CString fraction;
    const int dot = whole.Find('.');
    if (dot >= 0)
    {
        fraction = whole.Mid(dot + 1);
        whole = whole.Left(dot);
    }
    if ((!fraction.IsEmpty() && !IsNumericText(fraction)) || (!whole.IsEmpty() && !IsNumericText(whole)) ||
        (whole.IsEmpty() && fraction.IsEmpty()))
        return ChargeCpaRange;
    if (fraction.GetLength() > 1)
        return ChargeCpaDecimals;
    if (whole.GetLength() > 3)
        return ChargeCpaRange;
    tenths = (int)ParseInt64Saturated(whole.IsEmpty() ? CString("0") : whole) * 10 +
             (fraction.IsEmpty() ? 0 : fraction[0] - '0');
    return ChargeInputOk;
}
} // namespace

BOOL ReadWholeNumber(const CString& text, LONGLONG& value)
{
    CString digits = text;
    digits.Remove(',');
    digits.TrimLeft();
    digits.TrimRight();
    if (digits.IsEmpty() || !IsNumericText(digits) || digits.GetLength() > 18)
        return FALSE;
    value = ParseInt64Saturated(digits);
    return TRUE;
}

int ReadChargeOptionInput(const ChargeOptionInput& input, LONGLONG nReserveMinimum,
                          CAuctionChargeOption& option)
{
    option.Clear();
    const LONGLONG minimum = nReserveMinimum < 1 ? 1 : nReserveMinimum;
    LONGLONG value = 0;
    if (input.bReserve)
    {
        if (!ReadWholeNumber(input.reservePrice, value) || value < minimum || value > MaxReservePrice)
            return ChargeReserveRange;
        option.SetReservePrice(value);
    }
    if (input.bFeatured)
    {
        if (!ReadWholeNumber(input.featuredAmount, value) || value < MinFeaturedAmount ||
            value > MaxFeaturedAmount)
            return ChargeFeaturedRange;
        option.SetFeaturedAmount((int)value);
    }
    if (input.bCpa)
    {
        int tenths = 0;
        const int error = ReadTenths(input.cpaRate, tenths);
        if (error != ChargeInputOk)
            return error;
        if (tenths < MinCpaRate || tenths > MaxCpaRate)
            return ChargeCpaRange;
        option.SetCpaRate(tenths);
    }
    if (input.bGift && input.nGiftIndex >= 0 && input.nGiftIndex < GiftIconCount)
        option.SetGiftIcon(FirstGiftIcon + input.nGiftIndex);
    DWORD bits = 0;
    if (input.bBold)
        bits |= CAuctionChargeOption::OptionBold;
    if (input.bHighlight)
        bits |= CAuctionChargeOption::OptionHighlight;
    if (input.bWrapping)
        bits |= CAuctionChargeOption::OptionWrapping;
    if (input.bAffiliate)
        bits |= CAuctionChargeOption::OptionAffiliate;
    option.SetOptionBits(bits);
    return ChargeInputOk;
}

CString FormatChargeInputError(int nError, LONGLONG nReserveMinimum)
{
    CString format;
    CString text;
    switch (nError)
    {
    case ChargeReserveRange:
        format.LoadString(IDS_RANGE_AMOUNT);
        text.Format(format, (LONGLONG)(nReserveMinimum < 1 ? 1 : nReserveMinimum), MaxReservePrice);
        break;
    case ChargeFeaturedRange:
        text.FormatMessage(IDS_NUMBER_OUT_OF_RANGE, (int)MinFeaturedAmount, (int)MaxFeaturedAmount);
        break;
    case ChargeCpaRange:
        text.FormatMessage(IDS_RANGE_DECIMAL, MinCpaRate / 10, MinCpaRate % 10, MaxCpaRate / 10,
                           MaxCpaRate % 10);
        break;
    case ChargeCpaDecimals:
        text.LoadString(IDS_TOO_MANY_DECIMALS);
        break;
    default:
        break;
    }
    return text;
}
