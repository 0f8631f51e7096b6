#ifndef TANZO_TEXT_TIMEUTIL_H
#define TANZO_TEXT_TIMEUTIL_H

#include "afx/Time.h"
#include "afx/wintypes.h"

// Seconds from earlier to later; negative when "earlier" is the later one.
LONGLONG SecondsBetween(const CTime& later, const CTime& earlier);

#endif // TANZO_TEXT_TIMEUTIL_H
