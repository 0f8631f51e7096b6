#include "client/TanzoAuctionItem.h"

#include <cstring>

#include "client/StatusPageValues.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TextResourceIds.h"

namespace
{
const char kTypeName[] = "TanzoAuctionItem";

// Groups of the common record and the edit flag that guards each.
const struct
{
    DWORD group;
    DWORD edit;
} kGroupEdits[] = {
    {AuctionItem::GroupTitle, TanzoAuctionItem::EditTitle},
    {AuctionItem::GroupStartPrice, TanzoAuctionItem::EditStartPrice},
    {AuctionItem::GroupBuyNowPrice, TanzoAuctionItem::EditBuyNowPrice},
    {AuctionItem::GroupNumber1, TanzoAuctionItem::EditQuantity},
    {AuctionItem::GroupCondition, TanzoAuctionItem::EditCondition},
    {AuctionItem::GroupShipping, TanzoAuctionItem::EditShipping},
    {AuctionItem::GroupPair, TanzoAuctionItem::EditSizeWeight},
};

void AppendMark(CString& out, UINT id)
{
    CString text;
    text.LoadString(id);
    out += "[" + text + "]";
}
} // namespace

LONGLONG RemainingTextSeconds(const CString& text)
{
    if (text.IsEmpty())
        return 0;
    // The largest unit named decides; the next smaller one counts 1.
    const struct
    {
        UINT word;
        LONGLONG unit;
        LONGLONG extra;
    } units[] = {{IDS_DAY, 86400, 3600}, {IDS_HOUR, 3600, 60}, {IDS_MINUTE, 60, 0}};
    for (const auto& u : units)
    {
        CString word;
        word.LoadString(u.word);
        const int at = word.IsEmpty() ? -1 : text.Find(word);
        if (at < 0)
            continue;
        if (at == 0)
            return 0;
        return (LONGLONG)ParseNumberText(text.Left(at)) * u.unit + u.extra;
    }
    return 0;
}

BOOL IsTanzoAuctionItem(const AuctionItem* item)
{
    return item != nullptr && std::strcmp(item->GetTypeName(), kTypeName) == 0;
}

TanzoAuctionItem::TanzoAuctionItem() : m_editFlags(0)
{
    // The common record's constructor has cleared its groups already.
    ResetClientMembers();
}

TanzoAuctionItem::TanzoAuctionItem(const TanzoAuctionItem& other)
    : AuctionItem(), CItemKeyInterface(), m_editFlags(0)
{
    ClearAll();
    CopyFrom(other, AllGroups);
}

TanzoAuctionItem::~TanzoAuctionItem() {}

LPCTSTR TanzoAuctionItem::GetTypeName() const
{
    return kTypeName;
}

void TanzoAuctionItem::SetRemainingTimeText(LPCTSTR text)
{
    m_remainingTimeText = text;
}

BOOL TanzoAuctionItem::FormatRemainingTime(CString& out) const
{
    out = m_remainingTimeText;
    return !out.IsEmpty();
}

void TanzoAuctionItem::ResetClientMembers()
{
    m_userState.Reset();
    m_salesMode.Reset();
    m_chargeOption.Clear();
    m_editedDescription.Empty();
    m_remainingTimeText.Empty();
    m_editFlags = 0;
}

void TanzoAuctionItem::CopyFrom(const AuctionItem& other, DWORD mask)
{
    if (&other == this)
        return;
    AuctionItem::CopyFrom(other, mask);
    if (!IsTanzoAuctionItem(&other))
    {
        ResetClientMembers();
        return;
    }
    const TanzoAuctionItem& item = static_cast<const TanzoAuctionItem&>(other);
    m_userState.CopyFrom(item.m_userState);
    m_salesMode = item.m_salesMode;
    m_chargeOption.CopyFrom(item.m_chargeOption);
    m_editedDescription = item.m_editedDescription;
    m_remainingTimeText = item.m_remainingTimeText;
    m_editFlags = item.m_editFlags;
}

