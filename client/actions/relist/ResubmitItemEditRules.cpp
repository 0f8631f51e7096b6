#include "client/actions/relist/ResubmitItemEditRules.h"

#include <cstring>

#include "auction/records/ItemCondition.h"
#include "auction/records/SelectValue.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "client/TanzoAuctionItem.h"
#include "client/TextResourceIds.h"
#include "client/actions/relist/ChargeOptionInput.h"
#include "client/actions/relist/ItemConditionNames.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "controls/ControlsResourceIds.h"
#include "text/CharClass.h"
#include "text/NumberText.h"

namespace
{

// Titles the status list shows in full are no longer than this.
const int kListTitleBytes = 53;
const int kTitleLimitChars = 65;
const int kMinQuantity = 1;
const int kMaxQuantity = 99;
const LONGLONG kMaxShipFee = 9999999;

const int kNewConditions[] = {1, 3, 4, 5, 6, 7};
const int kOlderConditions[] = {1, 3, 4, 5, 6, 7, 0, 2};
const int kUsedCondition = 0;
const int kOtherCondition = 2;

const int* ConditionList(BOOL bNewList, int& count)
{
    if (bNewList)
    {
        count = (int)(sizeof(kNewConditions) / sizeof(kNewConditions[0]));
        return kNewConditions;
    }
    count = (int)(sizeof(kOlderConditions) / sizeof(kOlderConditions[0]));
    return kOlderConditions;
}

BOOL IsEmptyText(LPCTSTR text)
{
    CString trimmed = text != nullptr ? text : "";
    trimmed.TrimLeft();
    trimmed.TrimRight();
    return trimmed.IsEmpty();
}

// The start price typed: -1 when it is not a number the hub can take.
LONGLONG ReadStartPrice(LPCTSTR text)
{
    LONGLONG value = 0;
    if (text == nullptr || !ReadWholeNumber(text, value) || value > kItemEditMaxStartPrice)
        return -1;
    return value;
}

BOOL StartsWith(const CString& text, LPCTSTR prefix)
{
    const int n = (int)strlen(prefix);
    return text.GetLength() >= n && text.Left(n) == prefix;
}
} // namespace

UINT ApplyItemEditOk(BOOL bMulti, LPCTSTR startPriceText, const TanzoAuctionItem& working,
                     TanzoAuctionItem& result)
{
    const BOOL keepPrices = bMulti && IsEmptyText(startPriceText);
    LONGLONG start = 0;
    if (!keepPrices)
    {
        start = ReadStartPrice(startPriceText);
        if (start < kItemEditMinStartPrice)
            return IDS_RANGE_AMOUNT;
    }

    int mode = -1;
    LONGLONG buyNow = 0;
    const BOOL modeEdited = working.TestEditFlags(TanzoAuctionItem::EditSalesMode) != 0;
    const BOOL buyNowEdited = working.TestEditFlags(TanzoAuctionItem::EditBuyNowPrice) != 0;
    if (modeEdited)
        mode = (int)working.GetSalesMode().Get();
    if (buyNowEdited)
        buyNow = working.GetBuyNowPrice();
    if (modeEdited)
    {
        // A fixed price sells at the price typed.
        if (start > 0 && (mode == CSalesMode::BuyNow || mode == CSalesMode::Offer))
            buyNow = start;
    }
    else if (buyNowEdited)
    {
        if (buyNow == 0 ||
            (start > 0 && buyNow > start && !result.TestEditFlags(TanzoAuctionItem::EditSalesMode)))
            mode = CSalesMode::Auction;
    }
    const BOOL setBuyNow = buyNowEdited || buyNow > 0;
    if (setBuyNow && buyNow > 0 && start > 0 && start > buyNow)
        return IDS_START_ABOVE_BUY_NOW;

    if (!keepPrices && start != result.GetStartPrice())
    {
        result.SetStartPrice(start);
        result.AddEditFlags(TanzoAuctionItem::EditStartPrice);
    }
    if (mode >= CSalesMode::Auction && mode <= CSalesMode::Offer)
    {
        result.GetSalesMode().Set((DWORD)mode);
        result.AddEditFlags(TanzoAuctionItem::EditSalesMode);
    }
    if (setBuyNow)
    {
        result.SetBuyNowPrice(buyNow);
        result.AddEditFlags(TanzoAuctionItem::EditBuyNowPrice);
    }
    result.MergeEdits(working, bMulti ? ItemEditBatchWorkingMask : ItemEditSingleWorkingMask);
    return 0;
}

