#include "client/actions/ActionJobs.h"

CItemJobResult CActionJobs::AddDescription(CTanzoTabbedPage& page, const CItemSelection& items)
{
    return CItemJobs::AddDescription(page, items);
}

CItemJobResult CActionJobs::SetFeaturedAmount(CTanzoTabbedPage& page, const CItemSelection& items)
{
    return CItemJobs::SetFeaturedAmount(page, items);
}
