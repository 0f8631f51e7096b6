#include "text/TextSplit.h"

#include <cstring>

#include "afx/Collections.h"
#include "text/CharClass.h"
#include "text/MbcsString.h"
#include "text/NumberText.h"
#include "text/TextCut.h"
#include "text/UrlEncoding.h"

namespace
{
// Calls fn(begin, length) for every non-empty part of [p, end) between
// single-byte separators found at character boundaries.
template <class Fn> void ForEachPart(LPCTSTR p, LPCTSTR end, char separator, Fn fn)
{
    LPCTSTR part = p;
    while (p < end)
    {
        if (*p == separator)
        {
            if (p > part)
                fn(part, (int)(p - part));
            part = ++p;
            continue;
        }
        p += CharLength(p, end);
    }
    if (end > part)
        fn(part, (int)(end - part));
}

// The first single-byte ch of [p, end), or end.
LPCTSTR FindCharIn(LPCTSTR p, LPCTSTR end, char ch)
{
    while (p < end && *p != ch)
        p += CharLength(p, end);
    return p;
}

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

CString Trimmed(LPCTSTR p, LPCTSTR end)
{
    while (p < end && IsBlank(*p))
        ++p;
    while (end > p && IsBlank(end[-1]))
        --end;
    return CString(p, (int)(end - p));
}

// The query part of a URL: after the first '?', the whole text without one.
void QueryPart(LPCTSTR url, LPCTSTR& begin, LPCTSTR& end)
{
    end = url + SafeLength(url);
    begin = FindCharIn(url, end, '?');
    begin = begin < end ? begin + 1 : url;
}

// First non-empty value of the parameter name (ignoring case) in parallel
// lists.
BOOL FindValue(const CStringList& names, const CStringList& values, LPCTSTR name, CString& out)
{
    if (name == nullptr || *name == '\0')
        return FALSE;
    POSITION n = names.GetHeadPosition();
    POSITION v = values.GetHeadPosition();
    while (n != nullptr && v != nullptr)
    {
        const CString& key = const_cast<CStringList&>(names).GetNext(n);
        const CString& value = const_cast<CStringList&>(values).GetNext(v);
        if (!key.IsEmpty() && !value.IsEmpty() && MbsCompareNoCase(key, name) == 0)
        {
            out = value;
            return TRUE;
        }
    }
    return FALSE;
}

CString Unquoted(const CString& text)
{
    const int n = text.GetLength();
    if (n >= 2 && (text[0] == '"' || text[0] == '\'') && text[n - 1] == text[0])
        return text.Mid(1, n - 2);
    return text;
}
} // namespace

void SplitAtChar(LPCTSTR text, CString& left, CString& right, char ch)
{
    const int length = SafeLength(text);
    LPCTSTR end = text + length;
    LPCTSTR at = length > 0 ? FindCharIn(text, end, ch) : end;
    // Either output may be the text itself.
    CString before(text, (int)(at - text));
    CString after = at < end ? CString(at + 1, (int)(end - at - 1)) : CString();
    left = std::move(before);
    right = std::move(after);
}

int SplitByString(LPCTSTR text, LPCTSTR separator, CStringList& list)
{
    const int length = SafeLength(text);
    const int sepLength = SafeLength(separator);
    if (length == 0 || sepLength == 0)
        return 0;
    int count = 0;
    int pos = 0;
    while (pos < length)
    {
        int at = MbsFind(text, length, separator, sepLength, pos);
        int partEnd = at >= 0 ? at : length;
        if (partEnd > pos)
        {
            list.AddTail(CString(text + pos, partEnd - pos));
            ++count;
        }
        if (at < 0)
            break;
        pos = at + sepLength;
    }
    return count;
}

int SplitByChar(LPCTSTR text, char ch, CStringList& list)
{
    const int length = SafeLength(text);
    int count = 0;
    ForEachPart(text, text + length, ch,
                [&](LPCTSTR p, int n)
                {
                    list.AddTail(CString(p, n));
                    ++count;
                });
    return count;
}

