#include "auction/settings/AuctionListingForm.h"

#include "auction/records/ItemCondition.h"
#include "auction/records/SelectValue.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "auction/shipping/AuctionShipping.h"
#include "auction/shipping/ParcelSizeCodes.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"
#include "text/TextEscapes.h"

namespace
{
const char* const kFieldNames[LF_FIELD_COUNT] = {"tos",
                                                 "Title",
                                                 "Description",
                                                 "salesmode",
                                                 "StartPrice",
                                                 "BidOrBuyPrice",
                                                 "Offer",
                                                 "Quantity",
                                                 "istatus",
                                                 "istatus_comment",
                                                 "category",
                                                 "ImageFullPath1",
                                                 "ImageFullPath2",
                                                 "ImageFullPath3",
                                                 "ImageFullPath4",
                                                 "ImageFullPath5",
                                                 "ImageFullPath6",
                                                 "ImageFullPath7",
                                                 "ImageFullPath8",
                                                 "ImageFullPath9",
                                                 "ImageFullPath10",
                                                 "ImageWidth1",
                                                 "ImageWidth2",
                                                 "ImageWidth3",
                                                 "ImageWidth4",
                                                 "ImageWidth5",
                                                 "ImageWidth6",
                                                 "ImageWidth7",
                                                 "ImageWidth8",
                                                 "ImageWidth9",
                                                 "ImageWidth10",
                                                 "ImageHeight1",
                                                 "ImageHeight2",
                                                 "ImageHeight3",
                                                 "ImageHeight4",
                                                 "ImageHeight5",
                                                 "ImageHeight6",
                                                 "ImageHeight7",
                                                 "ImageHeight8",
                                                 "ImageHeight9",
                                                 "ImageHeight10",
                                                 "image_comment1",
                                                 "image_comment2",
                                                 "image_comment3",
                                                 "image_comment4",
                                                 "image_comment5",
                                                 "image_comment6",
                                                 "image_comment7",
                                                 "image_comment8",
                                                 "image_comment9",
                                                 "image_comment10",
                                                 "userID",
                                                 "login",
                                                 "Duration",
                                                 "ClosingTime",
                                                 "numResubmit",
                                                 "markdown",
                                                 "markdown_ratio",
                                                 "CloseEarly",
                                                 "AutoExtension",
                                                 "shipping",
                                                 "shiptime",
                                                 "minBidRating",
                                                 "badRatingRatio",
                                                 "bidCreditLimit",
                                                 "aspj1",
                                                 "aspj3",
                                                 "aspj4",
                                                 "ypmOK",
                                                 "dskPayment",
                                                 "bkname1",
                                                 "bkname2",
                                                 "bkname3",
                                                 "bkname4",
                                                 "bkname5",
                                                 "bkname6",
                                                 "bkname7",
                                                 "bkname8",
                                                 "bkname9",
                                                 "bkname10",
                                                 "paymethod1",
                                                 "paymethod2",
                                                 "paymethod3",
                                                 "paymethod4",
                                                 "paymethod5",
                                                 "paymethod6",
                                                 "paymethod7",
                                                 "paymethod8",
                                                 "paymethod9",
                                                 "paymethod10",
                                                 "intlOK",
                                                 "ypkOK",
                                                 "loc_cd",
                                                 "city",
                                                 "retpolicy",
                                                 "retpolicy_comment",
                                                 "itemsize",
                                                 "itemweight",
                                                 "hb_itemsize",
                                                 "hb_itemweight",
                                                 "shipname1",
                                                 "shipname2",
                                                 "shipname3",
                                                 "shipname4",
                                                 "shipname5",
                                                 "shipname6",
                                                 "shipname7",
                                                 "shipname8",
                                                 "shipname9",
                                                 "shipname10",
                                                 "shipfee1",
                                                 "shipfee2",
                                                 "shipfee3",
                                                 "shipfee4",
                                                 "shipfee5",
                                                 "shipfee6",
                                                 "shipfee7",
                                                 "shipfee8",
                                                 "shipfee9",
                                                 "shipfee10",
                                                 "longdistshipping1",
                                                 "longdistshipping2",
                                                 "longdistshipping3",
                                                 "longdistshipping4",
                                                 "longdistshipping5",
                                                 "longdistshipping6",
                                                 "longdistshipping7",
                                                 "longdistshipping8",
                                                 "longdistshipping9",
                                                 "longdistshipping10",
                                                 "hokkaidoshipping1",
                                                 "hokkaidoshipping2",
                                                 "hokkaidoshipping3",
                                                 "hokkaidoshipping4",
                                                 "hokkaidoshipping5",
                                                 "hokkaidoshipping6",
                                                 "hokkaidoshipping7",
                                                 "hokkaidoshipping8",
                                                 "hokkaidoshipping9",
                                                 "hokkaidoshipping10",
                                                 "okinawashipping1",
                                                 "okinawashipping2",
                                                 "okinawashipping3",
                                                 "okinawashipping4",
                                                 "okinawashipping5",
                                                 "okinawashipping6",
                                                 "okinawashipping7",
                                                 "okinawashipping8",
                                                 "okinawashipping9",
                                                 "okinawashipping10",
                                                 "isolatedislandshipping1",
                                                 "isolatedislandshipping2",
                                                 "isolatedislandshipping3",
                                                 "isolatedislandshipping4",
                                                 "isolatedislandshipping5",
                                                 "isolatedislandshipping6",
                                                 "isolatedislandshipping7",
                                                 "isolatedislandshipping8",
                                                 "isolatedislandshipping9",
                                                 "isolatedislandshipping10",
                                                 "shipratelink1",
                                                 "shipratelink2",
                                                 "shipratelink3",
                                                 "shipratelink4",
                                                 "shipratelink5",
                                                 "shipratelink6",
                                                 "shipratelink7",
                                                 "shipratelink8",
                                                 "shipratelink9",
                                                 "shipratelink10",
                                                 "intlauction",
                                                 "useIntl",
                                                 "boldSelected",
                                                 "highlightlistingSelected",
                                                 "postagefreeSelected",
                                                 "featuredAmount",
                                                 "ReservePrice",
                                                 "giftSelected",
                                                 "cpaAmount",
                                                 "wrappingSelected",
                                                 "affiliate",
                                                 "affiliateRate",
                                                 "shippinginput",
                                                 "shipschedule",
                                                 "is_other_ship",
                                                 "salesContract",
                                                 "is_hb_ship",
                                                 "is_hbmini_ship",
                                                 "selectedHacoboonMiniCvsPref",
                                                 "is_yahuneko_nekoposu_ship",
                                                 "is_yahuneko_taqbin_compact_ship",
                                                 "is_yahuneko_taqbin_ship",
                                                 "is_jp_yupacket_official_ship",
                                                 "is_jp_yupack_official_ship"};

// Shipping-service flag bits and their fields.
struct ServiceField
{
    DWORD bit;
    int field;
};
const ServiceField kServiceFields[] = {
    {0x01, LF_NEKOPOSU_SHIP}, {0x02, LF_TAQBIN_SHIP}, {0x04, LF_TAQBIN_COMPACT_SHIP}, {0x08, LF_HB_SHIP},
    {0x10, LF_HB_MINI_SHIP},  {0x20, LF_YUPACK_SHIP}, {0x40, LF_YUPACKET_SHIP},
};

// Size rows of the services whose parcel size the form takes.
enum
{
    RowGeneral = 0,
    RowHacoboon = 1, // 0x08, pair 2
    RowTaqbin = 2,   // 0x02, pair 1
    RowYupack = 3    // 0x20, pair 3
};

// A service whose parcel size is chosen, with its size-decided-later mark
// and its size/weight pair in the shipping terms.
struct SizedService
{
    DWORD bit;
    int row;
    int (CAuctionShipping::*getChoice)() const;
    void (CAuctionShipping::*setChoice)(int);
    const CSelectValuePair& (CAuctionShipping::*getPair)() const;
    void (CAuctionShipping::*setPair)(const CSelectValuePair&);
};
// In the order in which their size goes into the size fields.
const SizedService kSizedServices[] = {
    {0x02, RowTaqbin, &CAuctionShipping::GetChoice1, &CAuctionShipping::SetChoice1,
     &CAuctionShipping::GetPair1, &CAuctionShipping::SetPair1},
    {0x20, RowYupack, &CAuctionShipping::GetChoice3, &CAuctionShipping::SetChoice3,
     &CAuctionShipping::GetPair3, &CAuctionShipping::SetPair3},
    {0x08, RowHacoboon, &CAuctionShipping::GetChoice2, &CAuctionShipping::SetChoice2,
     &CAuctionShipping::GetPair2, &CAuctionShipping::SetPair2},
};

CString DecimalText(LONGLONG value)
{
    CString text;
    text.Format("%lld", (long long)value);
    return text;
}
} // namespace

