#include "client/actions/feedback/RateValues.h"

#include "client/actions/feedback/FeedbackResourceIds.h"

int CRateValueToIndex(int nValue)
{
    if (nValue < RateValueMin || nValue > RateValueMax)
        return -1;
    return RateValueMax - nValue;
}

int CRateIndexToValue(int nIndex)
{
    if (nIndex < 0 || nIndex >= RateIndexCount)
        return RateValueDefault;
    return RateValueMax - nIndex;
}

BOOL CRateValueToText(int nValue, CString& out)
{
    out.Empty();
    const int nIndex = CRateValueToIndex(nValue);
    return nIndex >= 0 && out.LoadString(IDS_RATE_TEXT_FIRST + nIndex);
}
