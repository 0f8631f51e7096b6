#include "text/TimeUtil.h"

LONGLONG SecondsBetween(const CTime& later, const CTime& earlier)
{
    return (later - earlier).GetTotalSeconds();
}