CAuctionListingForm::CAuctionListingForm(CHtmlDocument* page, int defaultCharset)
    : CFormFieldSet(LF_FIELD_COUNT, page, defaultCharset), m_bankIdInputMode(BankIdNone)
{
}

CAuctionListingForm::~CAuctionListingForm() {}

CString CAuctionListingForm::GetFieldName(int i) const
{
    return (i >= 0 && i < LF_FIELD_COUNT) ? CString(kFieldNames[i]) : CString();
}

CFormFieldNameIndex& CAuctionListingForm::GetNameIndex() const
{
    static CFormFieldNameIndex index;
    return index;
}

void CAuctionListingForm::SetYesOrEmpty(int i, BOOL yes)
{
    if (yes)
        SetAt(i, "yes");
    else
        ClearAt(i);
}

void CAuctionListingForm::SetSalesMode(int kind)
{
    static const char* const kModes[] = {"auction", "buynow", "offer"};
    SetAt(LF_SALES_MODE, (kind >= 0 && kind <= 2) ? kModes[kind] : "");
    SetAt(LF_OFFER, kind == 2 ? "1" : "");
}

int CAuctionListingForm::GetSalesMode() const
{
    if (IsEqualAt(LF_SALES_MODE, "buynow"))
        return 1;
    if (IsEqualAt(LF_SALES_MODE, "offer"))
        return 2;
    return 0;
}

