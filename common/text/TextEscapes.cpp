#include "text/TextEscapes.h"

#include <cstring>

#include "text/CharBuffer.h"
#include "text/CharClass.h"
#include "text/WideConvert.h"

namespace
{
struct Entity
{
    const char* text;
    int length;
    char replacement;
    bool nbsp;
};

const Entity kEntities[] = {
    {"&quot;", 6, '"', false}, {"&nbsp;", 6, ' ', true},  {"&lt;", 4, '<', false},
    {"&gt;", 4, '>', false},   {"&amp;", 5, '&', false},  {"&#38;", 5, '&', false},
    {"&#038;", 6, '&', false}, {"&#39;", 5, '\'', false}, {"&#039;", 6, '\'', false},
};

// The entity at p (p[0] is '&'), or null.
const Entity* MatchEntity(const char* p, const char* end, BOOL keepNbsp)
{
    for (const Entity& e : kEntities)
    {
        if (e.nbsp && keepNbsp)
            continue;
        if (end - p >= e.length && std::memcmp(p, e.text, e.length) == 0)
            return &e;
    }
    return nullptr;
}

inline bool IsUnicodeEscape(const char* p, const char* end)
{
    return end - p >= 6 && p[0] == '\\' && p[1] == 'u' && IsHexDigitChar((BYTE)p[2]) &&
           IsHexDigitChar((BYTE)p[3]) && IsHexDigitChar((BYTE)p[4]) && IsHexDigitChar((BYTE)p[5]);
}
} // namespace

BOOL DecodeHtmlEntities(CString& text, BOOL keepNbsp)
{
    const int length = text.GetLength();
    // Most texts have no entity at all: nothing to rewrite.
    if (length == 0 || std::memchr((LPCTSTR)text, '&', (size_t)length) == nullptr)
        return FALSE;
    // Decoding only shortens the text: compact it in place, one pass.
    char* begin = text.GetBuffer(length);
    const char* end = begin + length;
    const char* p = begin;
    char* out = begin;
    BOOL replaced = FALSE;
    while (p < end)
    {
        if (*p == '&')
        {
            const Entity* e = MatchEntity(p, end, keepNbsp);
            if (e != nullptr)
            {
                *out++ = e->replacement;
                p += e->length;
                replaced = TRUE;
                continue;
            }
        }
        int n = MarkupCharLength(p, end);
        while (n-- > 0)
            *out++ = *p++;
    }
    text.ReleaseBuffer((int)(out - begin));
    return replaced;
}

int DecodeUnicodeEscapes(LPCTSTR text, CString& out)
{
    const int length = text != nullptr ? (int)std::strlen(text) : 0;
    if (length == 0)
    {
        out.Empty();
        return UNICODE_ESCAPES_NONE;
    }
    const char* p = text;
    const char* end = text + length;
    CString result;
    CWideCharBuffer run;
    run.AssignBuffer(length / 6);
    bool decoded = false;
    bool failed = false;
    const char* copied = p;
    auto flushRun = [&]()
    {
        if (run.IsEmpty())
            return;
        CString converted;
        if (!WideBufferToAnsi(run, converted))
            failed = true;
        result += converted;
        run.Clear();
    };
    while (p < end && !failed)
    {
        if (*p == '\\' && IsUnicodeEscape(p, end))
        {
            if (p > copied)
            {
                flushRun();
                result += CString(copied, (int)(p - copied));
            }
            int unit = 0;
            for (int i = 2; i < 6; ++i)
                unit = unit * 16 + HexDigitValue((BYTE)p[i]);
            if (unit == 0)
            {
                // WideBufferToAnsi reads up to a NUL: NUL stands in as '?'.
                flushRun();
                result += '?';
            }
            else
                run.AppendChar((WCHAR)unit);
            decoded = true;
            p += 6;
            copied = p;
            continue;
        }
        p += CharLength(p, end);
    }
    if (!failed)
    {
        flushRun();
        if (end > copied)
            result += CString(copied, (int)(end - copied));
    }
    out = std::move(result);
    if (failed)
        return UNICODE_ESCAPES_FAILED;
    return decoded ? UNICODE_ESCAPES_DECODED : UNICODE_ESCAPES_NONE;
}

BOOL EscapeChar(CString& text, char ch, char escape)
{
    const int length = text.GetLength();
    LPCTSTR begin = text;
    LPCTSTR end = begin + length;
    CString result;
    BOOL changed = FALSE;
    bool previousIsEscape = false;
    LPCTSTR copied = begin;
    for (LPCTSTR p = begin; p < end;)
    {
        const int n = CharLength(p, end);
        if (n == 1 && *p == ch && !previousIsEscape)
        {
            result += CString(copied, (int)(p - copied));
            result += escape;
            copied = p;
            changed = TRUE;
        }
        previousIsEscape = n == 1 && *p == escape;
        p += n;
    }
    if (!changed)
        return FALSE;
    result += CString(copied, (int)(end - copied));
    text = std::move(result);
    return TRUE;
}

BOOL TrimRightKeepEscaped(CString& text, char ch, char escape)
{
    const int length = text.GetLength();
    LPCTSTR begin = text;
    LPCTSTR end = begin + length;
    // Start of the trailing run of ch, and the character before it.
    LPCTSTR runStart = nullptr;
    LPCTSTR beforeRun = nullptr;
    LPCTSTR previous = nullptr;
    for (LPCTSTR p = begin; p < end;)
    {
        const int n = CharLength(p, end);
        if (n == 1 && *p == ch)
        {
            if (runStart == nullptr)
            {
                runStart = p;
                beforeRun = previous;
            }
        }
        else
            runStart = nullptr;
        previous = p;
        p += n;
    }
    if (runStart == nullptr)
        return FALSE;
    int newLength = (int)(runStart - begin);
    if (beforeRun != nullptr && CharLength(beforeRun, end) == 1 && *beforeRun == escape)
        ++newLength;
    if (newLength == length)
        return FALSE;
    text = text.Left(newLength);
    return TRUE;
}