void TanzoAuctionItem::KeepCommonFields(const AuctionItem& other)
{
    if (&other == this)
        return;
    AuctionItem::KeepCommonFields(other);
    if (!IsTanzoAuctionItem(&other))
    {
        ResetClientMembers();
        return;
    }
    const TanzoAuctionItem& item = static_cast<const TanzoAuctionItem&>(other);
    DWORD differ = 0;
    if (!m_userState.IsEqual(item.m_userState))
        m_userState.Reset();
    if (m_salesMode != item.m_salesMode)
    {
        m_salesMode.Reset();
        differ |= EditSalesMode;
    }
    if (!m_chargeOption.IsEqual(item.m_chargeOption))
    {
        m_chargeOption.Clear();
        differ |= EditChargeOptions;
    }
    if (m_editedDescription.Compare(item.m_editedDescription) != 0)
    {
        m_editedDescription.Empty();
        differ |= EditDescription;
    }
    if (m_remainingTimeText.Compare(item.m_remainingTimeText) != 0)
        m_remainingTimeText.Empty();
    m_editFlags = (m_editFlags & item.m_editFlags) & ~differ;
}

void TanzoAuctionItem::ClearAll()
{
    ResetClientMembers();
    Clear(AllGroups);
}

void TanzoAuctionItem::Clear(DWORD mask)
{
    AuctionItem::Clear(mask);
    if (m_editFlags == 0)
        return;
    for (const auto& g : kGroupEdits)
        if (mask & g.group)
            m_editFlags &= ~g.edit;
}

void TanzoAuctionItem::Serialize(CArchive&, DWORD) {}

AuctionBuyer* TanzoAuctionItem::CreateBuyer(const AuctionBuyer* source) const
{
    TanzoAuctionBuyer* buyer = new TanzoAuctionBuyer(nullptr, 0, 1, 1);
    if (source != nullptr)
        buyer->Assign(*source);
    return buyer;
}

CTime TanzoAuctionItem::GetTime() const
{
    if (GetEndTime().GetTime() != 0)
        return GetEndTime();
    return CTime(RemainingTextSeconds(m_remainingTimeText));
}

BOOL TanzoAuctionItem::GetBuyers(CTanzoAuctionBuyerList& list) const
{
    BOOL any = FALSE;
    for (int i = 0; i < GetBuyerCount(); ++i)
    {
        const AuctionBuyer* buyer = BuyerAt(i);
        if (buyer == nullptr)
            continue;
        TanzoAuctionBuyer copy;
        copy.Assign(*buyer);
        list.AddTail(copy);
        any = TRUE;
    }
    return any;
}

void TanzoAuctionItem::ReplaceBuyers(const CTanzoAuctionBuyerList& list)
{
    RemoveAllBuyers();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        AddBuyer(list.GetNext(pos));
}

void TanzoAuctionItem::AddFlagsToAllBuyers(DWORD bits)
{
    for (int i = 0; i < GetBuyerCount(); ++i)
    {
        AuctionBuyer* buyer = BuyerAt(i);
        if (IsTanzoAuctionBuyer(buyer))
            static_cast<TanzoAuctionBuyer*>(buyer)->AddFlags(bits);
    }
}

void TanzoAuctionItem::ClearFlagsOfAllBuyers(DWORD bits)
{
    for (int i = 0; i < GetBuyerCount(); ++i)
    {
        AuctionBuyer* buyer = BuyerAt(i);
        if (IsTanzoAuctionBuyer(buyer))
            static_cast<TanzoAuctionBuyer*>(buyer)->ClearFlags(bits);
    }
}

BOOL TanzoAuctionItem::AllBuyersHaveFlags(DWORD bits) const
{
    if (GetBuyerCount() == 0)
        return FALSE;
    for (int i = 0; i < GetBuyerCount(); ++i)
    {
        const AuctionBuyer* buyer = BuyerAt(i);
        if (IsTanzoAuctionBuyer(buyer) && static_cast<const TanzoAuctionBuyer*>(buyer)->TestFlags(bits) == 0)
            return FALSE;
    }
    return TRUE;
}

void TanzoAuctionItem::ApplyUserEdit(const TanzoAuctionItemUserEdit& record)
{
    m_userState.CopyFrom(record);
    SetMemo(record.GetMemo());
    // One stored buyer says nothing the page did not: the parsed one, with
    // its amount, stays.
    if (record.GetBuyerCount() > 1)
    {
        CTanzoAuctionBuyerList buyers;
        record.GetBuyers(buyers);
        ReplaceBuyers(buyers);
    }
}

