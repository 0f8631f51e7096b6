#include "auction/dialogs/AuctionDialogRules.h"

#include "auction/records/ItemCondition.h"

LONGLONG GetEffectiveMinimumAmount(LONGLONG minimum)
{
    return minimum < 2 ? 1 : minimum;
}

BOOL GetInitialAmount(LONGLONG amount, LONGLONG minimum, DWORD options, LONGLONG& shown)
{
    if ((options & AmountStartEmpty) != 0)
        return FALSE;
    const LONGLONG effective = GetEffectiveMinimumAmount(minimum);
    shown = amount >= effective ? amount : effective;
    return TRUE;
}

BOOL IsAmountAccepted(LONGLONG value, LONGLONG minimum, DWORD options)
{
    if ((options & AmountCheckRange) == 0)
        return TRUE;
    return value >= GetEffectiveMinimumAmount(minimum) && value <= MaxAmount;
}

int DecideConditionOk(int code, BOOL hasComment)
{
    if (code == 2 && !hasComment)
        return ConditionOkNeedComment;
    if (hasComment || code == 0 || code == 2)
        return ConditionOkAskFirst;
    return ConditionOkStore;
}

BOOL FocusConditionAfterNo(int code)
{
    return code == 0 || code == 2;
}

int SelectConditionIndex(int code, int ownIndex, int defaultIndex, int count)
{
    int index = ownIndex;
    if (index < 0 && code != CItemCondition::DefaultCondition)
        index = defaultIndex;
    return index >= 0 && index < count ? index : -1;
}
