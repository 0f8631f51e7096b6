#include "app/HelpIdRules.h"

UINT ResolveHelpId(UINT nOwnHelpId, BOOL bHosted, const CHelpIdSource* pHost)
{
    if (!bHosted || nOwnHelpId != 0)
        return nOwnHelpId;
    return pHost != nullptr ? pHost->GetOwnHelpId() : 0;
}

UINT ResolveTabbedHelpId(UINT nOwnHelpId, CHelpIdSource* pSelectedPage, UINT nBaseRuleId)
{
    if (nOwnHelpId == 0 && pSelectedPage != nullptr)
        return pSelectedPage->GetHelpId();
    return nBaseRuleId;
}