BOOL ParseQueryString(LPCTSTR url, CStringList& names, CStringList& values)
{
    if (url != nullptr)
    {
        LPCTSTR begin, end;
        QueryPart(url, begin, end);
        ForEachPart(begin, end, '&',
                    [&](LPCTSTR p, int n)
                    {
                        LPCTSTR partEnd = p + n;
                        LPCTSTR eq = FindCharIn(p, partEnd, '=');
                        names.AddTail(CString(p, (int)(eq - p)));
                        values.AddTail(eq < partEnd ? CString(eq + 1, (int)(partEnd - eq - 1)) : CString());
                    });
    }
    return names.GetCount() == values.GetCount();
}

BOOL GetQueryParameter(LPCTSTR url, LPCTSTR name, CString& out, BOOL decode)
{
    CString found;
    const int nameLength = SafeLength(name);
    if (url != nullptr && nameLength > 0)
    {
        LPCTSTR begin, end;
        QueryPart(url, begin, end);
        bool done = false;
        ForEachPart(begin, end, '&',
                    [&](LPCTSTR p, int n)
                    {
                        if (done)
                            return;
                        LPCTSTR partEnd = p + n;
                        LPCTSTR eq = FindCharIn(p, partEnd, '=');
                        if (eq == partEnd || eq + 1 == partEnd ||
                            MbsCompareNoCase(p, (int)(eq - p), name, nameLength) != 0)
                            return;
                        found = CString(eq + 1, (int)(partEnd - eq - 1));
                        done = true;
                    });
    }
    if (decode && !found.IsEmpty())
        UrlDecode(found, out);
    else
        out = found;
    return out.IsEmpty() ? FALSE : TRUE;
}

BOOL ParseParameterList(LPCTSTR text, CStringList& names, CStringList& values, char separator, int maxCount)
{
    const int length = SafeLength(text);
    int count = 0;
    ForEachPart(text, text + length, separator,
                [&](LPCTSTR p, int n)
                {
                    if (maxCount >= 0 && count >= maxCount && count > 0)
                    {
                        // Beyond the limit the part belongs to the last value (a URL
                        // that holds the separator).
                        CString& last = values.GetTail();
                        last += separator;
                        last += CString(p, n);
                        return;
                    }
                    LPCTSTR partEnd = p + n;
                    LPCTSTR eq = FindCharIn(p, partEnd, '=');
                    names.AddTail(Trimmed(p, eq));
                    values.AddTail(eq < partEnd ? Trimmed(eq + 1, partEnd) : CString());
                    ++count;
                });
    return names.GetCount() == values.GetCount();
}

BOOL GetParameterValue(LPCTSTR text, LPCTSTR name, CString& out, char separator, int maxCount)
{
    CStringList names, values;
    ParseParameterList(text, names, values, separator, maxCount);
    return FindValue(names, values, name, out);
}

BOOL SplitHeaderValue(LPCTSTR text, CString& main, LPCTSTR name, CString* out, char separator, int maxCount)
{
    CStringList names, values;
    ParseParameterList(text, names, values, separator, maxCount);
    CString first;
    if (!names.IsEmpty() && values.GetHead().IsEmpty())
        first = names.GetHead();
    if (name != nullptr && out != nullptr)
    {
        CString value;
        FindValue(names, values, name, value);
        *out = value;
    }
    main = first;
    return main.IsEmpty() ? FALSE : TRUE;
}

BOOL GetRefreshTarget(LPCTSTR content, CString& url, int* seconds, int maxCount)
{
    CStringList names, values;
    ParseParameterList(content, names, values, ';', maxCount);
    CString target;
    bool ok = true;
    if (seconds != nullptr)
    {
        ok = !names.IsEmpty() && !names.GetHead().IsEmpty() && values.GetHead().IsEmpty() &&
             IsNumericText(names.GetHead(), 0);
        if (ok)
            *seconds = ParseIntSaturated(names.GetHead());
    }
    if (ok && FindValue(names, values, "url", target))
        target = Unquoted(target);
    else
        target.Empty();
    url = target;
    return url.IsEmpty() ? FALSE : TRUE;
}

CString MakeQueryFieldPrefix(LPCTSTR name, BOOL first)
{
    CString prefix = first ? CString() : CString('&');
    prefix += name;
    prefix += '=';
    return prefix;
}
