#ifndef TANZO_CLIENT_MYAUCTIONLISTREADER_H
#define TANZO_CLIENT_MYAUCTIONLISTREADER_H

#include <functional>

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"
#include "client/MyAuctionPageReader.h"

class CMarkupNode;
class TanzoAuctionItem;
struct ListDateContext;
struct ListPageContext;

// Items read from a status page, owned by whoever holds the list.
typedef CTypedPtrList<CPtrList, TanzoAuctionItem*> CTanzoAuctionItemList;

// Header text of a list's table to the field code of its column.
typedef CMap<CString, const CString&, int, int> CListHeaderMap;

// The path of the status pages, with the "?" of their query.
extern const char kStatusPagePath[];

// What a kind of list reads by table: its header texts (string ids) with
// their field codes, its two status texts and its header map, made from
// the headers on first use.
struct ListHeaderEntry
{
    UINT textId;
    int code;
};

struct ListPageKind
{
    const ListHeaderEntry* headers;
    int headerCount;
    UINT fetchingTextId;
    UINT readingTextId;
    CListHeaderMap* headerMap;
};

// The reader of one list of the user's status pages (selling, closed with
// or without a winner, won), one page at a time: it builds the page's
// address, fetches it, tells a log-in page and another user's page from a
// list page, reads the page count and turns each row of the item table
// into an item. The kinds supply the address, the header table, the rows
// and how a link's query names their list.
class CMyAuctionListReader : public CMyAuctionPageReader
{
public:
    // Answers of FetchPage and ReadPage.
    enum
    {
        PageRead = 0,
        PageLogin = 1,     // the service wants a log-in
        PageOtherUser = 2, // the page shows another user's ID
        PageNoRows = 3,    // the page has no item table
        PageStopped = 4,   // the user stopped
        PageFetchFailed = 5
    };
    // Phases of GetStatusTextId.
    enum
    {
        PhaseFetching = 0,
        PhaseReading = 1
    };
    // Field codes of the header tables: what FillField does with a cell.
    enum
    {
        FieldNone = -1,
        FieldAuctionID = 0,
        FieldTitle = 1,
        FieldPrice = 2,
        FieldAffiliate = 3,
        FieldBids = 4,
        FieldHighestBidder = 5,
        FieldRemainingTime = 6,
        FieldOperation = 7,
        FieldSelect = 8,
        FieldEndTime = 9,
        FieldRating = 10,
        FieldSeller = 11,
        FieldWinningPrice = 12,
        FieldHighestWinningPrice = 13,
        FieldHighestWinner = 14,
        FieldHighestBid = 15,
        FieldTrade = 16,
        FieldRelist = 17,
        FieldWinner = 18,
        FieldLatestMessage = 19,
        FieldOffer = 20,
        FieldWatchList = 21
    };
    // Flags that FillField hands to SetItemFlags.
    enum : DWORD
    {
        RowBold = 0x1,
        RowHighlight = 0x2,
        RowFeatured = 0x1000000
    };
    // Answers of ClassifyLinkParam.
    enum
    {
        LinkThisList = 0,
        LinkOtherList = 1,
        LinkUndecided = 2,
        LinkOtherParam = 3
    };
    // Bit of the reached-limit flag.
    enum : DWORD
    {
        ReachedTimeLimit = 0x1
    };
    // Test of the user's Stop between the steps of a read.
    typedef std::function<BOOL()> StopTest;

    explicit CMyAuctionListReader(CHttpComm* pHttpComm = nullptr, CProgressSink* pSink = nullptr);
    ~CMyAuctionListReader() override;

    // Items that ended at or before limit are left out (time 0: none).
    virtual void SetTimeLimit(const CTime& limit);
    virtual CListHeaderMap& GetHeaderMap() const;
    // The address of the list's first page.
    virtual void GetListUrl(CString& out) const = 0;
    virtual int GetHeaderCount() const;
    virtual UINT GetHeaderTextId(int i) const;
    virtual int GetHeaderCode(int i) const;
    // "...%s" with the page progress for PhaseFetching or PhaseReading.
    virtual UINT GetStatusTextId(int phase) const;
    virtual void ResetLinkState();
    // How a query parameter of a status-page link names the list:
    // LinkThisList, LinkOtherList (the link is not one of ours),
    // LinkUndecided (look at the next parameter), LinkOtherParam.
    virtual int ClassifyLinkParam(const CString& name, const CString& value) = 0;
    virtual TanzoAuctionItem* CreateItem() const;
    // Fills the field of a column from its cell (text: the cell's text).
    virtual void FillField(TanzoAuctionItem& item, int code, const CMarkupNode* pCell, const CString& text);
    // Whether FillField reads columns of the code: the cells of the others
    // are not read at all.
    virtual BOOL ReadsField(int code) const;
    // Whether rows may carry paid options (bold, highlight, featured).
    virtual BOOL IsHighlightEnabled() const;
    virtual void SetItemFlags(TanzoAuctionItem& item, DWORD flags);
    // The "tr" elements of the item table, the header row first; they
    // belong to the page. FALSE when there are none.
    virtual BOOL ExtractRows(CHtmlDocument& page, CPtrList& rows) = 0;

    // Before a read, the ID the page must show; after it, the ID it showed.
    void SetExpectedUserId(LPCTSTR id) { m_userId = id; }
    const CString& GetUserId() const { return m_userId; }
    int GetPageCount() const { return m_pageCount; }
    void SetPage(int page) { m_page = page; }
    int GetPage() const { return m_page; }
    CTime GetTimeLimit() const { return m_timeLimit; }

    // The list's address with "&apg=n" from page 2 on.
    void BuildPageUrl(CString& out) const;

    // Reads a fetched page whose address after redirects was finalUrl.
    // Appends its items (the caller owns them) and, when readPageCount,
    // reads the page count. *reachedLimit (when given) gets
    // ReachedTimeLimit when an item was left out by the time limit.
    // Answers one of the Page codes; PageStopped when isStopped says so
    // after the user check.
    int ReadPage(CHtmlDocument& page, LPCTSTR finalUrl, CTanzoAuctionItemList& items, BOOL readPageCount,
                 DWORD* reachedLimit, const StopTest& isStopped = StopTest());

#ifdef _WIN32
    // Fetches page GetPage() of the list on the HTTP conversation and reads
    // it (ReadPage), pumping messages once before the user check.
    int FetchPage(CTanzoAuctionItemList& items, BOOL readPageCount, DWORD* reachedLimit);
    // Lets waiting messages through, then reads the conversation's cancel
    // flag.
    BOOL IsStopped();
#endif

    // The page count the page's links give (at least 1).
    int ReadPageCountFromLinks(CHtmlDocument& page);

    // Deletes every item of the list and empties it.
    static void FreeItems(CTanzoAuctionItemList& items);

protected:
    // The kind's tables, behind the header and status-text operations.
    virtual const ListPageKind& GetKind() const = 0;

    void ShowStatus(int phase) const;
    void ReadRows(const CPtrList& rows, CTanzoAuctionItemList& items, DWORD* reachedLimit);
    void BuildHeaderMap();

    CString m_userId;
    int m_pageCount;
    int m_page;
    CTime m_timeLimit;
    CString m_finalUrl; // of the page being read
    CTime m_now;        // of the page being read
    // While ReadRows reads a page: what its rows share.
    const ListPageContext* m_pContext;
};

#endif // TANZO_CLIENT_MYAUCTIONLISTREADER_H
