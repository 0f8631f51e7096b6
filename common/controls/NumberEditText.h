#ifndef TANZO_CONTROLS_NUMBEREDITTEXT_H
#define TANZO_CONTROLS_NUMBEREDITTEXT_H

// Text rules of the number edits: digits grouped by three with ",", a
// length limit that counts the separators, and decimal values.

#include "afx/String.h"
#include "afx/wintypes.h"

// Characters that digits grouped by three take: n digits and a separator
// after every three of them (10 digits: 13). 0 for n not above 0.
int GroupedNumberLength(int digits);

// Keeps the digits of text and groups them by three; FALSE, and the text
// left as it was, when the result is longer than maxLength characters (0:
// no limit). A text without digits becomes empty.
BOOL FormatGroupedNumber(CString& text, int maxLength);

// The whole number, and "." with the fraction when that is above 0.
CString FormatDecimalValue(int whole, int fraction);

#endif // TANZO_CONTROLS_NUMBEREDITTEXT_H
