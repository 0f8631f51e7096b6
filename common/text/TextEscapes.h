#ifndef TANZO_TEXT_TEXTESCAPES_H
#define TANZO_TEXT_TEXTESCAPES_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Decodes, in place, the entities that service pages use: "&quot;",
// "&nbsp;" (to a blank; left as written with keepNbsp), "&lt;", "&gt;",
// "&amp;", "&#38;", "&#038;", "&#39;" and "&#039;", case-sensitive and
// nothing else. One pass: the result of a replacement is never decoded
// again, so "&amp;lt;" gives "&lt;". TRUE when anything was replaced.
BOOL DecodeHtmlEntities(CString& text, BOOL keepNbsp = FALSE);

// Results of DecodeUnicodeEscapes.
#define UNICODE_ESCAPES_FAILED 0
#define UNICODE_ESCAPES_DECODED 1
#define UNICODE_ESCAPES_NONE 2

// Copies text to out, turning every "\u" with four hexadecimal digits into
// the character; a run of escapes converts as one, so surrogate pairs join.
// A code unit without a character in code page 932 (a lone surrogate,
// U+0000) becomes '?'.
int DecodeUnicodeEscapes(LPCTSTR text, CString& out);

// Inserts escape before every ch not already preceded by escape.
BOOL EscapeChar(CString& text, char ch, char escape);

// Trims trailing ch; when the rest then ends with escape, one ch is put
// back. FALSE when nothing was trimmed.
BOOL TrimRightKeepEscaped(CString& text, char ch, char escape);

#endif // TANZO_TEXT_TEXTESCAPES_H
