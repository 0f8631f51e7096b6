#include "auction/dialogs/SendTargetChecks.h"

int EvaluateTargetChecks(int nCheckColumn, int nColumnCount, BOOL bAnyTicked)
{
    if (nCheckColumn < 0)
        return TargetChecksPass;
    if (nCheckColumn >= nColumnCount)
        return TargetChecksNoColumn;
    return bAnyTicked ? TargetChecksPass : TargetChecksNoneTicked;
}
