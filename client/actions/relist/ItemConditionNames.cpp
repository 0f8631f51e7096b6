#include "client/actions/relist/ItemConditionNames.h"

#include "auction/records/ItemCondition.h"

namespace
{
// By condition code 0..7.
const UINT kNameIds[] = {1007, 1008, 1009, 1252, 1253, 1254, 1255, 1256};
const UINT kWorstNameId = 1256;
} // namespace

UINT GetItemConditionNameId(int nCode)
{
    return nCode >= 0 && nCode < (int)(sizeof(kNameIds) / sizeof(kNameIds[0])) ? kNameIds[nCode]
                                                                               : kWorstNameId;
}

CString GetItemConditionName(const CItemCondition& condition)
{
    CString name;
    name.LoadString(GetItemConditionNameId(condition.GetCondition()));
    return name;
}
