#ifndef TANZO_AUCTION_AUCTIONITEM_H
#define TANZO_AUCTION_AUCTIONITEM_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"
#include "auction/records/AuctionBuyer.h"
#include "auction/records/ItemCondition.h"
#include "auction/records/SelectValue.h"
#include "auction/shipping/AuctionShipMethods.h"

class CArchive;

typedef CList<AuctionBuyer, const AuctionBuyer&> CAuctionBuyerList;

// The clock of the remaining-time texts; tests set their own (null: the
// system clock).
typedef CTime (*AuctionClockProc)();
void SetAuctionClock(AuctionClockProc clock);
CTime GetAuctionCurrentTime();

// Remaining time as the lists show it ("%d 日", "%d 時間 %02d 分", ...,
// "終了" at 0 seconds or less).
void FormatRemainingSeconds(LONGLONG seconds, CString& out);

// "https://<auction host>/seller/<ID>"; FALSE (out empty) for an empty ID.
BOOL MakeSellerPageURL(LPCTSTR sellerID, CString& out);
// TRUE when name is the link text that stands for several winners.
BOOL IsWinnerListText(LPCTSTR name);

// One auction item of the user. Its fields are divided into 26 groups, one
// bit each, by which they are copied, cleared and compared.
class AuctionItem : public CItemCondition, public CAuctionShipMethods, public CSelectValuePair
{
public:
    enum : DWORD
    {
        GroupAuctionID = 0x1,
        GroupItemURL = 0x2,
        GroupTitle = 0x4,
        GroupSellerID = 0x8,
        GroupBuyers = 0x10,
        GroupExtraText1 = 0x20,
        GroupExtraText2 = 0x40,
        GroupExtraText3 = 0x80,
        GroupNumber1 = 0x100,
        GroupNumber2 = 0x200,
        GroupBidCount = 0x400,
        GroupNumber4 = 0x800,
        GroupNumber5 = 0x1000,
        GroupNumber6 = 0x2000,
        GroupStartPrice = 0x4000,
        GroupCurrentPrice = 0x8000,
        GroupPrice3 = 0x10000,
        GroupBuyNowPrice = 0x20000,
        GroupStartTime = 0x40000,
        GroupEndTime = 0x80000,
        GroupItemFlags = 0x100000,
        GroupItemFlags2 = 0x200000,
        GroupLocalNumber = 0x400000,
        GroupPair = 0x800000,
        GroupShipping = 0x1000000,
        GroupCondition = 0x2000000,
        AllGroups = 0x3FFFFFF,
        DefaultCopyGroups = 0x3BFFFBF // all but extra text 2 and the local number
    };
    // Parts of Serialize.
    enum : DWORD
    {
        SaveMain = 0x1,
        SavePair = 0x2,
        SaveShipMethods = 0x4, // names, fees and links of the methods
        SaveShipAll = 0x8,     // every method field and the terms
        SaveCondition = 0x10,
        SaveBuyerDetails = 0x20 // buyers with amount, count and state
    };
    enum : DWORD
    {
        NoItemFlags = 0xFFFFFFFF,
        ItemFlagsMask = 0x0F000EFF,
        ItemFlags2Mask = 0x03001FFF
    };
    enum
    {
        ArchiveVersion = 2,
        MaxStoredBuyers = 100000
    };

    AuctionItem();
    virtual ~AuctionItem();

    virtual LPCTSTR GetTypeName() const;
    virtual BOOL FormatStartTime(CString& out) const;
    virtual BOOL FormatEndTime(CString& out) const;
    virtual void SetRemainingTimeText(LPCTSTR text);
    virtual BOOL FormatRemainingTime(CString& out) const;
    virtual void CopyFrom(const AuctionItem& other, DWORD mask);
    virtual void CopyDefault(const AuctionItem& other);
    // Clears every group in which other differs: after Assign(first) and
    // KeepCommonFields with each further item, what all share remains.
    virtual void KeepCommonFields(const AuctionItem& other);
    virtual void ClearAll();
    virtual void Clear(DWORD mask);
    // Throws CArchiveException for a version other than 1 or 2 and for a
    // corrupt or truncated archive.
    virtual void Serialize(CArchive& ar, DWORD flags);
    // A new buyer of this record's buyer class, copied from source when
    // given; the caller owns it.
    virtual AuctionBuyer* CreateBuyer(const AuctionBuyer* source) const;

    AuctionItem& Assign(const AuctionItem& other);
    void KeepCommonWith(const AuctionItem& other) { KeepCommonFields(other); }

    // Texts.
    AuctionItem& SetAuctionID(LPCTSTR id);
    AuctionItem& SetItemURL(LPCTSTR url);
    AuctionItem& SetTitle(LPCTSTR title);
    AuctionItem& SetSellerID(LPCTSTR id);
    AuctionItem& SetExtraText1(LPCTSTR text);
    AuctionItem& SetExtraText(LPCTSTR text);
    AuctionItem& SetExtraText3(LPCTSTR text);
    const CString& GetAuctionID() const { return m_auctionID; }
    CString GetItemURL() const { return m_itemURL; }
    const CString& GetTitle() const { return m_title; }
    const CString& GetSellerID() const { return m_sellerID; }
    const CString& GetExtraText1() const { return m_extraText1; }
    const CString& GetExtraText() const { return m_extraText2; }
    const CString& GetExtraText3() const { return m_extraText3; }