void CAuctionListingForm::SetItemCondition(const CItemCondition& condition)
{
    static const char* const kConditions[] = {"used",   "new",    "other",  "used10",
                                              "used20", "used40", "used60", "used80"};
    int code = condition.GetCondition();
    SetAt(LF_CONDITION, (code >= 0 && code <= 7) ? kConditions[code] : "");
    SetAt(LF_CONDITION_COMMENT, condition.GetComment());
}

void CAuctionListingForm::SetShippingMethods(const CAuctionShipMethods& item, BOOL serviceForm)
{
    CShipMethodList methods;
    item.GetShipMethods(methods);
    POSITION pos = methods.GetHeadPosition();
    BOOL anyValid = FALSE;
    for (int i = 0; i < ListingShipMethodCount; ++i)
    {
        CShipMethod method;
        if (pos != nullptr)
            method.CopyFrom(methods.GetNext(pos));
        const BOOL valid = method.IsValid();
        anyValid = anyValid || valid;
        SetAt(LF_SHIP_NAME1 + i, valid ? (LPCTSTR)method.GetName() : "");

        const BOOL withFee = valid && method.HasFee();
        if (withFee)
            SetAt(LF_SHIP_FEE1 + i, DecimalText(method.GetFee()));
        else
            ClearAt(LF_SHIP_FEE1 + i);

        static const int kRegionFields[3] = {LF_HOKKAIDO_FEE1, LF_OKINAWA_FEE1, LF_ISLAND_FEE1};
        BOOL anyRegion = FALSE;
        for (int r = 0; r < 3; ++r)
        {
            if (serviceForm && withFee && method.GetRegionFee(r) >= 0)
            {
                SetAt(kRegionFields[r] + i, DecimalText(method.GetRegionFee(r)));
                anyRegion = TRUE;
            }
            else
            {
                ClearAt(kRegionFields[r] + i);
            }
        }
        if (anyRegion)
            SetAt(LF_LONG_DIST1 + i, "1");
        else
            ClearAt(LF_LONG_DIST1 + i);

        const BOOL withLink = !serviceForm && valid && !method.HasFee() && !method.GetLink().IsEmpty();
        SetAt(LF_SHIP_RATE_LINK1 + i, withLink ? (LPCTSTR)method.GetLink() : "");
    }
    SetYesOrEmpty(LF_IS_OTHER_SHIP, serviceForm && anyValid);

    const DWORD bits = serviceForm ? item.GetShipFlags() : 0;
    for (const ServiceField& service : kServiceFields)
        SetYesOrEmpty(service.field, (bits & service.bit) != 0);
    if (bits & 0x10)
        SetInt(LF_HB_MINI_PREFECTURE, item.GetPrefecture());
    else
        ClearAt(LF_HB_MINI_PREFECTURE);

    if (!serviceForm)
        return;
    // The first service whose parcel size is known gives the size fields.
    for (const SizedService& service : kSizedServices)
    {
        if ((bits & service.bit) && (item.*service.getChoice)() == 0)
        {
            SetServiceSizeWeight((item.*service.getPair)(), service.row, service.row);
            return;
        }
    }
    SetServiceSizeWeight(CSelectValuePair(), RowTaqbin, RowTaqbin);
}

