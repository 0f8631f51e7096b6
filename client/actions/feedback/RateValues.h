#ifndef TANZO_CLIENT_ACTIONS_RATEVALUES_H
#define TANZO_CLIENT_ACTIONS_RATEVALUES_H

#include "afx/String.h"
#include "afx/wintypes.h"

// The ratings of a feedback: values 1 (very bad) to 5 (very good), listed
// best first in the rating dialog's combo.

enum
{
    RateValueMin = 1,
    RateValueMax = 5,
    RateValueDefault = 5,
    RateIndexCount = 5
};

// The combo entry of a value; -1 outside 1 to 5.
int CRateValueToIndex(int nValue);
// The value of a combo entry; 5 outside the five entries.
int CRateIndexToValue(int nIndex);
// The value's text ("非常に良い" ...); FALSE, out empty, outside 1 to 5.
BOOL CRateValueToText(int nValue, CString& out);

#endif // TANZO_CLIENT_ACTIONS_RATEVALUES_H
