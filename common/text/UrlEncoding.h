#ifndef TANZO_TEXT_URLENCODING_H
#define TANZO_TEXT_URLENCODING_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Form (percent) encoding of query and body values. The text must already
// be in the target charset. Letters, digits, '@', '*', '-', '.' and '_'
// stay, a blank becomes '+', every other byte "%XX". Always TRUE.
BOOL UrlEncode(LPCTSTR text, CString& out);

// '+' becomes a blank, "%%" a percent sign and '%' with two hexadecimal
// digits that byte; a '%' followed by anything else (or by "00") stays as
// written. A '%' without two following characters stays as written too,
// and the answer is FALSE.
BOOL UrlDecode(LPCTSTR text, CString& out);

#endif // TANZO_TEXT_URLENCODING_H
