#ifndef TANZO_AUCTION_SENDTARGETCHECKS_H
#define TANZO_AUCTION_SENDTARGETCHECKS_H

#include "afx/wintypes.h"

// What OK of a partner list makes of its ticks.
enum
{
    TargetChecksPass = 0,       // no check column, or a partner is ticked
    TargetChecksNoneTicked = 1, // the user is told (no target, reason 1)
    TargetChecksNoColumn = 2    // the check column lies past the columns
};

// nCheckColumn negative: the list has no check boxes. bAnyTicked: a row is
// ticked in that column, fixed cells not counted.
int EvaluateTargetChecks(int nCheckColumn, int nColumnCount, BOOL bAnyTicked);

#endif // TANZO_AUCTION_SENDTARGETCHECKS_H
