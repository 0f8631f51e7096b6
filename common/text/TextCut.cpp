#include "text/TextCut.h"

#include <cstring>

#include "text/CharClass.h"
#include "text/MbcsString.h"

namespace
{
// The offset of the character boundary at or before offset n.
int BoundaryAtOrBefore(LPCTSTR text, int length, int n)
{
    LPCTSTR end = text + length;
    int pos = 0;
    while (pos < n)
    {
        int step = CharLength(text + pos, end);
        if (pos + step > n)
            break;
        pos += step;
    }
    return pos;
}

// TRUE when offset n of the text is a character boundary.
bool IsBoundary(LPCTSTR text, int length, int n)
{
    return BoundaryAtOrBefore(text, length, n) == n;
}

inline bool EqualBytes(LPCTSTR a, LPCTSTR b, int n, BOOL ignoreCase)
{
    return ignoreCase ? MbsCompareNoCase(a, n, b, n) == 0 : std::memcmp(a, b, n) == 0;
}
} // namespace

BOOL KeepAfterIndex(CString& text, int i)
{
    if (i < 0 || text.IsEmpty() || i >= text.GetLength())
        return FALSE;
    text = text.Mid(i + 1);
    return TRUE;
}

BOOL KeepBeforeIndex(CString& text, int i)
{
    if (i < 0 || text.IsEmpty())
        return FALSE;
    if (i < text.GetLength())
        text = text.Left(i);
    return TRUE;
}

BOOL KeepAfterChar(CString& text, char ch, BOOL last)
{
    int i = last ? MbsReverseFindChar(text, ch) : MbsFindChar(text, ch);
    return i >= 0 ? KeepAfterIndex(text, i) : FALSE;
}

BOOL KeepBeforeChar(CString& text, char ch, BOOL last)
{
    int i = last ? MbsReverseFindChar(text, ch) : MbsFindChar(text, ch);
    return i >= 0 ? KeepBeforeIndex(text, i) : FALSE;
}

namespace
{
// Byte index of the first (with last: the last) marker in text, -1 when
// it is not there or the marker is empty.
int FindMarker(const CString& text, LPCTSTR marker, BOOL last)
{
    if (marker == nullptr || *marker == '\0')
        return -1;
    return last ? ReverseFindString(text, marker) : MbsFind(text, marker);
}
} // namespace

BOOL KeepAfterString(CString& text, LPCTSTR marker, BOOL last)
{
    const int i = FindMarker(text, marker, last);
    if (i < 0)
        return FALSE;
    text = text.Mid(i + (int)std::strlen(marker));
    return TRUE;
}

BOOL KeepBeforeString(CString& text, LPCTSTR marker, BOOL last)
{
    const int i = FindMarker(text, marker, last);
    if (i < 0)
        return FALSE;
    text = text.Left(i);
    return TRUE;
}

BOOL RemoveAffix(CString& text, LPCTSTR affix, BOOL ignoreCase, BOOL atStart)
{
    const int n = affix != nullptr ? (int)std::strlen(affix) : 0;
    const int length = text.GetLength();
    if (n == 0 || length < n)
        return FALSE;
    LPCTSTR p = text;
    if (atStart)
    {
        // The text must have a character boundary where the prefix ends.
        if (!EqualBytes(p, affix, n, ignoreCase) || !IsBoundary(p, length, n))
            return FALSE;
        text = text.Mid(n);
    }
    else
    {
        if (!IsBoundary(p, length, length - n) || !EqualBytes(p + length - n, affix, n, ignoreCase))
            return FALSE;
        text = text.Left(length - n);
    }
    return TRUE;
}

BOOL RemoveTrailingChar(CString& text, char ch)
{
    const int length = text.GetLength();
    if (length == 0 || text[length - 1] != ch || !IsBoundary(text, length, length - 1))
        return FALSE;
    text = text.Left(length - 1);
    return TRUE;
}

BOOL TruncateToBytes(CString& text, int n)
{
    const int length = text.GetLength();
    if (n < 0)
        n = 0;
    if (length <= n)
        return FALSE;
    text = text.Left(BoundaryAtOrBefore(text, length, n));
    return TRUE;
}

BOOL TruncateWithEllipsis(CString& text, int n)
{
    if (!TruncateToBytes(text, n))
        return FALSE;
    text += "...";
    return TRUE;
}

int CharIndexToByteOffset(LPCTSTR text, int count)
{
    if (text == nullptr || count <= 0)
        return 0;
    LPCTSTR p = text;
    for (int i = 0; i < count; ++i)
    {
        if (*p == '\0')
            return 0;
        p += CharLength(p);
    }
    return (int)(p - text);
}

int SafeLength(LPCTSTR text)
{
    return text != nullptr ? (int)std::strlen(text) : 0;
}

namespace
{
// Rebuilds text from what keep(character, bytes, result) appends for each
// character; keep answers false to stop. TRUE when the result is not empty.
template <class Keep> BOOL FilterChars(CString& text, Keep keep)
{
    CString result;
    LPCTSTR p = text;
    LPCTSTR end = p + text.GetLength();
    while (p < end)
    {
        const int n = CharLength(p, end);
        if (!keep(p, n, result))
            break;
        p += n;
    }
    text = std::move(result);
    return text.IsEmpty() ? FALSE : TRUE;
}
} // namespace

BOOL KeepAsciiChars(CString& text, int flags)
{
    return FilterChars(text,
                       [flags](LPCTSTR p, int n, CString& result)
                       {
                           if (n == 1 && IsAsciiByte((BYTE)*p))
                               result += *p;
                           else if ((flags & KEEP_ASCII_FIRST_RUN) && !result.IsEmpty())
                               return false;
                           return true;
                       });
}

BOOL FilterNumberChars(CString& text, BOOL allowMinus, BOOL allowDot)
{
    static const char kFullWidthZero[] = "０";
    return FilterChars(text,
                       [allowMinus, allowDot](LPCTSTR p, int n, CString& result)
                       {
                           if (n == 1)
                           {
                               if (IsDigitChar((BYTE)*p) || (allowDot && *p == '.') ||
                                   (allowMinus && *p == '-' && result.IsEmpty()))
                                   result += *p;
                           }
                           else if (p[0] == kFullWidthZero[0] && (BYTE)p[1] >= (BYTE)kFullWidthZero[1] &&
                                    (BYTE)p[1] <= (BYTE)kFullWidthZero[1] + 9)
                               result += (char)('0' + ((BYTE)p[1] - (BYTE)kFullWidthZero[1]));
                           return true;
                       });
}

CString QuoteWith(LPCTSTR text, char ch)
{
    CString result(ch);
    result += text;
    result += ch;
    return result;
}
