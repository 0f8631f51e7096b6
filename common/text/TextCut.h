#ifndef TANZO_TEXT_TEXTCUT_H
#define TANZO_TEXT_TEXTCUT_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Cutting and trimming of code page 932 texts, in place. None splits a
// two-byte character; TRUE when something was found (or kept), as each
// line says.

// Keep the text after byte i (exclusive) / before byte i. FALSE for a
// negative i, an empty text or (after) an i outside the text.
BOOL KeepAfterIndex(CString& text, int i);
BOOL KeepBeforeIndex(CString& text, int i);

// Keep the text after / before the first (with last: the last) ch or
// marker. FALSE when it is not found or the marker is empty.
BOOL KeepAfterChar(CString& text, char ch, BOOL last = FALSE);
BOOL KeepBeforeChar(CString& text, char ch, BOOL last = FALSE);
BOOL KeepAfterString(CString& text, LPCTSTR marker, BOOL last = FALSE);
BOOL KeepBeforeString(CString& text, LPCTSTR marker, BOOL last = FALSE);

// Removes affix from the start (atStart) or the end of the text when it is
// there; FALSE when it is not, when affix is empty or longer than the text.
BOOL RemoveAffix(CString& text, LPCTSTR affix, BOOL ignoreCase, BOOL atStart);

inline BOOL RemovePrefix(CString& text, LPCTSTR prefix)
{
    return RemoveAffix(text, prefix, FALSE, TRUE);
}

inline BOOL RemoveSuffix(CString& text, LPCTSTR suffix)
{
    return RemoveAffix(text, suffix, FALSE, FALSE);
}

// Drops one trailing ch (a single-byte character, never a trail byte).
BOOL RemoveTrailingChar(CString& text, char ch);

inline BOOL RemoveTrailingBackslash(CString& text)
{
    return RemoveTrailingChar(text, '\\');
}

// Cuts to at most n bytes; TRUE when something was cut.
BOOL TruncateToBytes(CString& text, int n);

// A text longer than n bytes is cut to n bytes and ends in "..." (labels
// and tips shown whole otherwise); TRUE when it was cut.
BOOL TruncateWithEllipsis(CString& text, int n);

// Byte offset after count characters; 0 when the text is shorter or count
// is not above 0.
int CharIndexToByteOffset(LPCTSTR text, int count);

// Length in bytes, 0 for null.
int SafeLength(LPCTSTR text);

// Flag of KeepAsciiChars: stop at the first other character once
// something was kept.
#define KEEP_ASCII_FIRST_RUN 1

// Keeps the ASCII characters. TRUE when the result is not empty.
BOOL KeepAsciiChars(CString& text, int flags = 0);

// Keeps the digits (full-width digits become ASCII digits), a '-' before
// them when allowMinus, and every '.' when allowDot. TRUE when the result
// is not empty.
BOOL FilterNumberChars(CString& text, BOOL allowMinus = FALSE, BOOL allowDot = FALSE);

// ch + text + ch.
CString QuoteWith(LPCTSTR text, char ch);

#endif // TANZO_TEXT_TEXTCUT_H
