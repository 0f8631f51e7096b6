#include "text/StringListText.h"

#include <cstring>

#include "afx/Collections.h"
#include "text/MbcsString.h"

namespace
{
// format with its "%s" replaced by value and "%%" by '%'; any other '%'
// stays as written, so that a format from a file can never read beyond
// its one argument.
CString FormatOne(LPCTSTR format, const CString& value)
{
    CString result;
    bool used = false;
    for (LPCTSTR p = format; *p != '\0'; ++p)
    {
        if (p[0] == '%' && p[1] == '%')
        {
            result += '%';
            ++p;
        }
        else if (p[0] == '%' && p[1] == 's' && !used)
        {
            result += value;
            used = true;
            ++p;
        }
        else
            result += *p;
    }
    return result;
}

// Joins the non-empty strings, each made by make(string).
template <class Make>
BOOL Join(const CStringList& list, CString& out, LPCTSTR separator, int maxLength, Make make)
{
    CString result;
    bool any = false;
    const int sepLength = separator != nullptr ? (int)std::strlen(separator) : 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        const CString& item = const_cast<CStringList&>(list).GetNext(pos);
        if (item.IsEmpty())
            continue;
        CString piece = make(item);
        const int added = (any ? sepLength : 0) + piece.GetLength();
        if (maxLength > 0 && result.GetLength() + added > maxLength)
            break;
        if (any && separator != nullptr)
            result += separator;
        result += piece;
        any = true;
    }
    if (!any)
        return FALSE;
    out = std::move(result);
    return TRUE;
}
} // namespace

BOOL JoinStringList(const CStringList& list, CString& out, LPCTSTR separator, int maxLength)
{
    return Join(list, out, separator, maxLength, [](const CString& s) { return s; });
}

BOOL FormatEachAndJoin(const CStringList& list, CString& out, LPCTSTR format, LPCTSTR separator,
                       int maxLength)
{
    if (format == nullptr || *format == '\0')
        return FALSE;
    return Join(list, out, separator, maxLength, [format](const CString& s) { return FormatOne(format, s); });
}

BOOL FormatListFromResource(const CStringList& list, CString& out, UINT formatId, LPCTSTR separator,
                            int maxLength)
{
    CString format;
    if (!format.LoadString(formatId) || format.IsEmpty())
        return FALSE;
    return FormatEachAndJoin(list, out, format, separator, maxLength);
}

void AppendStringList(CStringList& target, const CStringList& source)
{
    // The source may be the target: take the count first.
    const int count = source.GetCount();
    POSITION pos = source.GetHeadPosition();
    for (int i = 0; i < count && pos != nullptr; ++i)
        target.AddTail(CString(const_cast<CStringList&>(source).GetNext(pos)));
}

int LoadStringList(CStringList& list, const UINT* ids)
{
    list.RemoveAll();
    if (ids == nullptr)
        return 0;
    for (; *ids != 0; ++ids)
    {
        CString text;
        if (text.LoadString(*ids))
            list.AddTail(text);
    }
    return list.GetCount();
}

int FindInStringList(LPCTSTR text, const CStringList& list, int flags)
{
    int index = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++index)
        if (MatchText(text, const_cast<CStringList&>(list).GetNext(pos), flags))
            return index;
    return -1;
}
