#include "client/actions/ActionJobs.h"

CItemJobResult CActionJobs::Rate(CTanzoTabbedPage& page, const CItemSelection& items, BOOL asSeller)
{
    return CItemJobs::Rate(page, items, asSeller);
}

CItemJobResult CActionJobs::Remove(CTanzoTabbedPage& page, const CItemSelection& items, LPCTSTR listUrl,
                                   int removalKind)
{
    return CItemJobs::Remove(page, items, listUrl, removalKind);
}

BOOL CActionJobs::SelectPartners(CWnd* pParent, TanzoAuctionItem& item, int mode, BOOL namedWinner)
{
    return CItemJobs::SelectPartners(pParent, item, mode, namedWinner);
}

BOOL CActionJobs::ShowWinnerList(CWnd* pParent, TanzoAuctionItem& item, BOOL namedWinner, BOOL* pChanged)
{
    return CItemJobs::ShowWinnerList(pParent, item, namedWinner, pChanged);
}