    // Numbers.
    AuctionItem& SetNumber1(int value);
    AuctionItem& SetNumber2(int value);
    AuctionItem& SetBidCount(int value);
    AuctionItem& SetNumber4(int value);
    AuctionItem& SetNumber5(int value);
    AuctionItem& SetNumber6(int value);
    AuctionItem& SetLocalNumber(int value);
    int GetNumber1() const { return m_number1; }
    int GetNumber2() const { return m_number2; }
    int GetBidCount() const { return m_bidCount; }
    int GetNumber4() const { return m_number4; }
    int GetNumber5() const { return m_number5; }
    int GetNumber6() const { return m_number6; }
    int GetLocalNumber() const { return m_localNumber; }

    // Prices in yen; 0 or less is not set.
    AuctionItem& SetStartPrice(LONGLONG price);
    AuctionItem& SetCurrentPrice(LONGLONG price);
    AuctionItem& SetPrice3(LONGLONG price);
    AuctionItem& SetBuyNowPrice(LONGLONG price);
    LONGLONG GetStartPrice() const { return m_startPrice; }
    LONGLONG GetCurrentPrice() const { return m_currentPrice; }
    LONGLONG GetPrice3() const { return m_price3; }
    LONGLONG GetBuyNowPrice() const { return m_buyNowPrice; }

    // Times.
    AuctionItem& SetStartTime(const CTime& time);
    AuctionItem& SetEndTime(const CTime& time);
    CTime GetStartTime() const { return m_startTime; }
    CTime GetEndTime() const { return m_endTime; }
    // End time minus now, in seconds.
    LONGLONG GetRemainingTime() const;
    BOOL IsEnded() const { return GetRemainingTime() <= 0; }

    // Flag words; item flags 0xFFFFFFFF means no value.
    AuctionItem& SetItemFlags(DWORD flags);
    AuctionItem& AddItemFlags(DWORD flags);
    AuctionItem& RemoveItemFlags(DWORD flags);
    AuctionItem& SetItemFlags2(DWORD flags);
    DWORD GetItemFlags() const { return m_itemFlags; }
    DWORD GetItemFlags2() const { return m_itemFlags2; }

    // Buyers, in page order.
    void AddBuyerValues(LPCTSTR name, LONGLONG amount, int count, int state);
    void AddBuyer(const AuctionBuyer& buyer);
    int GetBuyerCount() const { return (int)m_buyers.GetCount(); }
    void RemoveAllBuyers();
    BOOL GetBuyerAt(int index, AuctionBuyer& target) const;
    BOOL SetBuyerAt(int index, const AuctionBuyer& source);
    BOOL GetFirstBuyerName(CString& out) const;
    int FindBuyerIndex(LPCTSTR name) const;
    BOOL FindBuyer(LPCTSTR name, AuctionBuyer& target) const;
    BOOL HasBuyers() const;
    BOOL HasWinnerListEntry() const;
    BOOL HasSeveralWinners() const;
    BOOL GetBuyerSummary(CString& out) const;
    BOOL CopyBuyersTo(CAuctionBuyerList& list) const;

    // Addresses of the item on the service; each empties out first and is
    // TRUE when it built one.
    BOOL GetItemHost(CString& out) const;
    BOOL MakeItemURL(LPCTSTR host, LPCTSTR path, CString& out) const;
    BOOL MakeURLOnItemHost(LPCTSTR path, CString& out) const;
    BOOL GetAllWinnersURL(CString& out) const;
    BOOL GetBidHistoryURL(CString& out) const;
    BOOL MakeFeedbackURL(LPCTSTR targetID, CString& out) const;
    BOOL MakeFeedbackURLForBuyer(int index, CString& out) const;
    BOOL MakeFeedbackURLForSeller(CString& out) const;
    BOOL GetSellerPageURL(CString& out) const;
    BOOL GetBuyerPageURL(CString& out) const;

    // The title (cut at 60 bytes with "...") and the auction ID.
    void FormatTitleWithID(CString& out, BOOL twoLines) const;
    BOOL FormatBidCount(CString& out) const;
    BOOL FormatNumber5(CString& out) const;

    // Buyer list of the archive: a count, then each buyer in the layout of
    // a plain AuctionBuyer.
    void SerializeBuyers(CArchive& ar, DWORD buyerFlags);

protected:
    // The stored buyer (not a copy); null out of range.
    AuctionBuyer* BuyerAt(int index) const;

private:
    AuctionItem(const AuctionItem&) = delete;
    AuctionItem& operator=(const AuctionItem&) = delete;

    // Flags bit 0x1 of Serialize, after the version word.
    void StoreMainFields(CArchive& ar, DWORD buyerFlags);
    void LoadMainFields(CArchive& ar, DWORD buyerFlags);
    BOOL BuyersEqual(const AuctionItem& other) const;

    CString m_auctionID;
    CString m_itemURL;
    CString m_title;
    CString m_sellerID;
    CPtrList m_buyers; // of AuctionBuyer*, owned
    CString m_extraText1;
    CString m_extraText2;
    CString m_extraText3;
    int m_number1;
    int m_number2;
    int m_bidCount;
    int m_number4;
    int m_number5;
    int m_number6;
    LONGLONG m_startPrice;
    LONGLONG m_currentPrice;
    LONGLONG m_price3;
    LONGLONG m_buyNowPrice;
    CTime m_startTime;
    CTime m_endTime;
    DWORD m_itemFlags;
    DWORD m_itemFlags2;
    int m_localNumber;
};

#endif // TANZO_AUCTION_AUCTIONITEM_H