LONGLONG GetBuyNowMinimum(BOOL bMulti, LPCTSTR startPriceText, const TanzoAuctionItem& result)
{
    LONGLONG start = ReadStartPrice(startPriceText);
    if (start <= 0)
        start = bMulti ? 0 : result.GetStartPrice();
    return start > 0 ? start : 0;
}

LONGLONG GetBuyNowRangeMinimum(LONGLONG minimum)
{
    return minimum < 2 ? 1 : minimum;
}

BOOL NeedsFullTitle(BOOL bMulti, const TanzoAuctionItem& working, const TanzoAuctionItem& result)
{
    const CString& title = result.GetTitle();
    return !bMulti && !working.TestEditFlags(TanzoAuctionItem::EditTitle) &&
           title.GetLength() > kListTitleBytes && title.Right(3) == "...";
}

UINT GetSalesModeNameId(int mode)
{
    return mode >= CSalesMode::Auction && mode <= CSalesMode::Offer ? (UINT)(IDS_SALES_MODE_AUCTION + mode)
                                                                    : 0u;
}

UINT GetPriceLabelId(int mode)
{
    return mode == CSalesMode::Auction ? IDS_START_PRICE_LABEL : IDS_FIXED_PRICE_LABEL;
}

void FormatBuyNowPriceText(LONGLONG price, CString& out)
{
    if (price == 0)
        out.LoadString(IDS_NO_BUY_NOW);
    else
        FormatAmountWithUnit(price, out);
}

void FormatQuantityText(int quantity, CString& out)
{
    out.Empty();
    if (quantity > 0)
        out.Format("%d", quantity);
}

void FormatConditionText(const CItemCondition& condition, CString& out)
{
    out = GetItemConditionName(condition);
    if (!condition.GetComment().IsEmpty())
    {
        CString format;
        format.LoadString(IDS_CONDITION_WITH_COMMENT);
        const CString name = out;
        out.Format(format, (LPCTSTR)name, (LPCTSTR)condition.GetComment());
    }
}

void FormatShippingText(const CAuctionShipMethods& shipping, CString& out)
{
    CString separator;
    separator.LoadString(IDS_SHIP_SEPARATOR);
    out.Empty();
    shipping.FormatShipMethodList(out, IDS_SHIP_FORMAT, IDS_SHIP_LINK_FORMAT, IDS_SHIP_REGION_WORD,
                                  IDS_SHIP_ARRIVAL_WORD, separator);
    if (out.IsEmpty())
        out.LoadString(IDS_NO_SHIPPING);
}

void FormatSizeWeightText(const CSelectValuePair& pair, CString& out)
{
    pair.Format(out, IDS_SIZE_UP_TO, IDS_SIZE_OVER, IDS_WEIGHT_UP_TO, IDS_WEIGHT_OVER, IDS_NO_SIZE_WEIGHT);
}

void FormatTitleLengthTip(const CString& title, CString& out)
{
    const int bytes = title.GetLength();
    out.FormatMessage(bytes % 2 != 0 ? IDS_TITLE_TIP_ODD : IDS_TITLE_TIP_EVEN, kTitleLimitChars, bytes / 2);
}

int GetConditionListCount(BOOL bNewList)
{
    int count = 0;
    ConditionList(bNewList, count);
    return count;
}

int ConditionCodeToPosition(int code, BOOL bNewList)
{
    int count = 0;
    const int* codes = ConditionList(bNewList, count);
    for (int i = 0; i < count; ++i)
        if (codes[i] == code)
            return i;
    return -1;
}

int ConditionPositionToCode(int position, BOOL bNewList)
{
    int count = 0;
    const int* codes = ConditionList(bNewList, count);
    return position >= 0 && position < count ? codes[position] : CItemCondition::DefaultCondition;
}

UINT GetConditionQuestion(const CItemCondition& condition, CString& question)
{
    const int code = condition.GetCondition();
    const BOOL hasComment = !condition.GetComment().IsEmpty();
    question.Empty();
    if (code == kUsedCondition || code == kOtherCondition)
    {
        const UINT id = hasComment ? IDS_CONDITION_GOING_WITH_COMMENT : IDS_CONDITION_GOING;
        const CString name = GetItemConditionName(condition);
        question.FormatMessage(id, (LPCTSTR)name);
        return id;
    }
    if (hasComment)
    {
        question.LoadString(IDS_COMMENT_GOING);
        return IDS_COMMENT_GOING;
    }
    return 0;
}

