#include "client/ItemJobs.h"

namespace
{
CItemJobs g_defaultJobs;
CItemJobs* g_pJobs = nullptr;
} // namespace

CItemJobs::~CItemJobs() = default;

CItemJobResult CItemJobs::AddDescription(CTanzoTabbedPage&, const CItemSelection&)
{
    return CItemJobResult();
}

CItemJobResult CItemJobs::SetFeaturedAmount(CTanzoTabbedPage&, const CItemSelection&)
{
    return CItemJobResult();
}

CItemJobResult CItemJobs::Remove(CTanzoTabbedPage&, const CItemSelection&, LPCTSTR, int)
{
    return CItemJobResult();
}

CItemJobResult CItemJobs::Resubmit(CTanzoTabbedPage&, const CItemSelection&, int)
{
    return CItemJobResult();
}

CItemJobResult CItemJobs::Rate(CTanzoTabbedPage&, const CItemSelection&, BOOL)
{
    return CItemJobResult();
}

BOOL CItemJobs::SelectPartners(CWnd*, TanzoAuctionItem&, int, BOOL)
{
    return FALSE;
}

BOOL CItemJobs::ShowWinnerList(CWnd*, TanzoAuctionItem&, BOOL, BOOL* pChanged)
{
    if (pChanged != nullptr)
        *pChanged = FALSE;
    return FALSE;
}

CItemJobs& GetItemJobs()
{
    return g_pJobs != nullptr ? *g_pJobs : g_defaultJobs;
}

void SetItemJobs(CItemJobs* pJobs)
{
    g_pJobs = pJobs;
}
