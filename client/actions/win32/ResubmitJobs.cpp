#include "client/actions/ActionJobs.h"

CItemJobResult CActionJobs::Resubmit(CTanzoTabbedPage& page, const CItemSelection& items, int listKind)
{
    return CItemJobs::Resubmit(page, items, listKind);
}