void CAuctionListingForm::ReadShippingMethods(CAuctionShipMethods& item, BOOL serviceForm) const
{
    item.Reset();
    for (int i = 0; i < ListingShipMethodCount; ++i)
    {
        if (IsEmptyAt(LF_SHIP_NAME1 + i))
            break;
        CShipMethod method;
        method.SetName(GetAt(LF_SHIP_NAME1 + i));
        auto amount = [&](int field) -> LONGLONG { return IsEmptyAt(field) ? -1 : GetInt64(field); };
        method.SetFee(amount(LF_SHIP_FEE1 + i));
        if (serviceForm)
        {
            method.SetRegionFee1(amount(LF_HOKKAIDO_FEE1 + i));
            method.SetRegionFee2(amount(LF_OKINAWA_FEE1 + i));
            method.SetRegionFee3(amount(LF_ISLAND_FEE1 + i));
        }
        else if (!IsEmptyAt(LF_SHIP_RATE_LINK1 + i))
        {
            method.SetLink(GetAt(LF_SHIP_RATE_LINK1 + i));
        }
        method.UpdateFeeType();
        item.AppendShipMethod(method);
    }
    if (!serviceForm)
        return;

    const BOOL now = IsEqualAt(LF_SHIPPING_INPUT, "now");
    if (!now && !IsEqualAt(LF_SHIPPING_INPUT, "later"))
        return;
    DWORD bits = 0;
    for (const ServiceField& service : kServiceFields)
        if (IsEqualAt(service.field, "yes"))
            bits |= service.bit;
    for (const SizedService& service : kSizedServices)
    {
        if (!(bits & service.bit))
            continue;
        (item.*service.setChoice)(now ? 0 : 1);
        if (now)
        {
            CSelectValuePair pair = (item.*service.getPair)();
            ReadServiceSizeWeight(pair, service.row, service.row);
            (item.*service.setPair)(pair);
        }
    }
    if (bits & 0x10)
    {
        int prefecture = GetInt(LF_HB_MINI_PREFECTURE);
        if (prefecture >= 1 && prefecture <= CAuctionShipping::PrefectureCount)
            item.SetPrefecture(prefecture);
    }
    item.SetShipFlags(bits);
}

void CAuctionListingForm::SetShippingInput(DWORD flags)
{
    if (flags & ShippingInputLater)
        SetAt(LF_SHIPPING_INPUT, "later");
    else if (flags & ShippingInputArrival)
        SetAt(LF_SHIPPING_INPUT, "arrival");
    else
        SetAt(LF_SHIPPING_INPUT, "now");
}

void CAuctionListingForm::SetSizeWeight(const CSelectValuePair& pair)
{
    SetServiceSizeWeight(pair, RowGeneral, RowGeneral);
}

void CAuctionListingForm::SetServiceSizeWeight(const CSelectValuePair& pair, int sizeRow, int weightRow)
{
    int size = ParcelSizeCode(sizeRow, pair.GetFirst());
    int weight = ParcelWeightCode(weightRow, pair.GetSecond());
    if (size != 0)
        SetInt(LF_ITEM_SIZE, size);
    else
        ClearAt(LF_ITEM_SIZE);
    if (weight != 0)
        SetInt(LF_ITEM_WEIGHT, weight);
    else
        ClearAt(LF_ITEM_WEIGHT);
}

