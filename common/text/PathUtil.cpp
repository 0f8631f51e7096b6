#include "text/PathUtil.h"

#include "afx/Collections.h"

namespace
{
// Index just past the "\\server\share" prefix of a UNC path (the backslash
// after the share, or the end), or 0 when the path has none.
int UncPrefixLength(const CString& path)
{
    if (!IsUncPath(path))
        return 0;
    int server = path.Find('\\', 2);
    if (server < 0)
        return path.GetLength();
    int share = path.Find('\\', server + 1);
    return share < 0 ? path.GetLength() : share;
}
} // namespace

void JoinPath(CString& out, LPCTSTR dir, LPCTSTR name)
{
    if (dir == nullptr || *dir == '\0')
        return;
    CString joined(dir);
    if (name != nullptr && *name != '\0')
    {
        // ReverseFind steps over two-byte characters, so the trail byte 0x5C
        // of "表" is not taken for a separator.
        if (joined.ReverseFind('\\') != joined.GetLength() - 1)
            joined += '\\';
        joined += name;
    }
    out = joined;
}

void GetDirectoryOfPath(LPCTSTR path, CString& out)
{
    CString s(path);
    // Like _splitpath, "/" separates as well as "\".
    int last = s.ReverseFind('\\');
    int slash = s.ReverseFind('/');
    if (slash > last)
        last = slash;
    int colon = s.Find(':');
    if (last >= 0)
        s = s.Left(last + 1);
    else if (colon == 1)
        s = s.Left(2);
    else
        s.Empty();
    int end = s.GetLength() - 1;
    if (end >= 0 && (s.ReverseFind('\\') == end || s[end] == '/'))
        s = s.Left(end);
    out = s;
}

void SplitPath(LPCTSTR path, CStringList& list)
{
    CString s(path);
    if (s.GetLength() > 0 && s.ReverseFind('\\') == s.GetLength() - 1)
        s = s.Left(s.GetLength() - 1);
    if (s.IsEmpty())
        return;
    int start = 0;
    int unc = UncPrefixLength(s);
    if (unc > 0)
    {
        list.AddTail(s.Left(unc));
        if (unc >= s.GetLength())
            return;
        start = unc + 1;
    }
    for (;;)
    {
        int sep = s.Find('\\', start);
        if (sep < 0)
        {
            list.AddTail(s.Mid(start));
            return;
        }
        list.AddTail(s.Mid(start, sep - start));
        start = sep + 1;
    }
}

BOOL IsUncPath(LPCTSTR path)
{
    return path != nullptr && path[0] == '\\' && path[1] == '\\';
}
