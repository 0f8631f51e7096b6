#include "auction/records/AuctionItem.h"

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/LoadText.h"
#include "auction/records/ArchiveWords.h"
#include "auction/records/AuctionResourceIds.h"
#include "net/ServiceHosts.h"
#include "text/TextCut.h"
#include "text/UrlUtil.h"

namespace
{
// Texts of the string table.

const int kTitleBytes = 60;
const int kTitleBytesWithEllipsis = 66;

AuctionClockProc g_clock = nullptr;

BOOL FormatItemTime(const CTime& time, CString& out)
{
    out.Empty();
    if (time.GetTime() == 0)
        return FALSE;
    struct tm local;
    time.GetLocalTm(&local);
    CString format = LoadText(IDS_ITEM_TIME);
    if (format.IsEmpty())
        return FALSE;
    out.Format(format, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return !out.IsEmpty();
}

} // namespace

void SetAuctionClock(AuctionClockProc clock)
{
    g_clock = clock;
}

CTime GetAuctionCurrentTime()
{
    return g_clock != nullptr ? g_clock() : CTime::GetCurrentTime();
}

void FormatRemainingSeconds(LONGLONG s, CString& out)
{
    const LONGLONG days = s / 86400;
    const LONGLONG hours = s / 3600 - days * 24;
    const LONGLONG minutes = s / 60 - (s / 3600) * 60;
    const LONGLONG seconds = s % 60;
    if (days > 0)
        out.Format(LoadText(IDS_REMAIN_DAYS), (int)days);
    else if (hours >= 3)
        out.Format(LoadText(IDS_REMAIN_HOURS), (int)hours);
    else if (hours > 0)
        out.Format(LoadText(IDS_REMAIN_HOUR_MIN), (int)hours, (int)minutes);
    else if (minutes >= 10)
        out.Format(LoadText(IDS_REMAIN_MINUTES), (int)minutes);
    else if (minutes > 0)
        out.Format(LoadText(IDS_REMAIN_MIN_SEC), (int)minutes, (int)seconds);
    else if (seconds <= 0)
        out = LoadText(IDS_REMAIN_ENDED);
    else
        out.Format(LoadText(IDS_REMAIN_SECONDS), (int)seconds);
}

BOOL MakeSellerPageURL(LPCTSTR sellerID, CString& out)
{
    out.Empty();
    if (sellerID == nullptr || *sellerID == '\0')
        return FALSE;
    out = GetServiceOrigin(HostAuctions) + "/seller/" + sellerID;
    return TRUE;
}

BOOL IsWinnerListText(LPCTSTR name)
{
    if (name == nullptr || *name == '\0')
        return FALSE;
    CString text = LoadText(IDS_WINNER_LIST_CAPTION);
    return !text.IsEmpty() && text.CompareNoCase(name) == 0;
}

AuctionItem::AuctionItem()
    : CItemCondition(), CAuctionShipMethods(), CSelectValuePair(0, 0, 0, 0), m_buyers(10)
{
    ClearAll();
}

AuctionItem::~AuctionItem()
{
    RemoveAllBuyers();
}

LPCTSTR AuctionItem::GetTypeName() const
{
    return "AuctionItem";
}

BOOL AuctionItem::FormatStartTime(CString& out) const
{
    return FormatItemTime(m_startTime, out);
}

BOOL AuctionItem::FormatEndTime(CString& out) const
{
    return FormatItemTime(m_endTime, out);
}

void AuctionItem::SetRemainingTimeText(LPCTSTR) {}

BOOL AuctionItem::FormatRemainingTime(CString& out) const
{
    FormatRemainingSeconds(GetRemainingTime(), out);
    return !out.IsEmpty();
}

void AuctionItem::CopyFrom(const AuctionItem& other, DWORD mask)
{
    if (&other == this)
        return;
    if (mask & GroupAuctionID)
        m_auctionID = other.m_auctionID;
    if (mask & GroupItemURL)
        m_itemURL = other.m_itemURL;
    if (mask & GroupTitle)
        m_title = other.m_title;
    if (mask & GroupSellerID)
        m_sellerID = other.m_sellerID;
    if (mask & GroupBuyers)
    {
        RemoveAllBuyers();
        for (POSITION pos = other.m_buyers.GetHeadPosition(); pos != nullptr;)
        {
            AuctionBuyer* buyer = CreateBuyer((const AuctionBuyer*)other.m_buyers.GetNext(pos));
            if (buyer != nullptr)
                m_buyers.AddTail(buyer);
        }
    }
    if (mask & GroupExtraText1)
        m_extraText1 = other.m_extraText1;
    if (mask & GroupExtraText2)
        m_extraText2 = other.m_extraText2;
    if (mask & GroupExtraText3)
        m_extraText3 = other.m_extraText3;
    if (mask & GroupNumber1)
        m_number1 = other.m_number1;
    if (mask & GroupNumber2)
        m_number2 = other.m_number2;
    if (mask & GroupBidCount)
        m_bidCount = other.m_bidCount;
    if (mask & GroupNumber4)
        m_number4 = other.m_number4;
    if (mask & GroupNumber5)
        m_number5 = other.m_number5;
    if (mask & GroupNumber6)
        m_number6 = other.m_number6;
    if (mask & GroupStartPrice)
        m_startPrice = other.m_startPrice;
    if (mask & GroupCurrentPrice)
        m_currentPrice = other.m_currentPrice;
    if (mask & GroupPrice3)
        m_price3 = other.m_price3;
    if (mask & GroupBuyNowPrice)
        m_buyNowPrice = other.m_buyNowPrice;
    if (mask & GroupStartTime)
        m_startTime = other.m_startTime;
    if (mask & GroupEndTime)
        m_endTime = other.m_endTime;
    if (mask & GroupItemFlags)
        m_itemFlags = other.m_itemFlags;
    if (mask & GroupItemFlags2)
        m_itemFlags2 = other.m_itemFlags2;
    if (mask & GroupLocalNumber)
        m_localNumber = other.m_localNumber;
    if (mask & GroupPair)
        CSelectValuePair::CopyFrom(other);
    if (mask & GroupShipping)
        CAuctionShipMethods::CopyFrom(other);
    if (mask & GroupCondition)
        CItemCondition::Assign(other);
}

void AuctionItem::CopyDefault(const AuctionItem& other)
{
    CopyFrom(other, DefaultCopyGroups);
}

void AuctionItem::KeepCommonFields(const AuctionItem& other)
{
    if (&other == this)
        return;
    DWORD differ = 0;
    if (m_auctionID != other.m_auctionID)
        differ |= GroupAuctionID;
    if (m_itemURL != other.m_itemURL)
        differ |= GroupItemURL;
    if (m_title != other.m_title)
        differ |= GroupTitle;
    if (m_sellerID != other.m_sellerID)
        differ |= GroupSellerID;
    if (m_extraText1 != other.m_extraText1)
        differ |= GroupExtraText1;
    if (m_extraText2 != other.m_extraText2)
        differ |= GroupExtraText2;
    if (m_extraText3 != other.m_extraText3)
        differ |= GroupExtraText3;
    if (!BuyersEqual(other))
        differ |= GroupBuyers;
    if (m_number1 != other.m_number1)
        differ |= GroupNumber1;
    if (m_number2 != other.m_number2)
        differ |= GroupNumber2;
    if (m_bidCount != other.m_bidCount)
        differ |= GroupBidCount;
    if (m_number4 != other.m_number4)
        differ |= GroupNumber4;
    if (m_number5 != other.m_number5)
        differ |= GroupNumber5;
    if (m_number6 != other.m_number6)
        differ |= GroupNumber6;
    if (m_startPrice != other.m_startPrice)
        differ |= GroupStartPrice;
    if (m_currentPrice != other.m_currentPrice)
        differ |= GroupCurrentPrice;
    if (m_price3 != other.m_price3)
        differ |= GroupPrice3;
    if (m_buyNowPrice != other.m_buyNowPrice)
        differ |= GroupBuyNowPrice;
    if (m_startTime != other.m_startTime)
        differ |= GroupStartTime;
    if (m_endTime != other.m_endTime)
        differ |= GroupEndTime;
    if (m_localNumber != other.m_localNumber)
        differ |= GroupLocalNumber;
    // Flag words keep the bits that both share; an unknown word wins.
    if (m_itemFlags == NoItemFlags || other.m_itemFlags == NoItemFlags)
        differ |= GroupItemFlags;
    else
        m_itemFlags &= other.m_itemFlags;
    m_itemFlags2 &= other.m_itemFlags2;
    if (!CSelectValuePair::IsEqual(other))
        differ |= GroupPair;
    if (!CAuctionShipMethods::IsEqual(other))
        differ |= GroupShipping;
    if (!CItemCondition::IsEqual(other))
        differ |= GroupCondition;
    if (differ != 0)
        Clear(differ);
}

void AuctionItem::ClearAll()
{
    Clear(AllGroups);
}

void AuctionItem::Clear(DWORD mask)
{
    if (mask & GroupAuctionID)
        m_auctionID.Empty();
    if (mask & GroupItemURL)
        m_itemURL.Empty();
    if (mask & GroupTitle)
        m_title.Empty();
    if (mask & GroupSellerID)
        m_sellerID.Empty();
    if (mask & GroupBuyers)
        RemoveAllBuyers();
    if (mask & GroupExtraText1)
        m_extraText1.Empty();
    if (mask & GroupExtraText2)
        m_extraText2.Empty();
    if (mask & GroupExtraText3)
        m_extraText3.Empty();
    if (mask & GroupNumber1)
        m_number1 = 0;
    if (mask & GroupNumber2)
        m_number2 = 0;
    if (mask & GroupBidCount)
        m_bidCount = -1;
    if (mask & GroupNumber4)
        m_number4 = -1;
    if (mask & GroupNumber5)
        m_number5 = 0;
    if (mask & GroupNumber6)
        m_number6 = 0;
    if (mask & GroupStartPrice)
        m_startPrice = 0;
    if (mask & GroupCurrentPrice)
        m_currentPrice = 0;
    if (mask & GroupPrice3)
        m_price3 = 0;
    if (mask & GroupBuyNowPrice)
        m_buyNowPrice = 0;
    if (mask & GroupStartTime)
        m_startTime = CTime(0);
    if (mask & GroupEndTime)
        m_endTime = CTime(0);
    if (mask & GroupItemFlags)
        m_itemFlags = NoItemFlags;
    if (mask & GroupItemFlags2)
        m_itemFlags2 = 0;
    if (mask & GroupLocalNumber)
        m_localNumber = -1;
    if (mask & GroupPair)
        CSelectValuePair::Reset();
    if (mask & GroupShipping)
        CAuctionShipMethods::Reset();
    if (mask & GroupCondition)
        CItemCondition::Clear();
}

void AuctionItem::Serialize(CArchive& ar, DWORD flags)
{
    const DWORD buyerFlags = (flags & SaveBuyerDetails) ? AuctionBuyer::AllFields : AuctionBuyer::FieldName;
    // Bit 0x8 keeps every method field and the terms; 0x4 alone the names,
    // fees and links of the methods.
    const DWORD shipFlags = (flags & SaveShipAll)
                                ? (CAuctionShipMethods::PartMethods | CAuctionShipping::AllParts)
                                : CAuctionShipMethods::PartMethods;
    const DWORD methodFlags = (flags & SaveShipAll)
                                  ? CShipMethod::AllFields
                                  : (CShipMethod::FieldName | CShipMethod::FieldFee | CShipMethod::FieldLink);
    if (ar.IsStoring())
    {
        ar << (LONG)ArchiveVersion;
        if (flags & SaveMain)
            StoreMainFields(ar, buyerFlags);
    }
    else
    {
        ClearAll();
        LONG version = 0;
        ar >> version;
        if (version != 1 && version != 2)
            AfxThrowArchiveException(CArchiveException::badIndex, nullptr);
        if (flags & SaveMain)
            LoadMainFields(ar, buyerFlags);
    }
    // The parts that follow read and write themselves.
    if (flags & SavePair)
        CSelectValuePair::Serialize(ar, CSelectValuePair::PartFirst | CSelectValuePair::PartSecond);
    if (flags & (SaveShipMethods | SaveShipAll))
        CAuctionShipMethods::Serialize(ar, shipFlags, methodFlags);
    if (flags & SaveCondition)
        CItemCondition::Serialize(ar, CItemCondition::PartCode | CItemCondition::PartComment);
}

void AuctionItem::StoreMainFields(CArchive& ar, DWORD buyerFlags)
{
    ar << m_auctionID << m_itemURL << m_title << m_sellerID;
    SerializeBuyers(ar, buyerFlags);
    ar << m_extraText1 << m_extraText2 << m_extraText3;
    ar << (LONG)m_number1 << (LONG)m_number2 << (LONG)m_bidCount << (LONG)m_number4 << (LONG)m_number6;
    ar << m_startTime << m_endTime;
    ar << m_itemFlags << m_itemFlags2 << (LONG)m_localNumber;
    StoreInt64(ar, m_startPrice);
    StoreInt64(ar, m_currentPrice);
    StoreInt64(ar, m_price3);
    StoreInt64(ar, m_buyNowPrice);
}

void AuctionItem::LoadMainFields(CArchive& ar, DWORD buyerFlags)
{
    ar >> m_auctionID >> m_itemURL >> m_title >> m_sellerID;
    SerializeBuyers(ar, buyerFlags);
    ar >> m_extraText1 >> m_extraText2 >> m_extraText3;
    auto loadInt = [&ar]()
    {
        LONG value = 0;
        ar >> value;
        return (int)value;
    };
    m_number1 = loadInt();
    m_number2 = loadInt();
    m_bidCount = loadInt();
    m_number4 = loadInt();
    m_number6 = loadInt();
    ar >> m_startTime >> m_endTime;
    DWORD word = 0;
    ar >> word;
    // The "no value" word is kept as it is; only real values are masked.
    m_itemFlags = (word == NoItemFlags) ? NoItemFlags : (word & ItemFlagsMask);
    ar >> word;
    m_itemFlags2 = word & ItemFlags2Mask;
    m_localNumber = loadInt();
    m_startPrice = LoadInt64(ar);
    m_currentPrice = LoadInt64(ar);
    m_price3 = LoadInt64(ar);
    m_buyNowPrice = LoadInt64(ar);
}

AuctionBuyer* AuctionItem::CreateBuyer(const AuctionBuyer* source) const
{
    AuctionBuyer* buyer = new AuctionBuyer(nullptr, 0, 0, 1);
    if (source != nullptr)
        buyer->CopyFrom(*source);
    return buyer;
}

void AuctionItem::SerializeBuyers(CArchive& ar, DWORD buyerFlags)
{
    if (ar.IsStoring())
    {
        // Stored in the plain buyer's layout whatever the buyers' class.
        CAuctionBuyerList plain;
        CopyBuyersTo(plain);
        ar << (DWORD)plain.GetCount();
        for (POSITION pos = plain.GetHeadPosition(); pos != nullptr;)
            plain.GetNext(pos).Serialize(ar, buyerFlags);
        return;
    }
    RemoveAllBuyers();
    DWORD count = LoadCount(ar, MaxStoredBuyers);
    for (DWORD i = 0; i < count; ++i)
    {
        // Read in the layout it was written in, then made a buyer of this
        // record's class, so that a derived buyer cannot shift the archive.
        AuctionBuyer plain;
        plain.AuctionBuyer::Serialize(ar, buyerFlags);
        AuctionBuyer* buyer = CreateBuyer(&plain);
        if (buyer == nullptr)
            AfxThrowMemoryException();
        m_buyers.AddTail(buyer);
    }
}

AuctionItem& AuctionItem::Assign(const AuctionItem& other)
{
    CopyFrom(other, AllGroups);
    return *this;
}

AuctionItem& AuctionItem::SetAuctionID(LPCTSTR id)
{
    m_auctionID = id;
    return *this;
}

AuctionItem& AuctionItem::SetItemURL(LPCTSTR url)
{
    m_itemURL = url;
    return *this;
}

AuctionItem& AuctionItem::SetTitle(LPCTSTR title)
{
    m_title = title;
    return *this;
}

AuctionItem& AuctionItem::SetSellerID(LPCTSTR id)
{
    m_sellerID = id;
    return *this;
}

AuctionItem& AuctionItem::SetExtraText1(LPCTSTR text)
{
    m_extraText1 = text;
    return *this;
}

AuctionItem& AuctionItem::SetExtraText(LPCTSTR text)
{
    m_extraText2 = text;
    return *this;
}

AuctionItem& AuctionItem::SetExtraText3(LPCTSTR text)
{
    m_extraText3 = text;
    return *this;
}

AuctionItem& AuctionItem::SetNumber1(int value)
{
    m_number1 = value;
    return *this;
}

AuctionItem& AuctionItem::SetNumber2(int value)
{
    m_number2 = value;
    return *this;
}

AuctionItem& AuctionItem::SetBidCount(int value)
{
    m_bidCount = value;
    return *this;
}

AuctionItem& AuctionItem::SetNumber4(int value)
{
    m_number4 = value;
    return *this;
}

AuctionItem& AuctionItem::SetNumber5(int value)
{
    m_number5 = value;
    return *this;
}

AuctionItem& AuctionItem::SetNumber6(int value)
{
    m_number6 = value;
    return *this;
}

AuctionItem& AuctionItem::SetLocalNumber(int value)
{
    m_localNumber = value;
    return *this;
}

AuctionItem& AuctionItem::SetStartPrice(LONGLONG price)
{
    m_startPrice = price;
    return *this;
}

AuctionItem& AuctionItem::SetCurrentPrice(LONGLONG price)
{
    m_currentPrice = price;
    return *this;
}

AuctionItem& AuctionItem::SetPrice3(LONGLONG price)
{
    m_price3 = price;
    return *this;
}

AuctionItem& AuctionItem::SetBuyNowPrice(LONGLONG price)
{
    m_buyNowPrice = price;
    return *this;
}

AuctionItem& AuctionItem::SetStartTime(const CTime& time)
{
    m_startTime = time;
    return *this;
}

AuctionItem& AuctionItem::SetEndTime(const CTime& time)
{
    m_endTime = time;
    return *this;
}

LONGLONG AuctionItem::GetRemainingTime() const
{
    return (m_endTime - GetAuctionCurrentTime()).GetTotalSeconds();
}

AuctionItem& AuctionItem::SetItemFlags(DWORD flags)
{
    m_itemFlags = flags;
    return *this;
}

AuctionItem& AuctionItem::AddItemFlags(DWORD flags)
{
    m_itemFlags |= flags;
    return *this;
}

AuctionItem& AuctionItem::RemoveItemFlags(DWORD flags)
{
    m_itemFlags &= ~flags;
    return *this;
}

AuctionItem& AuctionItem::SetItemFlags2(DWORD flags)
{
    m_itemFlags2 = flags;
    return *this;
}

void AuctionItem::AddBuyerValues(LPCTSTR name, LONGLONG amount, int count, int state)
{
    AddBuyer(AuctionBuyer(name, amount, count, state));
}

void AuctionItem::AddBuyer(const AuctionBuyer& buyer)
{
    AuctionBuyer* copy = CreateBuyer(&buyer);
    if (copy != nullptr)
        m_buyers.AddTail(copy);
}

void AuctionItem::RemoveAllBuyers()
{
    while (!m_buyers.IsEmpty())
        delete (AuctionBuyer*)m_buyers.RemoveHead();
}

AuctionBuyer* AuctionItem::BuyerAt(int index) const
{
    if (index < 0 || index >= (int)m_buyers.GetCount())
        return nullptr;
    POSITION pos = m_buyers.FindIndex(index);
    return pos != nullptr ? (AuctionBuyer*)m_buyers.GetAt(pos) : nullptr;
}

BOOL AuctionItem::GetBuyerAt(int index, AuctionBuyer& target) const
{
    AuctionBuyer* buyer = BuyerAt(index);
    if (buyer == nullptr)
        return FALSE;
    target.Assign(*buyer);
    return TRUE;
}

BOOL AuctionItem::SetBuyerAt(int index, const AuctionBuyer& source)
{
    AuctionBuyer* buyer = BuyerAt(index);
    if (buyer == nullptr)
        return FALSE;
    buyer->Assign(source);
    return TRUE;
}

BOOL AuctionItem::GetFirstBuyerName(CString& out) const
{
    AuctionBuyer* buyer = BuyerAt(0);
    if (buyer == nullptr)
        return FALSE;
    out = buyer->GetName();
    return TRUE;
}

int AuctionItem::FindBuyerIndex(LPCTSTR name) const
{
    if (name == nullptr)
        return -1;
    int index = 0;
    for (POSITION pos = m_buyers.GetHeadPosition(); pos != nullptr; ++index)
    {
        const AuctionBuyer* buyer = (const AuctionBuyer*)m_buyers.GetNext(pos);
        if (buyer != nullptr && buyer->GetName().CompareNoCase(name) == 0)
            return index;
    }
    return -1;
}

BOOL AuctionItem::FindBuyer(LPCTSTR name, AuctionBuyer& target) const
{
    return GetBuyerAt(FindBuyerIndex(name), target);
}

BOOL AuctionItem::HasBuyers() const
{
    int count = GetBuyerCount();
    if (count > 1)
        return TRUE;
    if (count == 0)
        return FALSE;
    return BuyerAt(0)->GetName() != LoadText(IDS_NO_BUYER);
}

BOOL AuctionItem::HasWinnerListEntry() const
{
    CString name;
    return GetFirstBuyerName(name) && IsWinnerListText(name);
}

BOOL AuctionItem::HasSeveralWinners() const
{
    return HasWinnerListEntry() || GetBuyerCount() > 1;
}

BOOL AuctionItem::GetBuyerSummary(CString& out) const
{
    if (!HasBuyers())
        return FALSE;
    out = BuyerAt(0)->GetName();
    if (m_number1 <= 1 && m_number1 != 0 && m_buyNowPrice <= 0)
        return TRUE;
    if (GetBuyerCount() > 1)
    {
        CString further;
        further.Format(LoadText(IDS_FURTHER_BUYERS), GetBuyerCount() - 1);
        out += further;
    }
    return TRUE;
}

BOOL AuctionItem::CopyBuyersTo(CAuctionBuyerList& list) const
{
    BOOL any = FALSE;
    for (POSITION pos = m_buyers.GetHeadPosition(); pos != nullptr;)
    {
        const AuctionBuyer* buyer = (const AuctionBuyer*)m_buyers.GetNext(pos);
        if (buyer == nullptr)
            continue;
        AuctionBuyer plain;
        plain.AuctionBuyer::CopyFrom(*buyer);
        list.AddTail(plain);
        any = TRUE;
    }
    return any;
}

BOOL AuctionItem::BuyersEqual(const AuctionItem& other) const
{
    if (m_buyers.GetCount() != other.m_buyers.GetCount())
        return FALSE;
    POSITION a = m_buyers.GetHeadPosition();
    POSITION b = other.m_buyers.GetHeadPosition();
    while (a != nullptr && b != nullptr)
    {
        const AuctionBuyer* mine = (const AuctionBuyer*)m_buyers.GetNext(a);
        const AuctionBuyer* theirs = (const AuctionBuyer*)other.m_buyers.GetNext(b);
        if (!mine->IsEqual(*theirs))
            return FALSE;
    }
    return TRUE;
}

BOOL AuctionItem::GetItemHost(CString& out) const
{
    out.Empty();
    if (GetSchemeAndHost(m_itemURL, out))
        return TRUE;
    int jp = m_itemURL.Find("/jp/");
    if (jp > 0)
        out = m_itemURL.Left(jp);
    return !out.IsEmpty();
}

BOOL AuctionItem::MakeItemURL(LPCTSTR host, LPCTSTR path, CString& out) const
{
    out.Empty();
    if (host == nullptr || *host == '\0' || path == nullptr || *path == '\0' || m_auctionID.IsEmpty())
        return FALSE;
    out = CString(host) + path + "?" + "aID=" + m_auctionID;
    return TRUE;
}

BOOL AuctionItem::MakeURLOnItemHost(LPCTSTR path, CString& out) const
{
    CString host;
    GetItemHost(host);
    return MakeItemURL(host, path, out);
}

BOOL AuctionItem::GetAllWinnersURL(CString& out) const
{
    return MakeURLOnItemHost("/jp/show/allwinners", out);
}

BOOL AuctionItem::GetBidHistoryURL(CString& out) const
{
    return MakeItemURL(GetServiceOrigin(HostAuctions), "/jp/show/bid_hist", out);
}

BOOL AuctionItem::MakeFeedbackURL(LPCTSTR targetID, CString& out) const
{
    out.Empty();
    if (targetID == nullptr || *targetID == '\0' || m_auctionID.IsEmpty())
        return FALSE;
    out.Format("%s/jp/show/leavefeedback?t=%s&aID=%s", (LPCTSTR)GetServiceOrigin(HostAuctions), targetID,
               (LPCTSTR)m_auctionID);
    return TRUE;
}

BOOL AuctionItem::MakeFeedbackURLForBuyer(int index, CString& out) const
{
    out.Empty();
    AuctionBuyer* buyer = BuyerAt(index);
    if (buyer == nullptr)
        return FALSE;
    return MakeFeedbackURL(buyer->GetName(), out);
}

BOOL AuctionItem::MakeFeedbackURLForSeller(CString& out) const
{
    return MakeFeedbackURL(m_sellerID, out);
}

BOOL AuctionItem::GetSellerPageURL(CString& out) const
{
    return MakeSellerPageURL(m_sellerID, out);
}

BOOL AuctionItem::GetBuyerPageURL(CString& out) const
{
    out.Empty();
    CString name;
    if (!GetFirstBuyerName(name))
        return FALSE;
    if (IsWinnerListText(name))
        return GetAllWinnersURL(out);
    return MakeSellerPageURL(name, out);
}

void AuctionItem::FormatTitleWithID(CString& out, BOOL twoLines) const
{
    CString title = m_title;
    const int length = title.GetLength();
    // A title of up to 66 bytes that already ends in "..." was cut before.
    BOOL alreadyCut = length <= kTitleBytesWithEllipsis && title.Right(3) == "...";
    if (length > kTitleBytes && !alreadyCut)
    {
        TruncateToBytes(title, kTitleBytes);
        title += "...";
    }
    out.Format(twoLines ? "%s\r\n(%s)" : "%s (%s)", (LPCTSTR)title, (LPCTSTR)m_auctionID);
}

BOOL AuctionItem::FormatBidCount(CString& out) const
{
    if (m_bidCount <= 0)
        return FALSE;
    out.Format("%d", m_bidCount);
    return TRUE;
}

BOOL AuctionItem::FormatNumber5(CString& out) const
{
    if (m_number5 <= 0)
        return FALSE;
    out.Format("%d", m_number5);
    return TRUE;
}
