#ifndef TANZO_CLIENT_STATUSPAGEVALUES_H
#define TANZO_CLIENT_STATUSPAGEVALUES_H

#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"

// Values as the service's status pages print them.

// The digits of the text ("12,800円", "3日", "１２") as a number; 0 when
// it has none.
int ParseNumberText(LPCTSTR text);
// The same digits of length bytes (a NUL among them counts as no digit),
// clamped to LONGLONG; FALSE when there is none.
BOOL ReadNumberDigits(LPCTSTR text, int length, LONGLONG& value);
LONGLONG ParseMoneyText(LPCTSTR text);

// "1月3日 10時00分" as a local time in the year that puts it nearest to
// now: the current year, the next when that lies more than 121 days
// back, the previous when it lies more than 15 days and 11 hours ahead.
// Time 0 when a word is missing or a value out of range.
CTime ParseListDate(LPCTSTR text, const CTime& now);

// What ParseListDate takes beside the text, once for the many dates of a
// page: its words and now with its year.
struct ListDateContext
{
    explicit ListDateContext(const CTime& when);

    CString words[4]; // month, day, hour, minute
    CTime now;
    int year;
    LONGLONG offset; // of the local time at now from UTC, in seconds
    bool offsetKnown;
};
CTime ParseListDate(LPCTSTR text, const ListDateContext& context);

// The page count that "N件中 a～b件目" gives (the two words at most 256
// characters apart; rows per page b - a + 1 when a is 1, else 50). FALSE
// when the page does not say.
BOOL ReadPageCountFromCounts(const CString& pageText, int& pageCount);

#endif // TANZO_CLIENT_STATUSPAGEVALUES_H
