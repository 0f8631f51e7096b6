#ifndef TANZO_CLIENT_ACTIONS_WINNERLISTPAGEREADER_H
#define TANZO_CLIENT_ACTIONS_WINNERLISTPAGEREADER_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/MyAuctionPageReader.h"

class AuctionItem;
class CHtmlDocument;
class CStringList;

// Learns the partners of a closed item from its page: each feedback link
// there names one partner in its "t".
class CWinnerListPageReader : public CMyAuctionPageReader
{
public:
    // Results of ReadPartners.
    enum
    {
        ReadDone = 0,
        ReadNeedsLogin = 1, // the log-in page, the adult warning, no user or another user
        ReadItemGone = 2,   // the page's alert box
        ReadNothing = 3     // no item, address or page, or no partner named
    };

    CWinnerListPageReader(const AuctionItem* pItem, CHttpComm* pHttpComm);
    ~CWinnerListPageReader() override;

    // The user the page must show; empty: not checked.
    void SetExpectedUserId(LPCTSTR id) { m_strExpectedUserId = id; }

    // Fetches the item page and fills ids with its partners.
    int ReadPartners(CStringList& ids);

private:
    const AuctionItem* m_pItem;
    CString m_strExpectedUserId;
};

// The partners an item page's feedback links name, in page order and each
// once (letter case aside). The links to the feedback page itself count;
// only without any, every link whose address holds "leavefeedback". TRUE
// when any was found.
BOOL CollectFeedbackPartnerIds(CHtmlDocument* pPage, CStringList& ids);

#endif // TANZO_CLIENT_ACTIONS_WINNERLISTPAGEREADER_H