void TanzoAuctionItem::MergeEdits(const TanzoAuctionItem& other, DWORD mask)
{
    const DWORD edits = other.m_editFlags & mask;
    if (edits & EditStartPrice)
    {
        SetStartPrice(other.GetStartPrice());
        m_editFlags |= EditStartPrice;
    }
    if (edits & EditSalesMode)
    {
        m_salesMode = other.m_salesMode;
        m_editFlags |= EditSalesMode;
    }
    if (edits & EditBuyNowPrice)
    {
        SetBuyNowPrice(other.GetBuyNowPrice());
        m_editFlags |= EditBuyNowPrice;
    }
    // A fixed price sells at one price; a buy-now price alone, or none,
    // makes an auction.
    if ((mask & EditSalesMode) && (mask & EditBuyNowPrice))
    {
        if ((edits & EditSalesMode) && GetStartPrice() > 0 && m_salesMode.IsFixedPrice() &&
            GetBuyNowPrice() != GetStartPrice())
        {
            SetBuyNowPrice(GetStartPrice());
            m_editFlags |= EditBuyNowPrice;
        }
        else if ((edits & EditBuyNowPrice) &&
                 (GetBuyNowPrice() == 0 || (GetStartPrice() > 0 && GetBuyNowPrice() > GetStartPrice() &&
                                            (m_editFlags & EditSalesMode) == 0)))
        {
            m_salesMode.Set(CSalesMode::Auction);
            m_editFlags |= EditSalesMode;
        }
    }
    if ((mask & EditStartPrice) && (mask & EditBuyNowPrice) && m_salesMode.IsFixedPrice())
    {
        if ((edits & EditStartPrice) && !(edits & EditBuyNowPrice))
        {
            SetBuyNowPrice(GetStartPrice());
            m_editFlags |= EditBuyNowPrice;
        }
        else if ((edits & EditBuyNowPrice) && !(edits & EditStartPrice))
        {
            SetStartPrice(GetBuyNowPrice());
            m_editFlags |= EditStartPrice;
        }
    }
    if (edits & EditTitle)
    {
        SetTitle(other.GetTitle());
        m_editFlags |= EditTitle;
    }
    if (edits & EditQuantity)
    {
        SetNumber1(other.GetNumber1());
        m_editFlags |= EditQuantity;
    }
    if (edits & EditDescription)
    {
        m_editedDescription = other.m_editedDescription;
        m_editFlags |= EditDescription;
    }
    if (edits & EditCondition)
    {
        CItemCondition::Assign(other);
        m_editFlags |= EditCondition;
    }
    if (edits & EditShipping)
    {
        CAuctionShipMethods::CopyFrom(other);
        m_editFlags |= EditShipping;
    }
    if (edits & EditSizeWeight)
    {
        CSelectValuePair::CopyFrom(other);
        m_editFlags |= EditSizeWeight;
    }
}

void TanzoAuctionItem::FormatChargeOptionMarks(CString& out) const
{
    out.Empty();
    const CAuctionChargeOption& o = m_chargeOption;
    if (o.HasAnyOption())
    {
        if (o.GetFeaturedAmount() > 0)
            AppendMark(out, IDS_MARK_FEATURED);
        if (o.GetReservePrice() > 0)
            AppendMark(out, IDS_MARK_RESERVE);
        if (o.IsGiftIconValid())
            AppendMark(out, IDS_MARK_GIFT);
        if (o.GetCpaRate() > 0)
            AppendMark(out, IDS_MARK_CPA);
        const struct
        {
            DWORD bit;
            UINT id;
        } bits[] = {{CAuctionChargeOption::OptionBold, IDS_MARK_BOLD},
                    {CAuctionChargeOption::OptionHighlight, IDS_MARK_HIGHLIGHT},
                    {CAuctionChargeOption::OptionWrapping, IDS_MARK_WRAPPING},
                    {CAuctionChargeOption::OptionAffiliate, IDS_MARK_AFFILIATE}};
        for (const auto& b : bits)
            if (o.TestOptionBits(b.bit))
                AppendMark(out, b.id);
    }
    else if (m_editFlags & EditChargeOptions)
    {
        out.LoadString(IDS_NO_OPTIONS);
    }
}
