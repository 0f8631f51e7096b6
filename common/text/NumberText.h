#ifndef TANZO_TEXT_NUMBERTEXT_H
#define TANZO_TEXT_NUMBERTEXT_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Decimal text with an optional sign to an integer, clamped to the type's
// range; 0 for null or text that is not numeric.
int ParseIntSaturated(LPCTSTR text);
LONGLONG ParseInt64Saturated(LPCTSTR text);

// Hexadecimal text to a number (modulo 2^32); a character that is not a
// hexadecimal digit counts 0. 0 for null or empty.
int HexTextToInt(LPCTSTR text);

// Inserts ',' between groups of n digits counted from the right (a leading
// sign is not a digit). FALSE and unchanged when n is not above 0 or the
// number has no more than n digits.
BOOL GroupDigits(CString& text, int n);

// Decimal text of value with digits grouped by three.
void Int64ToGroupedText(LONGLONG value, CString& out);

// Grouped decimal text, a blank and the currency unit (string 549).
void FormatAmountWithUnit(LONGLONG value, CString& out);

#endif // TANZO_TEXT_NUMBERTEXT_H