int ClampEditQuantity(int quantity)
{
    return quantity < kMinQuantity ? kMinQuantity : quantity > kMaxQuantity ? kMaxQuantity : quantity;
}

void FormatShipDialogCaption(int listingKind, CString& out)
{
    out.LoadString(IDS_SHIP_CAPTION);
    if (listingKind != ShipListingNormal && listingKind != ShipListingEasyTransaction)
        return;
    CString format;
    CString kind;
    format.LoadString(IDS_SHIP_CAPTION_KIND);
    kind.LoadString(listingKind == ShipListingNormal ? IDS_SHIP_KIND_NORMAL : IDS_SHIP_KIND_EASY);
    const CString caption = out;
    out.Format(format, (LPCTSTR)caption, (LPCTSTR)kind);
}

UINT CheckGeneralMethodsForKind(int listingKind, const CAuctionShipMethods& shipping)
{
    return listingKind == ShipListingNormal && shipping.HasMethodOfFeeType(CShipMethod::FeeRegional)
               ? (UINT)IDS_SHIP_REGIONAL_ORDINARY
               : 0u;
}

UINT CheckServicesForKind(int listingKind, const CAuctionShipMethods& shipping)
{
    return listingKind == ShipListingNormal && shipping.TestShipFlags(CAuctionShipping::ShipAllFlags)
               ? (UINT)IDS_SHIP_SERVICE_ORDINARY
               : 0u;
}

int GetShipProblemTab(int problemKind)
{
    return problemKind == ShipCheckPairsDiffer ? 1 : 0;
}

int GetShipProblemFeeType(int problemKind)
{
    switch (problemKind)
    {
    case ShipCheckNoFeeMixed:
        return CShipMethod::FeeNone;
    case ShipCheckClientMixed:
    case ShipCheckArrivalName:
        return CShipMethod::FeeClient;
    default:
        return -1;
    }
}

UINT CheckShipMethodEntry(const ShipMethodEntryInput& input, LONGLONG& fee, LONGLONG regionFees[3],
                          int& focus)
{
    focus = ShipEntryFocusNone;
    fee = -1;
    for (int i = 0; i < 3; ++i)
        regionFees[i] = -1;
    if (input.name.IsEmpty())
    {
        focus = ShipEntryFocusName;
        return IDS_NOTHING_ENTERED;
    }
    const int feeType = input.feeType;
    if (feeType == CShipMethod::FeeOne || feeType == CShipMethod::FeeRegional)
    {
        LONGLONG value = 0;
        if (!ReadWholeNumber(input.fee, value) || value > kMaxShipFee)
        {
            focus = ShipEntryFocusFee;
            return IDS_RANGE_AMOUNT;
        }
        fee = value;
    }
    if (feeType == CShipMethod::FeeRegional)
    {
        BOOL any = FALSE;
        for (int i = 0; i < 3; ++i)
        {
            LONGLONG value = 0;
            if (ReadWholeNumber(input.regionFees[i], value))
            {
                regionFees[i] = value;
                any = TRUE;
            }
        }
        if (!any)
        {
            focus = ShipEntryFocusRegion;
            return IDS_NO_REGION_FEE;
        }
    }
    if (feeType == CShipMethod::FeeLink)
    {
        const CString& link = input.link;
        UINT message = 0;
        for (int i = 0; i < link.GetLength() && message == 0; ++i)
            if (!IsAsciiByte((BYTE)link[i]))
                message = IDS_LINK_WIDE_CHARS;
        if (message == 0 && (link.IsEmpty() || link == "http://" || link == "https://"))
            message = IDS_LINK_EMPTY;
        if (message == 0 && !StartsWith(link, "http://") && !StartsWith(link, "https://"))
            message = IDS_LINK_NOT_ABSOLUTE;
        if (message != 0)
        {
            focus = ShipEntryFocusLink;
            return message;
        }
    }
    return 0;
}

void FormatItemEditRange(LONGLONG minimum, LONGLONG maximum, CString& out)
{
    CString format;
    format.LoadString(IDS_RANGE_AMOUNT);
    out.Format(format, minimum, maximum);
}

void GetItemEditResult(BOOL bMulti, const TanzoAuctionItem& result, TanzoAuctionItem& target)
{
    if (bMulti)
        target.MergeEdits(result, ItemEditBatchResultMask);
    else
        target.CopyFrom(result, AuctionItem::AllGroups);
}
