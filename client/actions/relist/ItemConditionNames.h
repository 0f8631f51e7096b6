#ifndef TANZO_CLIENT_ACTIONS_ITEMCONDITIONNAMES_H
#define TANZO_CLIENT_ACTIONS_ITEMCONDITIONNAMES_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CItemCondition;

// The string id of an item condition's name; a code outside 0..7 is
// named as the worst condition.
UINT GetItemConditionNameId(int nCode);
// The condition's name as the user knows it.
CString GetItemConditionName(const CItemCondition& condition);

#endif // TANZO_CLIENT_ACTIONS_ITEMCONDITIONNAMES_H
