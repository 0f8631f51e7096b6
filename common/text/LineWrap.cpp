#include "text/LineWrap.h"

#include <cstring>

#include "text/CharClass.h"
#include "text/MbcsString.h"

namespace
{
// Characters that may not begin a line, and those that may not end one.
const char kNoStartSingles[] = "!),.:;?]}｡､｣･ｰﾞﾟ";
const char kNoStartDoubles[] = "。、，．？！゛゜ー」』）］｝";
const char kNoEndSingles[] = "([{｢";
const char kNoEndDoubles[] = "（［｛「『";

inline bool IsAsciiChar(LPCTSTR ch, int length)
{
    return length == 1 && IsAsciiByte((BYTE)*ch);
}
} // namespace

BOOL IsNoLineStartChar(LPCTSTR ch, int length)
{
    return IsCharInSets(ch, kNoStartSingles, kNoStartDoubles, length);
}

BOOL IsNoLineEndChar(LPCTSTR ch, int length)
{
    return IsCharInSets(ch, kNoEndSingles, kNoEndDoubles, length);
}

BOOL CanBreakBefore(LPCTSTR text, int position, int length, int previousLength, BOOL kinsoku)
{
    if (text == nullptr || position < 0)
        return FALSE;
    LPCTSTR ch = text + position;
    const bool hasPrevious = previousLength > 0 && previousLength <= position;
    LPCTSTR previous = hasPrevious ? ch - previousLength : nullptr;
    if (hasPrevious && IsAsciiChar(ch, length))
    {
        if (IsAsciiChar(previous, previousLength) && (*previous == ' ' || *previous == ','))
            return TRUE;
        // Words stay whole.
        if (IsAsciiChar(previous, previousLength))
            return FALSE;
    }
    if (kinsoku)
    {
        if (IsNoLineStartChar(ch, length))
            return FALSE;
        if (hasPrevious && IsNoLineEndChar(previous, previousLength))
            return FALSE;
    }
    return TRUE;
}

int FindLastBreak(LPCTSTR text, int length, int maxPosition, BOOL kinsoku)
{
    if (text == nullptr || length <= 0)
        return -1;
    LPCTSTR end = text + length;
    int found = -1;
    int previousLength = 0;
    for (int pos = 0; pos < length && pos <= maxPosition;)
    {
        const int n = CharLength(text + pos, end);
        if (text[pos] != '\r' && CanBreakBefore(text, pos, n, previousLength, kinsoku))
            found = pos;
        previousLength = n;
        pos += n;
    }
    return found;
}

BOOL WrapText(CString& text, int width, int overhang, int flags, LPCTSTR lineBreak)
{
    if (width <= 0 || lineBreak == nullptr || *lineBreak == '\0' || text.IsEmpty())
        return FALSE;
    const BOOL kinsoku = (flags & WRAP_KINSOKU) != 0;
    const bool rules = (flags & (WRAP_WORDS | WRAP_KINSOKU)) != 0;
    const bool lookBack = (flags & WRAP_LOOK_BACK) != 0;
    const int length = text.GetLength();
    LPCTSTR s = text;
    LPCTSTR end = s + length;

    CString result;
    bool broke = false;
    int copied = 0;    // bytes of text already in result
    int lineStart = 0; // where the current line begins
    int lineBytes = 0; // bytes of the current line so far
    int previousLength = 0;
    bool lookedBack = false;
    int i = 0;
    while (i < length)
    {
        const int n = CharLength(s + i, end);
        if (s[i] == '\n')
        {
            i += 1;
            lineStart = i;
            lineBytes = 0;
            previousLength = 0;
            lookedBack = false;
            continue;
        }
        if (lineBytes > 0 && lineBytes + n > width && s[i] != '\r')
        {
            int breakAt = i;
            bool take = true;
            if (rules)
            {
                const bool withinOverhang = overhang < 0 || lineBytes + n <= width + overhang;
                bool allowed = false;
                if (withinOverhang)
                    allowed = CanBreakBefore(s, i, n, previousLength, kinsoku) != FALSE;
                if (!allowed && lookBack && !lookedBack)
                {
                    // Once per line: an earlier point inside the line.
                    lookedBack = true;
                    int p = FindLastBreak(s + lineStart, i - lineStart + n, i - lineStart, kinsoku);
                    if (p > 0)
                    {
                        breakAt = lineStart + p;
                        allowed = true;
                    }
                }
                // Beyond the overhang without a point the break is forced.
                take = allowed || !withinOverhang;
            }
            if (take)
            {
                result += CString(s + copied, breakAt - copied);
                result += lineBreak;
                copied = breakAt;
                broke = true;
                i = breakAt;
                lineStart = breakAt;
                lineBytes = 0;
                previousLength = 0;
                lookedBack = false;
                continue;
            }
        }
        lineBytes += n;
        previousLength = n;
        i += n;
    }
    if (!broke)
        return FALSE;
    result += CString(s + copied, length - copied);
    text = std::move(result);
    return TRUE;
}
