#include "client/MarkCommands.h"

#include "client/TanzoResourceIds.h"

namespace
{
// By command, from ID_MARK_FIRST.
const int kMarkValues[] = {1,   2,    3,    4,    16,   32,   48,   64,   256,  512,
                           768, 1024, 1280, 1536, 1792, 2048, 2304, 2560, 2816, 0};
} // namespace

BOOL MarkValueOfCommand(UINT nID, int& value)
{
    if (nID < ID_MARK_FIRST || nID > ID_MARK_NONE)
        return FALSE;
    value = kMarkValues[nID - ID_MARK_FIRST];
    return TRUE;
}