void CAuctionListingForm::ReadServiceSizeWeight(CSelectValuePair& pair, int sizeRow, int weightRow) const
{
    CSelectValue size = pair.GetFirst();
    if (ParcelSizeFromCode(sizeRow, GetInt(LF_ITEM_SIZE), size))
        pair.SetFirst(size);
    CSelectValue weight = pair.GetSecond();
    if (ParcelWeightFromCode(weightRow, GetInt(LF_ITEM_WEIGHT), weight))
        pair.SetSecond(weight);
}

void CAuctionListingForm::ApplySellerPaysShipping()
{
    if (GetAt(LF_SHIPPING).CompareNoCase("seller") != 0)
        return;
    for (int i = 0; i < ListingShipMethodCount; ++i)
        ClearAt(LF_SHIP_FEE1 + i);
    SetServiceSizeWeight(CSelectValuePair(), RowTaqbin, RowTaqbin);
    SetAt(LF_SHIPPING_INPUT, "now");
}

void CAuctionListingForm::CopyBankIdInputs(CHtmlDocument* page, int* bankIdTaken)
{
    CPtrList inputs;
    if (!page->FindElements("input", inputs, "name", "bkid", 0x02))
        page->FindElements("input", inputs, "id", "auc_bkid", 0x02);
    for (POSITION pos = inputs.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* input = (const CMarkupNode*)inputs.GetNext(pos);
        CString name;
        if (!input->GetAttribute("name", name) || name.IsEmpty())
            continue;
        // Posted as a browser would: entities decoded.
        DecodeHtmlEntities(name);
        CString value;
        if (m_bankIdInputMode == BankIdCopy)
            input->GetAttribute("value", value);
        DecodeHtmlEntities(value);
        SetByName(name, value);
        if (bankIdTaken != nullptr && *bankIdTaken == 0 && !value.IsEmpty())
            *bankIdTaken = 1;
    }
}

void CAuctionListingForm::MergeFetchedForm(CHtmlDocument* page, BOOL serviceForm, int* bankIdTaken)
{
    if (!IsEqualAt(LF_TOS, "yes"))
        SetAt(LF_TOS, "yes");
    KeepIfEnabled(page, LF_YPM_OK);

    // Markdown needs re-listing, and a ratio needs markdown.
    if (!IsEmptyAt(LF_MARKDOWN) && GetInt(LF_NUM_RESUBMIT) == 0)
        ClearAt(LF_MARKDOWN);
    if (IsEmptyAt(LF_MARKDOWN) && GetInt(LF_MARKDOWN_RATIO) > 0)
        ClearAt(LF_MARKDOWN_RATIO);

    for (int i = 0; i < ListingShipMethodCount; ++i)
    {
        if (!IsEmptyAt(LF_SHIP_NAME1 + i))
            continue;
        for (int base : {LF_SHIP_FEE1, LF_HOKKAIDO_FEE1, LF_OKINAWA_FEE1, LF_ISLAND_FEE1, LF_LONG_DIST1,
                         LF_SHIP_RATE_LINK1})
            ClearAt(base + i);
    }

    if (serviceForm)
    {
        if (m_bankIdInputMode != BankIdNone && page != nullptr)
            CopyBankIdInputs(page, bankIdTaken);
        ClearAt(LF_ASPJ1);
        ClearAt(LF_ASPJ3);
        ClearAt(LF_ASPJ4);
        if (IsEmptyAt(LF_YPM_OK) && IsEmptyAt(LF_DSK_PAYMENT) && page != nullptr &&
            page->HasElement("input", "name", "dskPayment", 0))
            SetAt(LF_DSK_PAYMENT, "ypmOK");
        for (int field : {LF_NEKOPOSU_SHIP, LF_TAQBIN_COMPACT_SHIP, LF_TAQBIN_SHIP, LF_YUPACKET_SHIP,
                          LF_YUPACK_SHIP, LF_HB_SHIP, LF_HB_MINI_SHIP})
            KeepIfEnabled(page, field);
        return;
    }
    KeepIfEnabled(page, LF_ASPJ1);
    KeepIfEnabled(page, LF_ASPJ3);
    for (int i = 0; i < 10; ++i)
        KeepIfEnabled(page, LF_PAY_METHOD1 + i);
    if (IsEmptyAt(LF_ASPJ1))
        for (int i = 0; i < 10; ++i)
            ClearAt(LF_BANK_NAME1 + i);
}
